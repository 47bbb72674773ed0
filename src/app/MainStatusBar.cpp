#include "app/MainStatusBar.h"

#include <string>

#include "toolkit/Exception.h"

namespace {

struct TPanelDesign {
    std::string_view Name;
    TStatusPanelStyle Style;
    int Width;
    bool Percent;
    TAlignment Alignment;
};

constexpr TPanelDesign kPanels[] = {
    {kProgressPanel, TStatusPanelStyle::TextOnly, 50, true, TAlignment::LeftJustify},
    {"Panel1", TStatusPanelStyle::CapsLock, 50, false, TAlignment::Center},
    {"Panel2", TStatusPanelStyle::NumLock, 50, false, TAlignment::Center},
    {"Panel3", TStatusPanelStyle::TextOnly, 50, false, TAlignment::LeftJustify},
    {kVersionPanel, TStatusPanelStyle::TextOnly, 50, false, TAlignment::LeftJustify},
};

}  // namespace

void BuildMainStatusBar(TStatusBar& bar, const TFontSpec& windowFont, const TDesignScale& scale) {
    bar.Font = TStatusFont{windowFont, kColorWindowText};
    for (const TPanelDesign& design : kPanels) {
        TStatusPanel& panel = bar.Panels().Add();
        panel.SetName(std::string(design.Name));
        panel.SetStyle(design.Style);
        panel.SetWidth(design.Percent ? std::to_string(design.Width) + "%" : std::to_string(scale.Apply(design.Width)));
        panel.SetTextOptions(TTextOptions{design.Alignment, TVerticalAlignment::VCenter});
    }
}

TStatusPanel& NamedPanel(TStatusBar& bar, std::string_view name) {
    TStatusPanel* panel = bar.Panels().Find(name);
    if (!panel)
        throw Exception("No status panel " + std::string(name));
    return *panel;
}
