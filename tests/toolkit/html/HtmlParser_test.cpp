#include "toolkit/html/HtmlParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace html {
namespace {

// Tokens in a compact form: <name a=v>, </name>, [text].
std::string Describe(std::string_view source) {
    std::string out;
    TTokenizer tokenizer(source);
    TToken token;
    while (tokenizer.Next(token)) {
        switch (token.Kind) {
            case ETokenKind::Text:
                out += "[" + token.Text + "]";
                break;
            case ETokenKind::EndTag:
                out += "</" + token.Name + ">";
                break;
            case ETokenKind::StartTag:
                out += "<" + token.Name;
                for (const TAttribute& attribute : token.Attributes)
                    out += " " + attribute.Name + "=" + attribute.Value;
                out += ">";
                break;
        }
    }
    return out;
}

TEST(Tokenizer, ReadsTagsAndTextAsTheReportAndHandsWriteThem) {
    struct {
        const char* name;
        const char* source;
        const char* tokens;
    } const cases[] = {
        {"table tag of the report", "<table border=\"1\" cellspacing=\"0\" bordercolor=#000000 cellpadding=\"3\">",
         "<table border=1 cellspacing=0 bordercolor=#000000 cellpadding=3>"},
        {"names without case", "<TH COLSPAN=\"2\">x</Th>", "<th colspan=2>[x]</th>"},
        {"single quotes and spaces around =", "<td bgcolor = 'red'>", "<td bgcolor=red>"},
        {"attribute without value", "<table border>", "<table border=>"},
        {"self-closing slash", "<br/>a", "<br>[a]"},
        {"comment and declaration skipped", "<!DOCTYPE html><!-- <td> -->x", "[x]"},
        {"white space kept in text", "a \r\n b", "[a \r\n b]"},
        {"entities in text and values", "<font color=\"&#35;ffffff\">&lt;&amp;&gt;&quot;",
         "<font color=#ffffff>[<&>\"]"},
        {"entity names without case", "&NBSP;&Amp;", "[\xA0&]"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Describe(row.source), row.tokens);
    }
}

// Product names are inserted without escaping; whatever they hold must come out as text.
TEST(Tokenizer, KeepsWhatStartsNoMarkupAsText) {
    struct {
        const char* name;
        const char* source;
        const char* tokens;
    } const cases[] = {
        {"less-than before a blank", "<td>a < b</td>", "<td>[a < b]</td>"},
        {"less-than before a digit", "<td>x<3</td>", "<td>[x<3]</td>"},
        {"bare ampersand", "<td>Tom & Jerry</td>", "<td>[Tom & Jerry]</td>"},
        {"unknown and unterminated references", "&bogus; &#; &#xZZ; &nbsp", "[&bogus; &#; &#xZZ; &nbsp]"},
        {"numeric references out of range", "&#0;&#300;&#65;&#x42;", "[??AB]"},
        {"tag never closed", "<td>Grid <b", "<td>[Grid ][<b]"},
        {"quote never closed", "<td title=\"x>y", "[<td title=\"x>y]"},
        {"comment never closed", "a<!-- b", "[a]"},
        {"end tag without name", "a</ b>", "[a][</ b>]"},
        {"lone less-than at the end", "a<", "[a<]"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Describe(row.source), row.tokens);
    }
}

TEST(Tokenizer, StaysLinearOnRunsOfUnfinishedMarkup) {
    std::string source;
    for (int i = 0; i < 200000; ++i)
        source += "<a&";
    std::size_t characters = 0;
    TTokenizer tokenizer(source);
    TToken token;
    while (tokenizer.Next(token))
        characters += token.Text.size();
    EXPECT_EQ(characters, source.size());
}

}  // namespace
}  // namespace html
