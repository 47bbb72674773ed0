#ifndef PLUX_TOOLKIT_HTML_HTMLPARSER_H
#define PLUX_TOOLKIT_HTML_HTMLPARSER_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace html {

enum class ETokenKind { Text, StartTag, EndTag };

struct TAttribute {
    std::string Name;   // lower case
    std::string Value;  // entities decoded
};

// Text tokens carry decoded text with white space as written; tags carry lower-case names.
struct TToken {
    ETokenKind Kind = ETokenKind::Text;
    std::string Name;
    std::string Text;
    std::vector<TAttribute> Attributes;

    const std::string* Attribute(std::string_view name) const;
};

// Pulls tokens from HTML as people write it by hand or by string concatenation. It never fails:
// a "<" or "&" that starts no markup, and a tag left open at the end, come back as text.
class TTokenizer {
public:
    explicit TTokenizer(std::string_view source) : source_(source), nextClose_(source.find('>')) {}
    bool Next(TToken& token);

private:
    bool ReadMarkup(TToken& token);
    bool ReadTag(TToken& token, bool closing);
    void ReadAttributes(TToken& token);
    void ReadText(TToken& token);
    bool SkipPast(std::string_view terminator);

    std::string_view source_;
    std::size_t pos_ = 0;
    std::size_t nextClose_ =
        std::string_view::npos;  // position of the next '>' at or after pos_, npos when there is none
};

// Replaces the character references we know (&nbsp; &amp; &lt; &gt; &quot; &apos; and numeric ones up
// to 255) by their single-byte characters; anything else stays as written.
std::string DecodeEntities(std::string_view text);

inline constexpr char kNonBreakingSpace = '\xA0';

}  // namespace html

#endif
