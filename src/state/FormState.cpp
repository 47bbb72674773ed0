#include "state/FormState.h"

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

namespace {

// The values of the form state's keys.
struct TFormStateValues {
    int Flags = 0;
    int ShowCmd = 0;
    std::string NormalPos;
    int PixelsPerInch = 0;
    int Color = 0;
};

using TNumberField = int TFormStateValues::*;
using TTextField = std::string TFormStateValues::*;

struct TFormStateKey {
    std::string_view Name;
    std::variant<TNumberField, TTextField> Field;
    bool DefaultsToCurrent = false;  // otherwise 0 or the empty text
};

// The keys in the order a first save writes them; later saves replace the values in place.
constexpr TFormStateKey kFormStateKeys[] = {
    {"Flags", &TFormStateValues::Flags, true},                  // the placement's flags
    {"ShowCmd", &TFormStateValues::ShowCmd, false},             // 1 normal, 2 minimised, 3 maximised
    {"NormalPos", &TFormStateValues::NormalPos, false},         // "left,top,right,bottom"
    {"PixelsPerInch", &TFormStateValues::PixelsPerInch, true},  // of the screen the window was made for
    {"Color", &TFormStateValues::Color, true},                  // the background, written only
};

std::vector<std::string_view> SplitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while ((start = text.find_first_not_of(", ", start)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(", ", start), text.size());
        words.push_back(text.substr(start, end - start));
        start = end;
    }
    return words;
}

// Reads every key; a missing or invalid one takes the window's current value for "Flags",
// "PixelsPerInch" and "Color", and 0 or the empty text for "ShowCmd" and "NormalPos".
TFormStateValues ReadFormStateValues(TAbstractStore& store, std::string_view section, const TFormStateValues& current) {
    const TFormStateValues none;
    TFormStateValues values;
    for (const TFormStateKey& key : kFormStateKeys) {
        const TFormStateValues& fallback = key.DefaultsToCurrent ? current : none;
        if (const auto* number = std::get_if<TNumberField>(&key.Field)) {
            const TNumberField field = *number;
            values.*field = store.ReadNumber(section, key.Name, fallback.*field);
        } else {
            const TTextField field = std::get<TTextField>(key.Field);
            values.*field = store.ReadText(section, key.Name, fallback.*field);
        }
    }
    return values;
}

// Writes every key, in the order of a first save.
void WriteFormStateValues(TAbstractStore& store, std::string_view section, const TFormStateValues& values) {
    for (const TFormStateKey& key : kFormStateKeys) {
        if (const auto* number = std::get_if<TNumberField>(&key.Field))
            store.WriteNumber(section, key.Name, values.*(*number));
        else
            store.WriteText(section, key.Name, values.*std::get<TTextField>(key.Field));
    }
}

}  // namespace

TRect ParseNormalPos(std::string_view text, const TRect& current) {
    const std::vector<std::string_view> words = SplitWords(text);
    const int fallback[] = {current.Left, current.Top, current.Right, current.Bottom};
    int value[4];
    for (std::size_t i = 0; i < 4; ++i) {
        const auto parsed = i < words.size() ? ParseInteger(words[i]) : std::nullopt;
        value[i] = parsed.value_or(fallback[i]);
    }
    return TRect{value[0], value[1], value[2], value[3]};
}

std::string FormatNormalPos(const TRect& rect) {
    return std::to_string(rect.Left) + "," + std::to_string(rect.Top) + "," + std::to_string(rect.Right) + "," +
           std::to_string(rect.Bottom);
}

TWindowState WindowStateOfShowCmd(int showCmd) {
    switch (showCmd) {
        case 2:
        case 6:
            return TWindowState::Minimized;
        case 3:
            return TWindowState::Maximized;
        default:
            return TWindowState::Normal;
    }
}

TFormState::TFormState(TFormWindow& window) : window_(window) {}

void TFormState::RestoreOwnState() {
    WithOpenStore([this](TAbstractStore& store) { RestorePlacement(store); });
}

void TFormState::SaveOwnState() {
    WithOpenStore([this](TAbstractStore& store) { SavePlacement(store); });
}

// The window opens where its bounds say, never positioned by the system, so a stored rectangle needs
// no position mode to win.
void TFormState::RestorePlacement(TAbstractStore& store) {
    if (!(Options & (fsState | fsPosition)))
        return;
    TPlacement placement = window_.Placement();
    const TFormStateValues current{placement.Flags, 0, {}, window_.PixelsPerInch(), window_.Color()};
    const TFormStateValues stored = ReadFormStateValues(store, Section, current);
    // Another display setting makes the stored pixels meaningless.
    if (stored.PixelsPerInch != current.PixelsPerInch)
        return;
    placement.ShowCmd = 0;
    if (Options & fsPosition) {
        placement.Flags = stored.Flags;
        if (stored.NormalPos.empty())
            return;
        const TRect bounds = window_.Bounds();
        TRect rect = ParseNormalPos(stored.NormalPos, bounds);
        if (!window_.Sizeable() || (Options & fsNoSize)) {
            rect.Right = rect.Left + bounds.Width();
            rect.Bottom = rect.Top + bounds.Height();
        }
        if (rect.Right > rect.Left) {
            placement.NormalPos = rect;
            window_.SetPlacement(placement);
        }
    }
    if (Options & fsState) {
        const TWindowState state = WindowStateOfShowCmd(stored.ShowCmd);
        if (state == TWindowState::Minimized && window_.IsMainWindow()) {
            window_.MinimizeApplication();
            return;
        }
        window_.SetWindowState(state);
    }
    window_.Update();
}

// The main window hides while the application is minimised, so its own placement cannot tell.
void TFormState::SavePlacement(TAbstractStore& store) {
    const TPlacement placement = window_.Placement();
    const bool minimised = window_.IsMainWindow() && window_.ApplicationIconic();
    const TFormStateValues values{placement.Flags, minimised ? kShowMinimized : placement.ShowCmd,
                                  FormatNormalPos(placement.NormalPos), window_.PixelsPerInch(), window_.Color()};
    WriteFormStateValues(store, Section, values);
}
