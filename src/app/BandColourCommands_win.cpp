#include "app/MainWindow_win.h"

#include <commdlg.h>

#include "app/MainBars.h"
#include "check/BandColours.h"

void TfrmPLUX::barColor1Click() {
    PickBandColor(BarItem(kColor1Item));
}

void TfrmPLUX::barColor2Click() {
    PickBandColor(BarItem(kColor2Item));
}

// The swatch's code is the band colour; the report takes it up at the next check.
void TfrmPLUX::PickBandColor(TBarItem& swatch) {
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle();
    dialog.rgbResult = CodeToColor(swatch.Description);
    dialog.lpCustColors = customColors_.data();
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (!ChooseColorA(&dialog))
        return;
    swatch.Description = ColorToCode(dialog.rgbResult);
    ShowColors();
}

// What the colour dialog shows when nothing was chosen.
std::array<COLORREF, 16> TfrmPLUX::WhiteCustomColors() {
    std::array<COLORREF, 16> colors;
    colors.fill(RGB(0xFF, 0xFF, 0xFF));
    return colors;
}

void TfrmPLUX::ShowColors() {
    BarManager.SetProgressColor(BarItem(kColor1Item), CodeToColor(BarItem(kColor1Item).Description));
    BarManager.SetProgressColor(BarItem(kColor2Item), CodeToColor(BarItem(kColor2Item).Description));
}
