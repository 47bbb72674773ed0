#include "app/MainBars.h"

#include <initializer_list>
#include <iterator>

#include "app/Actions.h"

namespace {

constexpr int kComboBoxWidth = 150;
constexpr int kComboDropDownCount = 8;
constexpr int kSwatchWidth = 100;

// The item of a command row, with the design's settings of its kind.
TBarItem CommandItem(const TCommand& command, const TDesignScale& scale) {
    TBarItem item;
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

TItemLinks Links(const TBarManager& manager, std::initializer_list<TLinkDesign> designs) {
    TItemLinks links;
    for (const TLinkDesign& design : designs) {
        TBarItemLink link;
        link.Item = manager.FindItem(design.ItemName);
        link.BeginGroup = design.BeginGroup;
        links.push_back(link);
    }
    return links;
}

TBar Toolbar(std::string_view caption,
             int left,
             int floatClientWidth,
             int floatClientHeight,
             const TDesignScale& scale) {
    TBar bar;
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

TBar MainMenu() {
    TBar bar;
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

    manager.FindItem(kFileMenuItem)->SubLinks =
        Links(manager, {{kDoCheckItem}, {kSaveResultItem}, {kPrintItem}, {kFileExitItem, true}});

    // The order of the bars is the order the layout file numbers them in.
    TBar& fileBar = manager.AddBar(Toolbar(kFileBar, 0, 23, 22, scale));
    fileBar.Links = Links(
        manager,
        {{kDoCheckItem}, {kCompareFilesItem, true}, {kSaveResultItem, true}, {kPrintItem}, {kFileExitItem, true}});
    // Exit keeps the standard paint style on this bar whatever the item says.
    fileBar.Links.back().UserDefine = kUserDefinePaintStyle;
    fileBar.Links.back().UserPaintStyle = TPaintStyle::Standard;

    TBar& menuBar = manager.AddBar(MainMenu());
    menuBar.Links = Links(manager, {{kFileMenuItem}});

    TBar& coloursBar = manager.AddBar(Toolbar(kColoursBar, 403, 40, 16, scale));
    coloursBar.Links = Links(manager, {{kColor1Item}, {kColor2Item, true}});
}
