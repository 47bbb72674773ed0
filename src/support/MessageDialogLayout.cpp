#include "support/MessageDialogLayout.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kBaseWidth = 350;
constexpr int kWideExtra = 100;
constexpr std::size_t kWideTextLength = 80;
constexpr int kPromptHeight = 195;
constexpr int kPlainHeight = 175;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 30;
constexpr int kButtonsFromBottom = 70;
constexpr int kAnswerFromBottom = 100;
constexpr int kTextLeft = 60;
constexpr int kTextWidth = 260;
constexpr std::int64_t kMaxFieldWidth = 32767;

struct TTypeStyle {
    int iconId = kIconApplication;
    unsigned beep = 0;
    std::vector<std::pair<TButtonKind, int>> buttons;  // kind and left position
};

// One row per dialog type; types beyond the table have the application icon, no beep and no buttons.
TTypeStyle StyleOf(std::uint8_t type) {
    switch (type) {
        case kDialogInformation:
            return {kIconAsterisk, kBeepAsterisk, {{TButtonKind::Ok, 130}}};
        case kDialogError:
            return {kIconHand, kBeepHand, {{TButtonKind::Ok, 130}}};
        case kDialogInput:
        case kDialogPassword:
            return {kIconQuestion, kBeepQuestion, {{TButtonKind::Ok, 60}, {TButtonKind::Cancel, 200}}};
        case kDialogQuestion:
            return {kIconQuestion,
                    kBeepQuestion,
                    {{TButtonKind::Yes, 20}, {TButtonKind::No, 130}, {TButtonKind::Cancel, 240}}};
        default:
            return {};
    }
}

TDialogButton MakeButton(TButtonKind kind, TBox bounds) {
    TDialogButton button;
    button.Text = "&" + ButtonCaption(kind);
    button.Bounds = bounds;
    switch (kind) {
        case TButtonKind::Ok:
            button.ModalResult = kResultOk;
            button.IsDefault = true;
            break;
        case TButtonKind::Yes:
            button.ModalResult = kResultYes;
            button.IsDefault = true;
            break;
        case TButtonKind::No:
            button.ModalResult = kResultNo;
            button.IsCancel = true;
            break;
        default:
            button.ModalResult = kResultCancel;
            button.IsCancel = true;
            break;
    }
    return button;
}

}  // namespace

TFontSpec MessageDialogFont() {
    return TFontSpec{"MS Sans Serif", -11};
}

TMessageDialogLayout LayoutMessageDialog(std::uint8_t type, const TMessageInfo& info, const TTextMeasure& measure) {
    const int extra = info.Line1.size() + info.Line2.size() > kWideTextLength ? kWideExtra : 0;
    const bool prompt = type == kDialogInput || type == kDialogPassword;
    const TTypeStyle style = StyleOf(type);

    TMessageDialogLayout layout;
    layout.Caption = "#" + std::to_string(info.Number);
    layout.Width = kBaseWidth + extra;
    layout.Height = prompt ? kPromptHeight : kPlainHeight;
    layout.Icon = {10, 15, 50, 50};
    layout.IconId = style.iconId;
    layout.Beep = style.beep;
    layout.Label = {kTextLeft, 20, kTextWidth + extra, 60};
    layout.Text = info.Line1 + '\r' + info.Line2;
    for (const auto& [kind, left] : style.buttons) {
        layout.Buttons.push_back(
            MakeButton(kind, {left + extra / 2, layout.Height - kButtonsFromBottom, kButtonWidth, kButtonHeight}));
    }
    layout.CharCase = info.CharCase;
    const int maxLength = info.MaxLength > 0 ? info.MaxLength : kDefaultMaxLength;
    if (type == kDialogInput) {
        layout.HasAnswerField = true;
        layout.Answer = {{kTextLeft, layout.Height - kAnswerFromBottom, kTextWidth + extra, kEditHeight}, maxLength};
        if (info.MaxLength > 0) {
            // Room for MaxLength + 1 wide characters, centred by the window's outer width. A huge
            // MaxLength must not overflow the width; no window gets wider than kMaxFieldWidth anyway.
            const std::int64_t wanted =
                std::int64_t{measure.TextWidth(MessageDialogFont(), "M")} * (std::int64_t{info.MaxLength} + 1);
            const int width = static_cast<int>(std::min<std::int64_t>(wanted, kMaxFieldWidth));
            layout.Answer.Bounds.Width = width;
            layout.Answer.Bounds.Left = (layout.Width - width - 20) / 2;
        }
    } else if (type == kDialogPassword) {
        layout.HasPasswordField = true;
        layout.Answer = {{kTextLeft, 60, kTextWidth, kEditHeight}, maxLength};
    }
    return layout;
}

TBox CentredOn(int screenWidth, int screenHeight, int width, int height) {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2, width, height};
}
