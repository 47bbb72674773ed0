#include "support/NameIndex.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TextRoutines.h"

namespace {

// The index folds eight characters at a time; every byte must fold as UpperChar folds it, in a full
// chunk and in the tail alike, or a name would miss itself written in another case.
TEST(NameIndex, FindsEveryByteAsSameTextUpperDoes) {
    for (int byte = 0; byte < 256; ++byte) {
        SCOPED_TRACE(byte);
        const char c = static_cast<char>(byte);
        const std::string name = "k" + std::string(10, c);
        TNameIndex index;
        index.Add(name, 7);
        EXPECT_EQ(index.Find("K" + std::string(10, UpperChar(c))), 7u);
        const char other = static_cast<char>(byte ^ 0x20);
        const bool sameLetter = SameTextUpper(std::string(1, c), std::string(1, other));
        EXPECT_EQ(index.Find("k" + std::string(10, other)).has_value(), sameLetter);
    }
}

TEST(NameIndex, KeepsTheFirstPositionOfANameThroughGrowth) {
    TNameIndex index;
    for (std::size_t i = 0; i < 5000; ++i)
        EXPECT_EQ(index.Add("Product " + std::to_string(i), i), i);
    EXPECT_EQ(index.Add("PRODUCT 42", 9999), 42u) << "an equal name keeps its first position";
    EXPECT_EQ(index.Add("", 5000), 5000u) << "the empty name is a name";
    for (std::size_t i = 0; i < 5000; i += 7)
        EXPECT_EQ(index.Find("product " + std::to_string(i)), i);
    EXPECT_EQ(index.Find(""), 5000u);
    EXPECT_FALSE(index.Find("Product 5000"));
    EXPECT_FALSE(index.Find("Product 1 "));
    index.Clear();
    EXPECT_FALSE(index.Find("Product 1"));
    EXPECT_EQ(index.Add("Product 1", 3), 3u);
}

}  // namespace
