#include "app/MainBars.h"

#include <initializer_list>
#include <iterator>

#include "app/Actions.h"

namespace {

constexpr int kComboBoxWidth = 150;
constexpr int kComboDropDownCount = 8;
constexpr int kSwatchWidth = 100;

// The item of a command row, with the design's settings of its kind.
TBarItemProperties CommandItem(const TCommand& command, const TDesignScale& scale) {
    TBarItemProperties item;
    item.Name = command.ItemName;
    item.Kind = command.Kind;
    item.Category = command.Category;
    item.Caption = command.Caption;
    item.Hint = command.Hint;
    item.Description = command.Description;
    item.ShortCut = command.ShortCut;
    item.GlyphIndex = command.GlyphIndex;
    item.CommandId = command.Id;
    if (command.Kind == TBarItemKind::Combo) {
        item.Combo.BoxWidth = scale.Apply(kComboBoxWidth);
        item.Combo.DropDownCount = kComboDropDownCount;
    }
    if (command.Kind == TBarItemKind::Progress) {
        item.Progress.Width = scale.Apply(kSwatchWidth);
        item.Progress.RaisedBorder = true;
        item.Progress.Clickable = true;
        item.Progress.Position = 100;
        item.Progress.Smooth = true;
    }
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
    bar.Caption = kMainMenuBar;
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
    manager.Categories.assign(std::begin(kCategories), std::end(kCategories));
    for (const TCommand& command : kCommands)
        manager.AddItem(CommandItem(command, scale));

    const TBarItem& fileMenu = *manager.FindItem(kFileMenuItem);
    for (const TCommand& command : kCommands) {
        if (command.FileMenu == TFileMenuPlace::None)
            continue;
        TLinkSettings settings;
        settings.BeginGroup = command.FileMenu == TFileMenuPlace::GroupStart;
        manager.InsertLink(fileMenu, fileMenu.SubLinks.size(), *manager.FindItem(command.ItemName), settings);
    }

    // The order of the bars is the order the layout file numbers them in.
    auto fileLinks = Links(
        manager,
        {{kDoCheckItem}, {kCompareFilesItem, true}, {kSaveResultItem, true}, {kPrintItem}, {kFileExitItem, true}});
    // Exit keeps the standard paint style on this bar whatever the item says.
    fileLinks.back().Settings.UserDefine = kUserDefinePaintStyle;
    fileLinks.back().Settings.UserPaintStyle = TPaintStyle::Standard;
    manager.AddBar(Toolbar(kFileBar, 0, 23, 22, scale), fileLinks);
    manager.AddBar(MainMenu(), Links(manager, {{kFileMenuItem}}));
    manager.AddBar(Toolbar(kColoursBar, 403, 40, 16, scale), Links(manager, {{kColor1Item}, {kColor2Item, true}}));
}
