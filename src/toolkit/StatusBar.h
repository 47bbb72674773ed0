#ifndef PLUX_TOOLKIT_STATUSBAR_H
#define PLUX_TOOLKIT_STATUSBAR_H

// TStatusBar: the strip of panels along the bottom of a window. This model keeps the panels with their
// names, width texts and looks, the captions of the lock panels and the part edges computed from the
// widths, and decides what has to be shown again; the platform side (StatusBar_win.h) derives from it,
// owns the native control and does what the protected hooks ask. A panel tells its bar of every change;
// an equal value changes nothing. Sizes come in through Resize, which computes the widths and applies
// the resize rules. From construction to destruction a bar is listed among the live bars
// (StatusBarList.h), so the keyboard watch reaches it.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/Accessible.h"
#include "toolkit/Color.h"
#include "toolkit/SystemColours.h"
#include "toolkit/TextMeasure.h"

enum class TStatusPanelStyle { TextOnly, CapsLock, NumLock, ScrollLock, OverWrite };
enum class TStatusPanelBevel { None, Lowered, Raised };
enum class TAlignment { LeftJustify, RightJustify, Center };
enum class TVerticalAlignment { Top, VCenter, Bottom };

// The key each lock style watches, as a virtual-key code; 0 for a text panel.
int LockKeyOf(TStatusPanelStyle style);
// The lock style a key stands for; none for any other key.
std::optional<TStatusPanelStyle> LockStyleOfKey(int virtualKey);

inline constexpr TColor kColorBtnFace = kSystemColor | 15;
inline constexpr TColor kColorWindowText = kSystemColor | 8;
inline constexpr TColor kColorBtnShadow = kSystemColor | 16;
inline constexpr TColor kColorBtnHighlight = kSystemColor | 20;

struct TStatusFont {
    TFontSpec Spec;
    TColor Color = kColorWindowText;

    bool operator==(const TStatusFont&) const = default;
};

struct TTextOptions {
    TAlignment Alignment = TAlignment::LeftJustify;
    TVerticalAlignment VerticalAlignment = TVerticalAlignment::VCenter;

    bool operator==(const TTextOptions&) const = default;
};

// The captions of the lock panels, one per lock style.
struct TStatusBarText {
    std::string CapsLock = "Caps";
    std::string NumLock = "Num";
    std::string ScrollLock = "Scroll";
    std::string Overwrite = "Overwrite";

    // Empty for a text panel.
    const std::string& Caption(TStatusPanelStyle style) const;
    bool operator==(const TStatusBarText&) const = default;
};

class TStatusBar;
class TStatusPanels;

class TStatusPanel {
public:
    TStatusPanel(const TStatusPanel&) = delete;
    TStatusPanel& operator=(const TStatusPanel&) = delete;

    std::size_t Index() const { return index_; }
    const std::string& Name() const { return name_; }
    // Raises Exception when another panel of the bar has the name; the panel keeps its old one.
    void SetName(std::string name);
    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    const std::string& Width() const { return width_; }
    // Raises Exception for a text that is neither a whole number nor one followed by "%".
    void SetWidth(std::string width);

    TStatusPanelStyle Style() const { return style_; }
    void SetStyle(TStatusPanelStyle style) { Assign(style_, style); }
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel bevel) { Assign(bevel_, bevel); }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { Assign(color_, color); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { Assign(enabled_, enabled); }
    const TStatusFont& Font() const { return font_; }
    void SetFont(TStatusFont font) { Assign(font_, std::move(font)); }
    const TTextOptions& TextOptions() const { return textOptions_; }
    void SetTextOptions(TTextOptions options) { Assign(textOptions_, options); }
    int Indent() const { return indent_; }
    void SetIndent(int indent) { Assign(indent_, indent); }

    std::function<void(TStatusPanel&)> OnClick;
    std::function<void(TStatusPanel&)> OnDblClick;
    std::function<void(TStatusPanel&)> OnTextChanged;

private:
    friend class TStatusPanels;
    friend class TStatusBar;
    TStatusPanel(TStatusBar& bar, std::size_t index, std::string name, TStatusFont font);

    template <typename T>
    void Assign(T& field, T value);

    TStatusBar& bar_;
    std::size_t index_ = 0;
    std::string name_;
    std::string text_;
    std::string width_ = "50";
    TStatusPanelStyle style_ = TStatusPanelStyle::TextOnly;
    TStatusPanelBevel bevel_ = TStatusPanelBevel::Lowered;
    TColor color_ = kColorBtnFace;
    bool enabled_ = true;
    TStatusFont font_;
    TTextOptions textOptions_;
    int indent_ = 0;
};

class TStatusPanels {
public:
    explicit TStatusPanels(TStatusBar& bar) : bar_(bar) {}
    TStatusPanels(const TStatusPanels&) = delete;
    TStatusPanels& operator=(const TStatusPanels&) = delete;

    // A new last panel in the bar's font, named "Panel" and the smallest number from 0 no other panel
    // has.
    TStatusPanel& Add();
    std::size_t Count() const { return items_.size(); }
    TStatusPanel& operator[](std::size_t index) const { return *items_.at(index); }
    // The panel whose name equals `name` exactly; nullptr when none has it.
    TStatusPanel* Find(std::string_view name) const;

private:
    TStatusBar& bar_;
    std::vector<std::unique_ptr<TStatusPanel>> items_;
};

// What a panel shows: its text, drawn enabled or engraved.
struct TPanelContent {
    std::string Text;
    bool Enabled = true;
};

// How a panel paints what it shows: its fill and text colours, and whether the text is engraved (a copy
// in kColorBtnHighlight one pixel right and down under the text). Under high contrast the system's
// colours, and disabled text plain in the gray-text colour, whatever the panel's own colours say.
struct TPanelColours {
    TColor Fill = kColorBtnFace;
    TColor Text = kColorWindowText;
    bool Engraved = false;

    bool operator==(const TPanelColours&) const = default;
};

TPanelColours PanelColours(const TStatusPanel& panel,
                           const TPanelContent& content,
                           bool highContrast,
                           const TSystemColours& system);

class TStatusBar {
public:
    TStatusBar();
    virtual ~TStatusBar();
    TStatusBar(const TStatusBar&) = delete;
    TStatusBar& operator=(const TStatusBar&) = delete;

    // Settings taken when the control is made; new panels take the font.
    bool SizeGrip = true;
    TColor Color = kColorBtnFace;
    TStatusFont Font;

    TStatusPanels& Panels() { return panels_; }
    const TStatusPanels& Panels() const { return panels_; }
    const TStatusBarText& StatusBarText() const { return statusBarText_; }
    void SetStatusBarText(TStatusBarText text);

    // The bar's new size: the widths are computed, the parts set where the rules say, and every panel
    // shown again. Nothing happens while the width is 0.
    void Resize(int width, int height);
    int Width() const { return width_; }
    // The right edges the native control has, empty before the first computation.
    const std::vector<int>& Edges() const { return edges_; }
    TStatusPanel* PanelAt(int x) const;

    // A lock panel shows its caption, enabled while its key is toggled on; a text panel its own text.
    TPanelContent Content(const TStatusPanel& panel, bool lockOn) const;
    // For assistive programs: the bar, and a panel as static text named by what it shows; a lock panel
    // also says whether its key is on (its value "on" or "off", and checked while on).
    TAccessibleNode DescribeBar() const;
    TAccessibleNode DescribePanel(const TStatusPanel& panel, bool lockOn) const;

    // Mouse input at `x`: a click fires the panel's OnClick; a double click fires its OnDblClick and
    // then toggles the lock of a lock panel.
    void Click(int x);
    void DblClick(int x);

    // The keyboard watch saw the key of `style` go down or up.
    void RepaintPanelsOfStyle(TStatusPanelStyle style);

protected:
    // The platform's part; the model alone shows nothing.
    virtual void SetParts(const std::vector<int>&) {}
    virtual void InvalidateStrip(int, int) {}
    // Draws a panel again at once.
    virtual void RepaintPanel(const TStatusPanel&) {}
    // A panel's text or look changed.
    virtual void PanelChanged(const TStatusPanel& panel) { RepaintPanel(panel); }
    virtual void RepaintBar() {}
    virtual void ToggleLock(TStatusPanelStyle) {}

private:
    friend class TStatusPanel;
    friend class TStatusPanels;

    // Panels added or a width text changed: the widths are computed again when the size is known.
    void LayoutChanged();
    bool ComputeWidths();
    bool HasPercentPanel() const;

    TStatusPanels panels_{*this};
    TStatusBarText statusBarText_;
    bool computed_ = false;
    int width_ = 0;
    int height_ = 0;
    std::vector<int> edges_;
};

template <typename T>
void TStatusPanel::Assign(T& field, T value) {
    if (field == value)
        return;
    field = std::move(value);
    bar_.PanelChanged(*this);
}

#endif
