#include "check/VersionOrder.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionOrder, ComparesPartByPartNumbersByValue) {
    using enum TVersionOrder;
    const struct {
        const char* a;
        const char* b;
        TVersionOrder order;
    } rows[] = {
        {"4.9", "4.10", Lower},
        {"4.10", "4.9", Higher},
        {"4.2", "4.2", Equal},
        {" 5.1 ", "5.1", Equal},
        {"04.1", "4.1", Equal},
        {"5.1a", "5.1A", Equal},
        {"4.1", "4.1.1", Lower},
        {"4.1", "4.1a", Lower},
        {"4.2a", "4.2b", Lower},
        {"4.10a", "4.9b", Higher},
        {"10", "9", Higher},
        {"99999999999999999999999.1", "99999999999999999999998.9", Higher},
        {"2024.1 beta", "2024.1 Beta", Equal},
        {"1.0.0", "1.0", Higher},
        {":[?]", "4.2", NotComparable},
        {"4.x", "4.2", NotComparable},
        {"4.1 beta", "4.1.2", NotComparable},
        {"", "4.2", NotComparable},
        {"4.2", "   ", NotComparable},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.a) + " vs " + row.b);
        EXPECT_EQ(CompareVersions(row.a, row.b), row.order);
    }
}

}  // namespace
