#include "support/IniText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/EncodedFile.h"
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
    EXPECT_EQ(ini::DecodeText(ini::EncodeBytes(everyByte, ini::TTextEncoding::SingleByte)), everyByte);
    for (const std::string& text : {everyByte, std::string("\xEF\xBB\xBF\xFF\xFE"), std::string()}) {
        for (const auto encoding :
             {ini::TTextEncoding::Utf8, ini::TTextEncoding::Utf16LittleEndian, ini::TTextEncoding::Utf16BigEndian}) {
            SCOPED_TRACE(static_cast<int>(encoding));
            const std::string bytes = EncodedFile(text, encoding);
            EXPECT_EQ(ini::EncodingOf(bytes), encoding);
            EXPECT_EQ(ini::DecodeText(bytes), text);
            EXPECT_EQ(ini::DecodeBytes(ini::EncodeBytes(text, encoding), encoding), text);
        }
    }
}

// A "?" that stands for a character the set lacks is told apart from a "?" of the file.
TEST(IniText, DecodingNamesThePlacesOfCharactersTheSetLacks) {
    struct TCase {
        const char* name;
        std::string bytes;
        ini::TTextEncoding encoding;
        std::vector<std::size_t> replaced;
    } cases[] = {
        {"UTF-8", "?\xE4\xB8\xAD?\xFF\xF0\x9F\x98\x80", ini::TTextEncoding::Utf8, {1, 3, 4, 5}},
        {"UTF-16",
         Utf16Bytes(u"?\u0416\u00E9\U0001F600", false).substr(2),
         ini::TTextEncoding::Utf16LittleEndian,
         {1, 3, 4}},
        {"single byte", "?\x81\xE4", ini::TTextEncoding::SingleByte, {}},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        std::vector<std::size_t> replaced;
        ini::DecodeBytes(row.bytes, row.encoding, &replaced);
        EXPECT_EQ(replaced, row.replaced);
    }
}

// The lines of a file are found in its bytes by code units, so that UTF-16 text holding the bytes of
// CR and LF within other characters keeps its lines.
TEST(IniText, FindsTheLinesOfAFileInItsOwnEncoding) {
    using Spans = std::vector<std::pair<std::size_t, std::size_t>>;  // text end, end
    struct TCase {
        const char* name;
        std::string bytes;
        Spans spans;
    } cases[] = {
        {"single byte, every kind of end", "a\r\nb\nc\rd", {{1, 3}, {4, 5}, {6, 7}, {8, 8}}},
        {"UTF-8 after its mark", "\xEF\xBB\xBF\xC3\xA9\n\n", {{5, 6}, {6, 7}}},
        {"UTF-16 LE: U+0A0D is no line end", Utf16Bytes(u"\u0A0Da\r\nb", false), {{6, 10}, {12, 12}}},
        {"UTF-16 BE: U+0D0A is no line end", Utf16Bytes(u"\u0D0A\r\r\n", true), {{4, 6}, {6, 10}}},
        {"UTF-16 odd last byte stays in the text", Utf16Bytes(u"a\n", false) + "\r", {{4, 6}, {7, 7}}},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        const auto encoding = ini::EncodingOf(row.bytes);
        Spans spans;
        std::size_t begin = ini::ByteOrderMark(encoding).size();
        for (const ini::TLineSpan& span : ini::SplitLineSpans(row.bytes, encoding)) {
            EXPECT_EQ(span.Begin, begin);
            spans.emplace_back(span.TextEnd, span.End);
            begin = span.End;
        }
        EXPECT_EQ(spans, row.spans);
    }
    EXPECT_EQ(ini::WholeCodeUnits(Utf16Bytes(u"a", false) + "\r"), Utf16Bytes(u"a\r", false));
    EXPECT_EQ(ini::WholeCodeUnits(Utf16Bytes(u"a", true) + "\r"), Utf16Bytes(u"a\r", true));
    EXPECT_EQ(ini::WholeCodeUnits("odd"), "odd");
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
