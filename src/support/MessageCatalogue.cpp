#include "support/MessageCatalogue.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <utility>

#include "support/Messages.h"
#include "support/TextRoutines.h"

namespace {

constexpr std::size_t kMaxShortText = 255;
constexpr std::size_t kMaxCaption = 10;
constexpr std::int32_t kFirstCaptionMessage = 20000;

// The process-wide state of the catalogue module, kept in one place.
struct TCatalogueState {
    std::int32_t offset = 0;
    TMessageInfo info;
    // Yes, No, Cancel, OK, Stop as they read before the first language selection.
    std::array<std::string, 5> captions = {"Ja", "Nee", "Annuleren", "Ok", "Stop"};
    bool initialised = false;
};

TCatalogueState& State() {
    static TCatalogueState state;
    return state;
}

std::string Bracketed(std::int32_t number) {
    return "[" + std::to_string(number) + "] ";
}

// Replaces the first occurrence of the marker; the search sees the text as earlier steps left it.
void ReplaceFirst(std::string& text, char marker, std::string_view value) {
    const std::size_t at = text.find(marker);
    if (at != std::string::npos)
        text.replace(at, 1, value);
}

void ReplaceNumberMarker(std::string& text, std::int32_t value) {
    const std::size_t at = text.find('@');
    if (at == std::string::npos)
        return;
    if (at + 1 < text.size() && text[at + 1] == '@') {
        text.erase(at, 1);  // "@@" is an escaped at sign
    } else {
        text.replace(at, 1, std::to_string(value));
    }
}

}  // namespace

TMessageInfo& MessageInfo() {
    return State().info;
}

void ResetMessageInfo() {
    State().info = TMessageInfo{};
}

void SetMessageLanguage(std::uint8_t code) {
    static constexpr std::int32_t kOffsets[] = {0, 0, 1000, 2000, 3000};
    if (code < std::size(kOffsets))
        State().offset = kOffsets[code];
    LoadButtonCaptions();
    ResetMessageInfo();
}

std::int32_t MessageLanguageOffset() {
    return State().offset;
}

std::string LoadMessage(std::int32_t number) {
    return std::string(CatalogueText(static_cast<std::int64_t>(number) + State().offset));
}

void ComposeMessage(std::int32_t number) {
    if (number >= 0) {
        ComposeMessageFrom(number, LoadMessage(number));
    } else {
        ComposeMessageFrom(number, number == -1 ? "|" : "");  // -1 is the message of StrParam1 alone
    }
}

void ComposeMessageFrom(std::int32_t number, std::string text) {
    TMessageInfo& info = MessageInfo();
    info.Number = number;
    if (text.empty()) {
        text = Bracketed(number);
    } else {
        if (text.front() == '$')
            text = Bracketed(number) + text.substr(1);
        ReplaceNumberMarker(text, info.NumParam);
        ReplaceFirst(text, '|', std::string_view(info.StrParam1).substr(0, kMaxShortText));
        ReplaceFirst(text, '~', std::string_view(info.StrParam2).substr(0, kMaxShortText));
    }
    if (!info.SplitLines) {
        info.Line1 = std::move(text);
        return;
    }
    // The split point is the two characters backslash and n, never a real line feed.
    const std::size_t split = text.find("\\n");
    if (split == std::string::npos) {
        info.Line1 = std::move(text);
        info.Line2.clear();
    } else {
        info.Line2 = text.substr(split + 2, kMaxShortText);
        info.Line1 = text.substr(0, split);
    }
}

std::string GetMessageText(std::int32_t number, bool split) {
    MessageInfo().SplitLines = split;
    ComposeMessage(number);
    return Trim(std::string_view(MessageInfo().Line1).substr(0, kMaxShortText));
}

// A missing caption message yields its bracketed number, not the previous caption.
void LoadButtonCaptions() {
    for (std::size_t k = 0; k < State().captions.size(); ++k) {
        std::string caption = GetMessageText(kFirstCaptionMessage + static_cast<std::int32_t>(k), false);
        caption.resize(std::min(caption.size(), kMaxCaption));
        if (!caption.empty())
            State().captions[k] = std::move(caption);
    }
}

const std::string& ButtonCaption(TButtonKind kind) {
    return State().captions[static_cast<std::size_t>(kind)];
}

void InitMessageCatalogue() {
    if (State().initialised)
        return;
    SetMessageLanguage(0);
    State().initialised = true;
}

void FinalizeMessageCatalogue() {
    ResetMessageInfo();
    State().initialised = false;
}
