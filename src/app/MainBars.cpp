#include "app/MainBars.h"

#include <initializer_list>

#include "app/Actions.h"
#include "check/BandColours.h"

namespace {

constexpr int kComboBoxWidth = 150;
constexpr int kComboDropDownCount = 8;
constexpr int kSwatchWidth = 100;

TBarItem ActionButton(std::string_view name, TCommandId id) {
    const TAction& action = FindAction(id);
    TBarItem item;
    item.Name = name;
    item.Category = "File";
    item.Caption = action.Caption;
    item.Hint = action.Hint;
    item.ShortCut = action.ShortCut;
    item.GlyphIndex = action.GlyphIndex;
    item.CommandId = static_cast<int>(id);
    return item;
}

TBarItem FileMenu() {
    TBarItem item;
    item.Name = "File1";
    item.Kind = TBarItemKind::SubItem;
    item.Category = "Menus";
    item.Caption = "&File";
    return item;
}

TBarItem CompareFilesCombo(const TDesignScale& scale) {
    TBarItem item;
    item.Name = kCompareFilesItem;
    item.Kind = TBarItemKind::Combo;
    item.Category = "Default";
    item.Caption = "Compare report with";
    item.Hint = "Select a file to compare to";
    item.Combo.BoxWidth = scale.Apply(kComboBoxWidth);
    item.Combo.DropDownCount = kComboDropDownCount;
    return item;
}

TBarItem Swatch(std::string_view name,
                std::string_view caption,
                std::string_view hint,
                std::string_view code,
                TCommandId id,
                const TDesignScale& scale) {
    TBarItem item;
    item.Name = name;
    item.Kind = TBarItemKind::Progress;
    item.Category = "Colours";
    item.Caption = caption;
    item.Hint = hint;
    item.Description = code;
    item.CommandId = static_cast<int>(id);
    item.Progress.Width = scale.Apply(kSwatchWidth);
    item.Progress.RaisedBorder = true;
    item.Progress.Clickable = true;
    item.Progress.Position = 100;
    item.Progress.Smooth = true;
    return item;
}

struct TLinkDesign {
    std::string_view ItemName;
    bool BeginGroup = false;
};

std::vector<TDesignLink> Links(const TBarManager& manager, std::initializer_list<TLinkDesign> designs) {
    std::vector<TDesignLink> links;
    for (const TLinkDesign& design : designs) {
        TDesignLink link;
        link.Item = manager.FindItem(design.ItemName);
        link.Settings.BeginGroup = design.BeginGroup;
        links.push_back(link);
    }
    return links;
}

TBarProperties Toolbar(std::string_view caption,
                       int left,
                       int floatClientWidth,
                       int floatClientHeight,
                       const TDesignScale& scale) {
    TBarProperties bar;
    bar.Name = caption;
    bar.Caption = caption;
    bar.Row = 1;
    bar.DockedLeft = scale.Apply(left);
    bar.DockedTop = scale.Apply(23);
    bar.FloatLeft = scale.Apply(276);
    bar.FloatTop = scale.Apply(216);
    bar.FloatClientWidth = scale.Apply(floatClientWidth);
    bar.FloatClientHeight = scale.Apply(floatClientHeight);
    return bar;
}

TBarProperties MainMenu() {
    TBarProperties bar;
    bar.Name = "MainMenu";
    bar.Caption = "Main Menu";
    bar.IsMainMenu = true;
    bar.WholeRow = true;
    bar.OneOnRow = true;
    bar.MultiLine = true;
    return bar;
}

}  // namespace

void BuildMainBars(TBarManager& manager, const TDesignScale& scale) {
    TBarManager::TUpdate update(manager);
    manager.Style = TBarManagerStyle::Office;
    manager.Categories = {"Default", "File", "Menus", "Colours"};

    manager.AddItem(ActionButton("btnDoCheck", TCommandId::DoCheck));
    manager.AddItem(ActionButton("btnSaveResult", TCommandId::SaveResult));
    manager.AddItem(ActionButton("btnPrint", TCommandId::Print));
    manager.AddItem(ActionButton("btnFileExit", TCommandId::FileExit));
    TBarItem& fileMenu = manager.AddItem(FileMenu());
    manager.AddItem(CompareFilesCombo(scale));
    manager.AddItem(Swatch(kColor1Item, "Color &1", "Color 1", kDesignColor1Code, TCommandId::PickColor1, scale));
    manager.AddItem(Swatch(kColor2Item, "Color &2", "Color 2", kDesignColor2Code, TCommandId::PickColor2, scale));

    for (const TDesignLink& link :
         Links(manager, {{"btnDoCheck"}, {"btnSaveResult"}, {"btnPrint"}, {"btnFileExit", true}}))
        manager.InsertLink(fileMenu, fileMenu.SubLinks.size(), *link.Item, link.Settings);

    // The order of the bars is the order the layout file numbers them in.
    auto fileLinks = Links(
        manager,
        {{"btnDoCheck"}, {kCompareFilesItem, true}, {"btnSaveResult", true}, {"btnPrint"}, {"btnFileExit", true}});
    // Exit keeps the standard paint style on this bar whatever the item says.
    fileLinks.back().Settings.UserDefine = kUserDefinePaintStyle;
    fileLinks.back().Settings.UserPaintStyle = TPaintStyle::Standard;
    manager.AddBar(Toolbar("File", 0, 23, 22, scale), fileLinks);
    manager.AddBar(MainMenu(), Links(manager, {{"File1"}}));
    manager.AddBar(Toolbar("Colours", 403, 40, 16, scale), Links(manager, {{kColor1Item}, {kColor2Item, true}}));
}
