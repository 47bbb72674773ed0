#ifndef PLUX_SUPPORT_MESSAGEDIALOGLAYOUT_H
#define PLUX_SUPPORT_MESSAGEDIALOGLAYOUT_H

#include <cstdint>
#include <string>
#include <vector>

#include "support/MessageCatalogue.h"
#include "toolkit/TextMeasure.h"

// What the message dialog shows and where, worked out from the current message, the dialog type and
// the button captions before any window exists. Positions are in pixels; the window's size is its
// outer size, and the controls sit at client coordinates.

inline constexpr std::uint8_t kDialogInformation = 0;
inline constexpr std::uint8_t kDialogError = 1;
inline constexpr std::uint8_t kDialogInput = 2;
inline constexpr std::uint8_t kDialogQuestion = 3;
inline constexpr std::uint8_t kDialogPassword = 4;

// Modal results.
inline constexpr int kResultOk = 1;
inline constexpr int kResultCancel = 2;
inline constexpr int kResultYes = 6;
inline constexpr int kResultNo = 7;

// System icon ids and sounds.
inline constexpr int kIconApplication = 32512;
inline constexpr int kIconHand = 32513;
inline constexpr int kIconQuestion = 32514;
inline constexpr int kIconAsterisk = 32516;
inline constexpr unsigned kBeepHand = 0x10;
inline constexpr unsigned kBeepQuestion = 0x20;
inline constexpr unsigned kBeepAsterisk = 0x40;

// The height the platform gives a one-line edit field in the dialog's font.
inline constexpr int kEditHeight = 21;
inline constexpr int kDefaultMaxLength = 255;

// The dialog's font: "MS Sans Serif", 11 pixels high.
TFontSpec MessageDialogFont();

struct TBox {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    bool operator==(const TBox&) const = default;
};

struct TDialogButton {
    int ModalResult = 0;  // also the button's command id
    std::string Text;     // "&" and the caption: its first character is the accelerator
    TBox Bounds;
    bool IsDefault = false;  // answers Enter
    bool IsCancel = false;   // answers Escape
};

struct TEditField {
    TBox Bounds;
    int MaxLength = kDefaultMaxLength;
};

struct TMessageDialogLayout {
    std::string Caption;  // "#" and the message number
    int Width = 0;
    int Height = 0;
    TBox Icon;
    int IconId = kIconApplication;
    unsigned Beep = 0;  // 0: none
    TBox Label;
    std::string Text;  // Line1, a carriage return, Line2
    std::vector<TDialogButton> Buttons;
    bool HasAnswerField = false;
    bool HasPasswordField = false;
    TEditField Answer;  // type 2: the answer field, type 4: the password field
    TCharCase CharCase = TCharCase::Normal;
};

TMessageDialogLayout LayoutMessageDialog(std::uint8_t type, const TMessageInfo& info, const TTextMeasure& measure);

// The top-left corner that centres a window on a screen.
TBox CentredOn(int screenWidth, int screenHeight, int width, int height);

#endif
