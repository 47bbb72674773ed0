#ifndef PLUX_TOOLKIT_BARS_BARMODEL_H
#define PLUX_TOOLKIT_BARS_BARMODEL_H

// The bar manager's model: its options, the items (buttons, sub-menus, combos, progress swatches), the
// bars with their dock and float positions, and the item links that put items on bars and in sub-menus.
// The model owns the items and bars; a link points at an item of the same manager. The model holds
// every value the layout file stores, so a layout can be applied to it and read back without a view.
// Views register as listeners and are told after each change, once per outermost update.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

enum class TBarManagerStyle { Standard, Enhanced, Flat, Office };
enum class TMenuAnimations { None, Random, Unfold, Slide, Fade };
enum class TDockingStyle { None, Left, Top, Right, Bottom };
enum class TPaintStyle { Standard, Caption, CaptionInMenu, CaptionGlyph };
enum class TBarItemKind { Button, SubItem, Combo, Progress };

// The bits of a link's own overrides, as the layout file stores them.
enum TUserDefine : int {
    kUserDefineCaption = 1,
    kUserDefineGlyph = 2,
    kUserDefinePaintStyle = 4,
    kUserDefineWidth = 8,
};

// A shortcut as key code plus modifier flags (Ctrl+E is 16453).
struct TShortCut {
    static constexpr int kShift = 0x2000;
    static constexpr int kCtrl = 0x4000;
    static constexpr int kAlt = 0x8000;
    int Code = 0;  // 0: none

    bool Empty() const { return Code == 0; }
    int Key() const { return Code & 0xFF; }
    bool operator==(const TShortCut&) const = default;
};

// "Ctrl+E", "Shift+F10": the modifier names, then the key's name.
std::string ShortCutText(TShortCut shortCut);
// The character after the "&" of a caption ("&&" stands for "&" itself); 0 when there is none.
char AccessKey(std::string_view caption);
// A caption as shown: the "&" marks dropped, "&&" shown as "&".
std::string DisplayedCaption(std::string_view caption);
// Access keys match without regard to the case of ASCII letters.
bool SameAccessKey(char a, char b);
// The part of a hint before its first "|".
std::string ShortHint(std::string_view hint);

// "The colour value 0x20000000": paint in the style's default bar colour.
inline constexpr std::uint32_t kDefaultBarColor = 0x20000000;

struct TBarItem;

struct TBarItemLink {
    TBarItem* Item = nullptr;
    bool BeginGroup = false;
    int UserDefine = 0;  // TUserDefine bits
    std::string UserCaption;
    TPaintStyle UserPaintStyle = TPaintStyle::Standard;
    int UserWidth = 100;
    bool Visible = true;
    int UseCount = 0;
    int RecentIndex = -1;  // position in the list's recently-used order, -1 when not in it

    bool Shown() const;
    std::string Caption() const;  // the link's own caption when it has one, else the item's
    TPaintStyle PaintStyle() const;
};

using TItemLinks = std::vector<TBarItemLink>;

// True when a group separator shows before link `index`: its own flag (unless it is the first shown
// link), or the flag of a hidden link between the previous shown link and it. For a hidden link: its flag.
bool ShowsSeparatorBefore(const TItemLinks& links, std::size_t index);

struct TComboProperties {
    int BoxWidth = 100;
    int DropDownCount = 8;
    bool ReadOnly = false;
    std::vector<std::string> Entries;
    int ItemIndex = -1;
    std::string Text;
};

struct TProgressProperties {
    int Width = 100;
    bool RaisedBorder = false;
    bool Clickable = false;
    int Min = 0;
    int Max = 100;
    int Position = 0;
    bool Smooth = false;
    std::uint32_t Color = kDefaultBarColor;

    // Filled pixels of a bar `length` pixels long.
    int FilledLength(int length) const;
};

struct TBarItem {
    std::string Name;
    TBarItemKind Kind = TBarItemKind::Button;
    std::string Category;
    std::string Caption;
    std::string Hint;
    std::string Description;
    TShortCut ShortCut;
    int GlyphIndex = -1;
    int CommandId = 0;  // what the view reports when the item is clicked; 0: nothing
    bool Visible = true;
    bool Enabled = true;
    TPaintStyle PaintStyle = TPaintStyle::Standard;
    TComboProperties Combo;
    TProgressProperties Progress;
    TItemLinks SubLinks;  // a sub-menu's entries
};

// Tool tip of an item: the short hint, with " (shortcut)" when the manager shows shortcuts in hints and
// the item has one; empty (no tip) when the hint is empty.
std::string ToolTipText(const TBarItem& item, bool showShortCutInHint);

struct TBar {
    std::string Name;
    std::string Caption;
    bool IsMainMenu = false;
    bool WholeRow = false;
    bool MultiLine = false;
    std::string DockedDockControl;
    TDockingStyle DockedDockingStyle = TDockingStyle::Top;
    int DockedLeft = 0;
    int DockedTop = 0;
    bool OneOnRow = false;
    int Row = 0;
    int FloatLeft = 0;
    int FloatTop = 0;
    int FloatClientWidth = 0;
    int FloatClientHeight = 0;
    std::string DockControl;
    TDockingStyle DockingStyle = TDockingStyle::Top;
    bool Visible = true;
    TItemLinks Links;

    bool Docked() const { return DockingStyle != TDockingStyle::None; }
};

class TBarManagerListener {
public:
    virtual ~TBarManagerListener() = default;
    virtual void BarsChanged() = 0;
};

class TBarManager {
public:
    TBarManager() = default;
    TBarManager(const TBarManager&) = delete;
    TBarManager& operator=(const TBarManager&) = delete;

    TBarManagerStyle Style = TBarManagerStyle::Office;
    bool MenusShowRecentItemsFirst = true;
    bool ShowFullMenusAfterDelay = true;
    bool LargeIcons = false;
    TMenuAnimations MenuAnimations = TMenuAnimations::None;
    bool ShowHint = true;
    bool ShowShortCutInHint = true;
    bool ShowHintForDisabledItems = true;
    bool AllowCustomizing = true;
    std::vector<std::string> Categories;

    TBarManagerStyle EffectiveStyle() const { return Style; }

    TBarItem& AddItem(TBarItem item);
    TBar& AddBar(TBar bar);
    // The first item whose name matches without regard to case; nullptr when none does.
    TBarItem* FindItem(std::string_view name) const;
    TBarItem* FindItemByCommand(int commandId) const;

    const std::vector<std::unique_ptr<TBarItem>>& Items() const { return items_; }
    const std::vector<std::unique_ptr<TBar>>& Bars() const { return bars_; }
    TBar& Bar(std::size_t index) { return *bars_.at(index); }

    void SetBarVisible(TBar& bar, bool visible);
    void SetProgressColor(TBarItem& item, std::uint32_t color);

    // Listeners are told after every change made through the manager, and after Changed().
    void AddListener(TBarManagerListener& listener);
    void RemoveListener(TBarManagerListener& listener);
    void Changed();

    // While an update is open, changes are collected and told once when the outermost one ends.
    // Listeners must not throw: they are told from a destructor.
    class TUpdate {
    public:
        explicit TUpdate(TBarManager& manager) : manager_(manager) { ++manager_.updateDepth_; }
        ~TUpdate();
        TUpdate(const TUpdate&) = delete;
        TUpdate& operator=(const TUpdate&) = delete;

    private:
        TBarManager& manager_;
    };

private:
    std::vector<std::unique_ptr<TBarItem>> items_;
    std::vector<std::unique_ptr<TBar>> bars_;
    std::vector<TBarManagerListener*> listeners_;
    int updateDepth_ = 0;
    bool changePending_ = false;
};

#endif
