#ifndef PLUX_TOOLKIT_BARS_MODEL_BARMODEL_H
#define PLUX_TOOLKIT_BARS_MODEL_BARMODEL_H

// The bar engine lives in three rooms, each including only the rooms before it:
//   model/      this header and its neighbours, portable and tested natively: the items, bars and links
//               with TBarManager, the row and dock geometry, where a dragged bar lands, the floating
//               frame, personalised menus, the menu keys, the options the layout file keeps and the
//               customisation's decisions;
//   view/       the Win32 windows that show one manager (BarViews_win.h): docks, bar windows, floating
//               windows, drag, menus, painting and glyphs;
//   customize/  the customisation dialog and its session (CustomizeDialog_win.h), which takes the bar
//               windows' input through the view's input hook while it runs.
//
// The manager's model: its options, the items (buttons, sub-menus, combos, progress swatches), the
// bars with their dock and float places, and the item links that put items on bars and in sub-menus.
//
// The manager owns every item, bar and link, and it alone changes them: others read them through const
// references and change them through the manager's operations (ChangeItem for an item's properties),
// which keep the invariants below and then tell the listeners (the views), once per outermost TUpdate.
//
// Bars and links carry ids that are given once and never reused: a view holds ids, not positions or
// pointers, so it finds its bar or link again after any reordering, or learns that it is gone. A link
// points at its item; deleting the item detaches the link (its Item becomes null), which stays in its
// list, counted, and shows nowhere.
//
// Invariants: a link's item is null or an item of this manager; a list's recently-used order holds
// links of that list, each once; a docked bar docks to the side it is on (DockedDockingStyle equals
// DockingStyle); float sizes are not negative.

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

    constexpr bool Empty() const { return Code == 0; }
    constexpr int Key() const { return Code & 0xFF; }
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

enum class TBarId : unsigned {};
enum class TLinkId : unsigned {};

struct TBarItem;

// What the user may set on one link: the values the layout file stores for it.
struct TLinkSettings {
    bool BeginGroup = false;
    int UserDefine = 0;  // TUserDefine bits
    std::string UserCaption;
    TPaintStyle UserPaintStyle = TPaintStyle::Standard;
    int UserWidth = 100;
    bool Visible = true;
    int UseCount = 0;

    bool operator==(const TLinkSettings&) const = default;
};

struct TBarItemLink : TLinkSettings {
    TLinkId Id{};
    const TBarItem* Item = nullptr;  // null once the item is deleted; changed through the manager

    bool Shown() const;
    std::string Caption() const;  // the link's own caption when it has one, else the item's
    TPaintStyle PaintStyle() const;
    // The link's own width when it has one, else the item's (the box of a combo, a swatch).
    int Width() const;
};

// The ordered links of a bar or a sub-menu, with the list's recently-used order.
class TItemLinks {
public:
    std::size_t size() const { return links_.size(); }
    bool empty() const { return links_.empty(); }
    const TBarItemLink& operator[](std::size_t index) const { return links_[index]; }
    std::vector<TBarItemLink>::const_iterator begin() const { return links_.begin(); }
    std::vector<TBarItemLink>::const_iterator end() const { return links_.end(); }

    // The index of the link, or size() when it is not in this list.
    std::size_t IndexOf(TLinkId id) const;
    // The link's position in the recently-used order, -1 when it is not in it.
    int RecentIndex(TLinkId id) const;

private:
    friend class TBarManager;
    std::vector<TBarItemLink> links_;
    std::vector<TLinkId> recent_;
};

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

    // The entry `index` chosen from the list: its text is the box's text; an index no entry has chooses
    // none and leaves the text empty.
    void Choose(int index);
    // A text typed into the box: no entry is chosen.
    void Type(std::string text);
    bool operator==(const TComboProperties&) const = default;
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
    bool operator==(const TProgressProperties&) const = default;
};

// What an item is and shows; the manager changes it (ChangeItem) and tells every view.
struct TBarItemProperties {
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

    bool operator==(const TBarItemProperties&) const = default;
};

struct TBarItem : TBarItemProperties {
    TItemLinks SubLinks;  // a sub-menu's entries
};

// Tool tip of an item: the short hint, with " (shortcut)" when the manager shows shortcuts in hints and
// the item has one; empty (no tip) when the hint is empty.
std::string ToolTipText(const TBarItemProperties& item, bool showShortCutInHint);

// Where a bar is and whether it shows. Docked, it sits in row `Row` of the side DockingStyle; rows are
// ordered by number, empty numbers take no room. Along its row it keeps DockedLeft (a horizontal dock)
// or DockedTop (a vertical one); the other of the two records where its row was when it was put there.
// Floating (DockingStyle None), FloatLeft and FloatTop place its window on the screen and the float
// client size is the room for its items; DockedDockingStyle is then the side it docks back to.
struct TBarPlace {
    TDockingStyle DockedDockingStyle = TDockingStyle::Top;
    int DockedLeft = 0;
    int DockedTop = 0;
    bool OneOnRow = false;
    int Row = 0;
    int FloatLeft = 0;
    int FloatTop = 0;
    int FloatClientWidth = 0;
    int FloatClientHeight = 0;
    TDockingStyle DockingStyle = TDockingStyle::Top;
    bool Visible = true;

    bool Docked() const { return DockingStyle != TDockingStyle::None; }
    bool operator==(const TBarPlace&) const = default;
};

struct TBarProperties : TBarPlace {
    std::string Name;
    std::string Caption;
    bool IsMainMenu = false;
    bool WholeRow = false;
    bool MultiLine = false;
};

struct TBar : TBarProperties {
    TBarId Id{};
    TItemLinks Links;
};

// A link as a bar's design has it; resetting the bar brings these back.
struct TDesignLink {
    const TBarItem* Item = nullptr;
    TLinkSettings Settings;
};

// Where a dropped bar docks: a row of a side, or a new row inserted before the bars of row `Row` and
// after, and its place in the dock.
struct TDockPosition {
    TDockingStyle Side = TDockingStyle::Top;
    int Row = 0;
    bool NewRow = false;
    int Left = 0;
    int Top = 0;
};

struct TBarManagerOptions {
    bool MenusShowRecentItemsFirst = true;
    bool ShowFullMenusAfterDelay = true;
    bool LargeIcons = false;
    TMenuAnimations MenuAnimations = TMenuAnimations::None;
    bool ShowHint = true;
    bool ShowShortCutInHint = true;

    bool operator==(const TBarManagerOptions&) const = default;
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

    // Design settings, fixed before the views exist.
    TBarManagerStyle Style = TBarManagerStyle::Office;
    bool ShowHintForDisabledItems = true;
    bool AllowCustomizing = true;
    std::vector<std::string> Categories;

    // Every style but the standard one keeps recent items: personalised menus, their options and the
    // usage of the links.
    bool KeepsRecentItems() const { return Style != TBarManagerStyle::Standard; }
    const TBarManagerOptions& Options() const { return options_; }
    void SetOptions(const TBarManagerOptions& options);

    const TBarItem& AddItem(TBarItemProperties item);
    // Removes the item and detaches every link to it, the designs of the bars included.
    void DeleteItem(const TBarItem& item);
    // The first item whose name matches without regard to case; nullptr when none does.
    const TBarItem* FindItem(std::string_view name) const;
    const std::vector<std::unique_ptr<TBarItem>>& Items() const { return items_; }
    // The one way to change an item: its properties become `properties`, and every view is told when
    // anything changed. ChangeItem hands a copy of the properties to `change` and sets the result.
    void SetItem(const TBarItem& item, const TBarItemProperties& properties);
    template <typename Change>
    void ChangeItem(const TBarItem& item, Change change) {
        TBarItemProperties properties = item;
        change(properties);
        SetItem(item, properties);
    }

    // Bars, in the order the layout file numbers them. The links given to AddBar are the bar's design.
    const TBar& AddBar(TBarProperties properties, const std::vector<TDesignLink>& links = {});
    void DeleteBar(TBarId id);
    void RenameBar(TBarId id, std::string caption);
    // Caption and links as designed; the bar stays where it is.
    void ResetBar(TBarId id);
    // False for a bar added without links (made by the user, or appended by a load): it has no design to
    // go back to.
    bool HasDesign(TBarId id) const;
    // Docks the bar at `position` and shows it; a new row moves the rows from Row on one further.
    void DockBar(TBarId id, const TDockPosition& position);
    // Floats the bar with its window at left, top and room for its items, and shows it.
    void FloatBar(TBarId id, int left, int top, int clientWidth, int clientHeight);
    // Docks a floating bar where it was docked last, and shows it.
    void DockBack(TBarId id);
    void SetBarVisible(TBarId id, bool visible);
    void SetBarPlace(TBarId id, const TBarPlace& place);
    std::size_t BarCount() const { return bars_.size(); }
    const TBar& Bar(std::size_t index) const { return *bars_.at(index).Bar; }
    const TBar* FindBar(TBarId id) const;

    // Links of a bar or of a sub-menu; an index past the end appends.
    TLinkId InsertLink(TBarId bar, std::size_t index, const TBarItem& item, const TLinkSettings& settings = {});
    TLinkId InsertLink(const TBarItem& subMenu,
                       std::size_t index,
                       const TBarItem& item,
                       const TLinkSettings& settings = {});
    void ClearLinks(TBarId bar);
    void ClearLinks(const TBarItem& subMenu);
    void RemoveLink(TLinkId id);
    // Moves the link to `index` within its list.
    void MoveLink(TLinkId id, std::size_t index);
    void SetLinkSettings(TLinkId id, const TLinkSettings& settings);
    // Puts the link at `index` of its list's recently-used order (at its end when shorter), or takes
    // it out of the order for -1.
    void SetLinkRecentIndex(TLinkId id, int index);
    const TBarItemLink* FindLink(TLinkId id) const;

    // Listeners are told after every change made through the manager.
    void AddListener(TBarManagerListener& listener);
    void RemoveListener(TBarManagerListener& listener);

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
    struct TBarRecord {
        std::unique_ptr<TBar> Bar;
        std::string DesignCaption;
        std::vector<TDesignLink> DesignLinks;
    };
    struct TLinkSlot {
        TItemLinks* List = nullptr;
        std::size_t Index = 0;
    };

    TBarRecord& RecordOf(TBarId id);
    TBar& BarOf(TBarId id);
    // The item itself when the manager holds it; raises std::invalid_argument when not.
    TBarItem& OwnedItem(const TBarItem& item) const;
    TItemLinks& SubLinksOf(const TBarItem& subMenu);
    TLinkSlot FindSlot(TLinkId id) const;
    TLinkSlot SlotOf(TLinkId id) const;
    TLinkId Insert(TItemLinks& list, std::size_t index, const TBarItem& item, const TLinkSettings& settings);
    void Changed();
    static void Clear(TItemLinks& list);
    template <typename Visit>
    void ForEachList(Visit visit) const;

    TBarManagerOptions options_;
    std::vector<std::unique_ptr<TBarItem>> items_;
    std::vector<TBarRecord> bars_;
    std::vector<TBarManagerListener*> listeners_;
    unsigned lastId_ = 0;
    int updateDepth_ = 0;
    bool changePending_ = false;
};

#endif
