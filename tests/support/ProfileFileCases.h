#ifndef PLUX_TESTS_SUPPORT_PROFILEFILECASES_H
#define PLUX_TESTS_SUPPORT_PROFILEFILECASES_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Profile files and what the platform's profile reading returns for lookups in them. The native
// tests hold our reader to these answers; under Wine the platform's GetPrivateProfileStringA is held
// to the same table, so the two cannot drift apart.
struct TProfileLookup {
    std::string Section;
    std::string Key;
    std::string Default;
    std::string Expected;
};

struct TProfileFileCase {
    const char* Name = "";
    std::string Bytes;
    std::vector<TProfileLookup> Lookups;
};

inline std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes.push_back(bigEndian ? high : low);
        bytes.push_back(bigEndian ? low : high);
    }
    return bytes;
}

// UTF-8 of UTF-16 text, without a byte-order mark; surrogate pairs become one character.
inline std::string Utf8Bytes(std::u16string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            bytes.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | (c >> 6)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | (c >> 12)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | (c >> 18)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return bytes;
}

inline std::vector<TProfileFileCase> ProfileFileCases() {
    using namespace std::string_literals;
    const std::string def = "<default>";
    return {
        {"hand-edited snapshot",
         "; written by hand\r\n"
         "loose=before any section\r\n"
         "[Old]\r\n"
         "\\datetime\\=01-02-2004 10:00:00\r\n"
         "Grid 4 (Delphi 7) = 4.1 \r\n"
         "empty=\r\n"
         "D (Delphi 7)\r\n"
         "twice=first\r\n"
         "twice=second\r\n"
         "  [ Spaced Name ]  \n"
         "k=v\n"
         "=nameless\n"
         "[old]\r\n"
         "Grid 4 (Delphi 7)=shadowed\r\n",
         {
             {"Old", "\\datetime\\", def, "01-02-2004 10:00:00"},
             {"OLD", "grid 4 (DELPHI 7)", def, "4.1"},
             {" Old\t", " Grid 4 (Delphi 7) ", def, "4.1"},
             {"Old", "empty", def, ""},
             {"Old", "D (Delphi 7)", "&nbsp;", "&nbsp;"},
             {"Old", "twice", def, "first"},
             {"Old", "missing", def, def},
             {"Spaced Name", "k", def, "v"},
             {"Spaced Name", "", def, "nameless"},
             {"Spaced Name", "  ", def, "nameless"},
             {"Missing", "k", def, def},
             {"", "loose", def, "before any section"},
             {"", "; written by hand", def, def},
         }},
        {"quotes",
         "[s]\r\na=\"\r\nb=\"\"\r\nc='x\"\r\nd=\"x\"\r\ne=\"x\r\nf=' x '\r\ng=\"a\"b\"\r\n",
         {
             {"s", "a", def, "\""},
             {"s", "b", def, ""},
             {"s", "c", def, "'x\""},
             {"s", "d", def, "x"},
             {"s", "e", def, "\"x"},
             {"s", "f", def, " x "},
             {"s", "g", def, "a\"b"},
         }},
        {"blanks and control characters",
         "[s]\r\na=\x01v\x01\r\nb=\x1Av\x1A\r\nc=\xA0v\xA0\r\nd=\x0Bv\x0C\r\n\tk\t=\t1\t\r\n",
         {
             {"s", "a", def, "\x01v\x01"},
             {"s", "b", def, "v"},
             {"s", "c", def, "\xA0v\xA0"},
             {"s", "d", def, "v"},
             {"\x1As\x0B", "\x0Ck\r", def, "1"},
             {"\x01s", "k", def, def},
             {"s", "k\xA0", def, def},
         }},
        {"lone CR ends lines", "[s]\rk=v\rj=w\r", {{"s", "k", def, "v"}, {"s", "j", def, "w"}}},
        {"lone CR among CR LF",
         "[s]\r\nk=a\rb=c\r\n[t]\nj=w",
         {{"s", "k", def, "a"}, {"s", "b", def, "c"}, {"t", "j", def, "w"}}},
        {"UTF-8 with mark",
         "\xEF\xBB\xBF[s]\r\nk=caf\xC3\xA9\r\n\xC3\xA9t\xC3\xA9=acc\r\nbad=a\xFF"
         "b\r\n",
         {{"s", "k", def, "caf\xE9"}, {"s", "\xE9t\xE9", def, "acc"}, {"s", "bad", def, "a?b"}}},
        // The platform compares names in Unicode: a name with a character the single-byte set lacks is
        // no "?" of a requested name, while its value reads with "?" in that place.
        {"UTF-8 names outside the set",
         "\xEF\xBB\xBF" + Utf8Bytes(u"[\u4E2D]\r\nk=1\r\n[s]\r\nGrid \u0416=2\r\nGrid ?=3\r\nv=\u0416\r\n") +
             "b\xFF"
             "d=4\r\n",
         {{"?", "k", def, def}, {"s", "Grid ?", def, "3"}, {"s", "v", def, "?"}, {"s", "b?d", def, def}}},
        {"UTF-16 names outside the set",
         Utf16Bytes(u"[s]\r\n\U0001F600=1\r\n\u0416=2\r\n?=3\r\n", false),
         {{"s", "??", def, def}, {"s", "?", def, "3"}}},
        {"UTF-8 without mark is taken byte for byte", "[s]\r\nk=caf\xC3\xA9\r\n", {{"s", "k", def, "caf\xC3\xA9"}}},
        {"UTF-16 LE with mark",
         Utf16Bytes(u"[s]\r\nk=caf\u00E9\r\n\u00E9=acc\r\nsign=\u20AC\r\n", false),
         {{"s", "k", def, "caf\xE9"}, {"s", "\xE9", def, "acc"}, {"s", "sign", def, "\x80"}}},
        {"UTF-16 BE with mark", Utf16Bytes(u"[s]\r\nk=caf\u00E9\r\n", true), {{"s", "k", def, "caf\xE9"}}},
        {"UTF-16 without mark", "[\0s\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0"s, {{"s", "k", def, def}}},
        {"NUL ends names and values",
         "[s]\r\nk=ab\0cd\r\nx\0y=1\r\nq=\"ab\0\"\r\nn= \0x\r\nm=x \0\r\nw \0z=2\r\n[t\0u]\r\nz=3\r\n"s,
         {
             {"s", "k", def, "ab"},
             {"s", "x", def, "1"},
             {"s", "xy", def, def},
             {"s", "q", def, "\"ab"},
             {"s", "n", def, ""},
             {"s", "m", def, "x "},
             {"s", "w", def, def},
             {"t", "z", def, "3"},
             {"tu", "z", def, def},
         }},
        {"case folds ASCII letters only",
         "[S\xE9]\r\n\xE9t\xE9=1\r\nKey=2\r\n",
         {{"s\xC9", "\xE9t\xE9", def, def}, {"S\xE9", "\xC9T\xC9", def, def}, {"s\xE9", "kEY", def, "2"}}},
        {"first section and key of a name win",
         "[s]\r\na=1\r\n[S]\r\nb=2\r\na=3\r\n",
         {{"s", "a", def, "1"}, {"S", "b", def, def}}},
        {"headers",
         "[]\r\nk=0\r\n[a]b]\r\nk=1\r\n[abc] junk\r\nk=2\r\n[open\r\nk=3\r\n",
         {
             {"", "k", def, def},
             {"a]b", "k", def, "1"},
             {"a", "k", def, def},
             {"abc", "k", def, "2"},
             {"abc", "[open", def, def},
             {"open", "k", def, def},
         }},
        {"long values",
         "[s]\r\nk=" + std::string(2100, 'v') + "\r\nq=\"" + std::string(2100, 'v') + "\"\r\nm=\"" +
             std::string(2046, 'w') + "\"\r\nn=\"" + std::string(2047, 'w') + "\"\r\np=\"" + std::string(2048, 'w') +
             "\"\r\n",
         {
             {"s", "k", def, std::string(2047, 'v')},
             {"s", "q", def, std::string(2047, 'v')},
             {"s", "m", def, std::string(2046, 'w')},
             {"s", "n", def, std::string(2046, 'w')},
             {"s", "p", def, std::string(2047, 'w')},
         }},
        {"defaults",
         "[s]\r\n",
         {
             {"s", "k", "'x'", "x"},
             {"s", "k", "d  ", "d"},
             {"s", "k", "  ", " "},
             {"s", "k", "\"\"", ""},
             {"s", "k", " d", " d"},
         }},
        {"empty file", "", {{"s", "k", def, def}, {"", "", def, def}}},
        {"mark only", "\xEF\xBB\xBF", {{"s", "k", def, def}}},
    };
}

#endif
