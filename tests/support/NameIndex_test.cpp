#include "support/NameIndex.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/TextRoutines.h"

namespace {

// The names by position, as the index's owner holds them.
struct TNames {
    std::map<std::size_t, std::string> byPosition;
    std::string_view operator()(std::size_t position) const { return byPosition.at(position); }
};

// Adds a name to the index and, when the index takes it, to the names it is found by.
std::size_t Add(TNameIndex& index, TNames& names, const std::string& name, std::size_t position) {
    const std::size_t held = index.Add(name, position, names);
    if (held == position)
        names.byPosition[position] = name;
    return held;
}

// The index folds eight characters at a time; every byte must fold as UpperChar folds it, in a full
// chunk and in the tail alike, or a name would miss itself written in another case.
TEST(NameIndex, FindsEveryByteAsSameTextUpperDoes) {
    for (int byte = 0; byte < 256; ++byte) {
        SCOPED_TRACE(byte);
        const char c = static_cast<char>(byte);
        const std::string name = "k" + std::string(10, c);
        TNameIndex index;
        TNames names;
        Add(index, names, name, 7);
        EXPECT_EQ(index.Find("K" + std::string(10, UpperChar(c)), names), 7u);
        const char other = static_cast<char>(byte ^ 0x20);
        const bool sameLetter = SameTextUpper(std::string(1, c), std::string(1, other));
        EXPECT_EQ(index.Find("k" + std::string(10, other), names).has_value(), sameLetter);
    }
}

TEST(NameIndex, KeepsTheFirstPositionOfANameThroughGrowth) {
    TNameIndex index;
    TNames names;
    for (std::size_t i = 0; i < 5000; ++i)
        EXPECT_EQ(Add(index, names, "Product " + std::to_string(i), i), i);
    EXPECT_EQ(Add(index, names, "PRODUCT 42", 9999), 42u) << "an equal name keeps its first position";
    EXPECT_EQ(Add(index, names, "", 5000), 5000u) << "the empty name is a name";
    for (std::size_t i = 0; i < 5000; i += 7)
        EXPECT_EQ(index.Find("product " + std::to_string(i), names), i);
    EXPECT_EQ(index.Find("", names), 5000u);
    EXPECT_FALSE(index.Find("Product 5000", names));
    EXPECT_FALSE(index.Find("Product 1 ", names));
    // Room made for more places every name anew, by its name, as the index keeps no whole hashes.
    index.Reserve(40000, names);
    for (std::size_t i = 0; i < 5000; i += 7)
        EXPECT_EQ(index.Find("PRODUCT " + std::to_string(i), names), i);
    EXPECT_EQ(Add(index, names, "product 4999", 1), 4999u);
    index.Clear();
    names.byPosition.clear();
    EXPECT_FALSE(index.Find("Product 1", names));
    EXPECT_EQ(Add(index, names, "Product 1", 3), 3u);
}

}  // namespace
