#include "app/MainWindow_win.h"

#include <commdlg.h>

#include "app/MainBars.h"
#include "check/BandColours.h"

void TfrmPLUX::barColor1Click() {
    PickBandColor(kColor1Item);
}

void TfrmPLUX::barColor2Click() {
    PickBandColor(kColor2Item);
}

// The swatch's code is the band colour; the report takes it up at the next check.
void TfrmPLUX::PickBandColor(std::string_view swatchName) {
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle();
    dialog.rgbResult = CodeToColor(BarItem(swatchName).Description);
    dialog.lpCustColors = customColors_.data();
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (!ChooseColorA(&dialog))
        return;
    SetBandColor(swatchName, ColorToCode(dialog.rgbResult));
}

// The code is what the report and the state file take; the swatch paints the colour it stands for.
// The manager repaints the swatch only when something changed.
void TfrmPLUX::SetBandColor(std::string_view swatchName, std::string code) {
    BarManager.ChangeItem(BarItem(swatchName), [&](TBarItemProperties& swatch) {
        swatch.Progress.Color = CodeToColor(code);
        swatch.Description = std::move(code);
    });
}

// What the colour dialog shows when nothing was chosen.
std::array<COLORREF, 16> TfrmPLUX::WhiteCustomColors() {
    std::array<COLORREF, 16> colors;
    colors.fill(RGB(0xFF, 0xFF, 0xFF));
    return colors;
}

void TfrmPLUX::ShowColors() {
    for (std::string_view swatch : {kColor1Item, kColor2Item})
        SetBandColor(swatch, BarItem(swatch).Description);
}
