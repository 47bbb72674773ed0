#include "support/InputError.h"

#include <gtest/gtest.h>

namespace {

TEST(InputError, NamesTheFaultThenTheFileLineAndAReadableLine) {
    const struct {
        const char* name;
        std::string line;
        std::string shown;
    } rows[] = {
        {"trimmed", "  \tGrid 4=~4.2 \r", "Grid 4=~4.2"},
        {"control characters",
         std::string("a\x01\x1B\x7F"
                     "b\0c",
                     7),
         "a???b?c"},
        {"as long as shown", std::string(kShownLineLength, 'x'), std::string(kShownLineLength, 'x')},
        {"longer", std::string(kShownLineLength + 1, 'x'), std::string(kShownLineLength, 'x') + "..."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(InputLineError("Unknown operator \"~\"", "C:\\r.ini", 12, row.line).Message(),
                  "Unknown operator \"~\"\r\nC:\\r.ini(12): " + row.shown);
    }
    EXPECT_EQ(InputFileError("No [Required] section", "r.ini").Message(), "No [Required] section\r\nr.ini");
}

}  // namespace
