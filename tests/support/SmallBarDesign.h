#ifndef PLUX_TESTS_SUPPORT_SMALLBARDESIGN_H
#define PLUX_TESTS_SUPPORT_SMALLBARDESIGN_H

#include "toolkit/bars/model/BarModel.h"

// A small window's bars for the tests of the layers below the app, shaped like a real window's:
//   Bar0 "Tools"    (row 1 at 0,23; floats at 276,216 in 23 x 22): btnOpen; | cbxZoom; | btnSave;
//                   btnPrint; | btnQuit with its own standard paint style
//   Bar1 "Menu"     the main menu bar, alone on row 0 across the whole row: mnuFile
//   Bar2 "Colours"  (row 1 at 403,23; floats at 276,216 in 40 x 16): barRed; | barBlue
// The sub-menu mnuFile holds btnOpen, btnSave, btnPrint, | btnQuit. The style keeps recent items.
inline void BuildSmallBars(TBarManager& manager) {
    TBarManager::TUpdate update(manager);
    manager.Categories = {"Default", "File", "Menus", "Colours"};
    const auto add = [&](const char* name, TBarItemKind kind, const char* category, const char* caption) {
        TBarItemProperties item;
        item.Name = name;
        item.Kind = kind;
        item.Category = category;
        item.Caption = caption;
        item.GlyphIndex = kind == TBarItemKind::Button ? 0 : -1;
        return &manager.AddItem(item);
    };
    const TBarItem* open = add("btnOpen", TBarItemKind::Button, "File", "&Open");
    const TBarItem* save = add("btnSave", TBarItemKind::Button, "File", "&Save");
    const TBarItem* print = add("btnPrint", TBarItemKind::Button, "File", "&Print");
    const TBarItem* quit = add("btnQuit", TBarItemKind::Button, "File", "&Quit");
    const TBarItem* file = add("mnuFile", TBarItemKind::SubItem, "Menus", "&File");
    const TBarItem* zoom = add("cbxZoom", TBarItemKind::Combo, "Default", "Zoom");
    const TBarItem* red = add("barRed", TBarItemKind::Progress, "Colours", "&Red");
    const TBarItem* blue = add("barBlue", TBarItemKind::Progress, "Colours", "&Blue");

    TLinkSettings group;
    group.BeginGroup = true;
    for (const TBarItem* entry : {open, save, print})
        manager.InsertLink(*file, SIZE_MAX, *entry);
    manager.InsertLink(*file, SIZE_MAX, *quit, group);

    const auto toolbar = [](const char* caption, int left, int floatWidth, int floatHeight) {
        TBarProperties bar;
        bar.Name = bar.Caption = caption;
        bar.Row = 1;
        bar.DockedLeft = left;
        bar.DockedTop = 23;
        bar.FloatLeft = 276;
        bar.FloatTop = 216;
        bar.FloatClientWidth = floatWidth;
        bar.FloatClientHeight = floatHeight;
        return bar;
    };
    TLinkSettings standard = group;
    standard.UserDefine = kUserDefinePaintStyle;
    manager.AddBar(toolbar("Tools", 0, 23, 22),
                   {{open, {}}, {zoom, group}, {save, group}, {print, {}}, {quit, standard}});
    TBarProperties menu;
    menu.Name = menu.Caption = "Menu";
    menu.IsMainMenu = menu.WholeRow = menu.OneOnRow = menu.MultiLine = true;
    manager.AddBar(menu, {{file, {}}});
    manager.AddBar(toolbar("Colours", 403, 40, 16), {{red, {}}, {blue, group}});
}

#endif
