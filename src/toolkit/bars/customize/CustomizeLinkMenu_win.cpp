// The menu of a link while customising: delete it, give it a caption of its own, choose its paint style
// and whether a group begins with it.
#include "toolkit/bars/customize/CustomizeSession_win.h"
#include "toolkit/bars/view/BarWindow_win.h"
#include "toolkit/win/Handles_win.h"
#include "toolkit/win/TextPrompt_win.h"
#include "toolkit/win/Win32Error_win.h"

namespace {

enum TLinkMenuCommand : UINT {
    kDelete = 1,
    kCaption,
    kBeginGroup,
    kFirstStyle = 10,  // + the paint style's ordinal
};

struct TStyleEntry {
    TPaintStyle Style;
    const char* Text;
};

constexpr TStyleEntry kStyleEntries[] = {
    {TPaintStyle::Standard, "&Standard"},
    {TPaintStyle::Caption, "Caption &Only"},
    {TPaintStyle::CaptionInMenu, "Caption in &Menus"},
    {TPaintStyle::CaptionGlyph, "Caption &and Glyph"},
};

void Append(HMENU menu, UINT flags, UINT id, const char* text) {
    if (!AppendMenuA(menu, flags, id, text))
        ThrowLastError("AppendMenu");
}

// Paint styles are for command buttons; a caption shows on buttons and sub-menus.
TScopedMenu LinkMenu(const TBarItemLink& link) {
    TScopedMenu menu(CreatePopupMenu());
    if (!menu)
        ThrowLastError("CreatePopupMenu");
    const bool button = link.Item->Kind == TBarItemKind::Button;
    const bool captioned = button || link.Item->Kind == TBarItemKind::SubItem;
    Append(menu.Get(), MF_STRING, kDelete, "&Delete");
    Append(menu.Get(), MF_STRING | (captioned ? 0 : MF_GRAYED), kCaption, "&Caption...");
    Append(menu.Get(), MF_SEPARATOR, 0, nullptr);
    for (const TStyleEntry& entry : kStyleEntries) {
        const bool current = link.PaintStyle() == entry.Style;
        Append(menu.Get(), MF_STRING | (button ? 0 : MF_GRAYED) | (current ? MF_CHECKED : 0),
               kFirstStyle + static_cast<UINT>(entry.Style), entry.Text);
    }
    Append(menu.Get(), MF_SEPARATOR, 0, nullptr);
    Append(menu.Get(), MF_STRING | (link.BeginGroup ? MF_CHECKED : 0), kBeginGroup, "Begin a &Group");
    return menu;
}

}  // namespace

void TCustomizeSession::ShowLinkMenu(TBarWindow& bar, TLinkId link, POINT screen) {
    const TBarItemLink* found = context_.Manager->FindLink(link);
    if (!found || !found->Item)
        return;
    const TScopedMenu menu = LinkMenu(*found);
    const UINT picked = static_cast<UINT>(
        TrackPopupMenuEx(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, bar.Handle(), nullptr));
    TBarManager& manager = *context_.Manager;
    switch (picked) {
        case 0:
            return;
        case kDelete:
            DropLink(manager, link, std::nullopt);
            return;
        case kBeginGroup:
            SetLinkBeginGroup(manager, link, !found->BeginGroup);
            return;
        case kCaption: {
            const TTextPrompt prompt{"Caption", "Caption of the link:", context_.FontHandle,
                                     context_.Measure->Metrics(context_.Font)};
            std::string caption = found->Caption();
            if (PromptForText(GetAncestor(bar.Handle(), GA_ROOT), prompt, caption))
                SetLinkUserCaption(manager, link, caption);
            return;
        }
        default:
            SetLinkPaintStyle(manager, link, static_cast<TPaintStyle>(picked - kFirstStyle));
    }
}
