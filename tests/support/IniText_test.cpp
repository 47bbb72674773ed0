#include "support/IniText.h"

#include <gtest/gtest.h>

#include <string>

#include "support/ProfileFileCases.h"

namespace {

// What each case should give was read from the platform's profile functions under Wine.
TEST(IniText, DecodesByTheByteOrderMarkIntoTheSingleByteSet) {
    const std::string nul(1, '\0');
    struct TCase {
        const char* name;
        std::string bytes;
        std::string text;
    } cases[] = {
        {"no mark: the bytes as they are", "k=caf\xE9\x81" + nul + "\xC3\xA9", "k=caf\xE9\x81" + nul + "\xC3\xA9"},
        {"UTF-8 mark", "\xEF\xBB\xBFk=caf\xC3\xA9 \xE2\x82\xAC \xC2\x81", "k=caf\xE9 \x80 \x81"},
        {"UTF-8 outside the set", "\xEF\xBB\xBF\xE4\xB8\xAD \xF0\x9F\x98\x80", "? ??"},
        {"UTF-8 stray bytes",
         "\xEF\xBB\xBF"
         "a\xFF"
         "b\x80"
         "c\xC0\xAF",
         "a?b?c??"},
        {"UTF-8 sequence broken by its next byte",
         "\xEF\xBB\xBF\xC3"
         "b\xE2\x82X",
         "?b?X"},
        {"UTF-8 encoded surrogate", "\xEF\xBB\xBF\xED\xA0\x80x", "??x"},
        {"UTF-8 beyond U+10FFFF", "\xEF\xBB\xBF\xF4\x90\x80\x80x", "???x"},
        {"UTF-8 overlong three bytes", "\xEF\xBB\xBF\xE0\x80\x80x", "??x"},
        {"UTF-8 cut off at the end", "\xEF\xBB\xBFx\xE2\x82", "x?"},
        {"UTF-8 mark only", "\xEF\xBB\xBF", ""},
        {"UTF-16 LE", Utf16Bytes(u"[s]\r\nk=caf\u00E9 \u20AC \u0142", false), "[s]\r\nk=caf\xE9 \x80 ?"},
        {"UTF-16 BE", Utf16Bytes(u"k=caf\u00E9", true), "k=caf\xE9"},
        {"UTF-16 surrogates", Utf16Bytes(u"\U0001F600 \xD800x", false), "?? ?x"},
        {"UTF-16 LE odd last byte", Utf16Bytes(u"ab", false) + "c", "abc"},
        {"UTF-16 BE odd last byte", Utf16Bytes(u"ab", true) + "c", "abc"},
        {"UTF-16 NUL stays", Utf16Bytes(std::u16string(u"a\0b", 3), false), "a" + nul + "b"},
        {"UTF-16 without a mark is bytes", std::string("k\0=\0", 4), std::string("k\0=\0", 4)},
        {"a lone FF", "\xFF", "\xFF"},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ini::DecodeText(row.bytes), row.text);
    }
}

// Every character of the set survives the way into a Unicode encoding and back, also text that begins
// like a byte-order mark. (Single-byte text never does: such a file would have been read as Unicode.)
TEST(IniText, EncodingAndDecodingGiveTheTextBack) {
    std::string everyByte;
    for (int c = 0; c < 256; ++c)
        everyByte.push_back(static_cast<char>(c));
    EXPECT_EQ(ini::DecodeText(ini::EncodeText(everyByte, ini::TTextEncoding::SingleByte)), everyByte);
    for (const std::string& text : {everyByte, std::string("\xEF\xBB\xBF\xFF\xFE"), std::string()}) {
        for (const auto encoding :
             {ini::TTextEncoding::Utf8, ini::TTextEncoding::Utf16LittleEndian, ini::TTextEncoding::Utf16BigEndian}) {
            SCOPED_TRACE(static_cast<int>(encoding));
            const std::string bytes = ini::EncodeText(text, encoding);
            EXPECT_EQ(ini::EncodingOf(bytes), encoding);
            EXPECT_EQ(ini::DecodeText(bytes), text);
        }
    }
}

TEST(IniText, SplitsAtCrLfLfAndLoneCr) {
    struct TCase {
        const char* text;
        std::vector<std::string_view> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(row.text)));
        EXPECT_EQ(ini::SplitLines(row.text), row.lines);
    }
}

}  // namespace
