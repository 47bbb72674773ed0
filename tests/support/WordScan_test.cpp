#include "support/WordScan.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Every place of the byte in and around a word, a second one behind it, among bytes that differ from it
// by one (where a borrow between bytes would show) and bytes of both halves of the set.
TEST(WordScan, FindsTheFirstByteWhereverItIs) {
    for (const char sought : {'\0', '=', '\x01', '\x7F', '\x80', '\xFF'}) {
        for (const char other :
             {'a', '\0', '\x01', '\xFF', static_cast<char>(sought + 1), static_cast<char>(sought - 1)}) {
            if (other == sought)
                continue;
            for (std::size_t size = 0; size <= 19; ++size) {
                std::string text(size, other);
                EXPECT_EQ(FindByte(text, sought), std::string_view::npos);
                for (std::size_t at = 0; at < size; ++at) {
                    SCOPED_TRACE(testing::Message()
                                 << int(sought) << " among " << int(other) << " at " << at << " of " << size);
                    text.assign(size, other);
                    text[at] = sought;
                    if (at + 3 < size)
                        text[at + 3] = sought;
                    EXPECT_EQ(FindByte(text, sought), at);
                }
            }
        }
    }
}

TEST(WordScan, ComparesEveryByteOfBothWholes) {
    const std::string base = "Grid 4 Pack 00012 (Delphi 7)";
    for (std::size_t size = 0; size <= base.size(); ++size) {
        const std::string text = base.substr(0, size);
        EXPECT_TRUE(SameBytes(text, std::string(text)));
        for (std::size_t at = 0; at < size; ++at) {
            std::string changed = text;
            changed[at] = static_cast<char>(changed[at] ^ 0x20);
            EXPECT_FALSE(SameBytes(text, changed)) << "byte " << at << " of " << size;
        }
        if (size < base.size()) {
            EXPECT_FALSE(SameBytes(text, base.substr(0, size + 1)));
        }
    }
}

}  // namespace
