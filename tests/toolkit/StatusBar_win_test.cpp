#include "toolkit/StatusBar_win.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "support/TestWindow_win.h"
#include "toolkit/KeyboardWatch_win.h"
#include "toolkit/StatusBarLayout.h"
#include "toolkit/StatusBarPainter_win.h"
#include "toolkit/win/FontCache_win.h"
#include "toolkit/win/Handles_win.h"

namespace {

constexpr COLORREF kMagenta = RGB(0xFF, 0x00, 0xFF);

// A bar of five panels in a font: a text panel of half the width, Caps and Num lock panels, and two
// more text panels, all 50 pixels, the lock panels centred.
void BuildFivePanels(TStatusBar& bar, const TFontSpec& font) {
    bar.Font = TStatusFont{font, kColorWindowText};
    const TStatusPanelStyle styles[] = {TStatusPanelStyle::TextOnly, TStatusPanelStyle::CapsLock,
                                        TStatusPanelStyle::NumLock, TStatusPanelStyle::TextOnly,
                                        TStatusPanelStyle::TextOnly};
    for (int i = 0; i < 5; ++i) {
        TStatusPanel& panel = bar.Panels().Add();
        panel.SetName("Panel" + std::to_string(i));
        panel.SetStyle(styles[i]);
        panel.SetWidth(i == 0 ? "50%" : "50");
        const bool lock = styles[i] != TStatusPanelStyle::TextOnly;
        panel.SetTextOptions(
            TTextOptions{lock ? TAlignment::Center : TAlignment::LeftJustify, TVerticalAlignment::VCenter});
    }
}

// A 32-bit bitmap to paint into and read back.
class TCanvas {
public:
    TCanvas(int width, int height, COLORREF fill) : bitmap_(CreateBitmap(width, height, 1, 32, nullptr)) {
        const RECT all{0, 0, width, height};
        TScopedBrush brush(CreateSolidBrush(fill));
        FillRect(dc_.Get(), &all, brush.Get());
    }
    HDC DC() const { return dc_.Get(); }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_.Get(), x, y); }
    int Count(const RECT& area, COLORREF colour) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x)
                count += Pixel(x, y) == colour;
        }
        return count;
    }
    // The columns of `area` that hold a pixel of another colour than `background`, first and last.
    std::pair<int, int> InkColumns(const RECT& area, COLORREF background) const {
        int first = -1, last = -1;
        for (int x = area.left; x < area.right; ++x) {
            for (int y = area.top; y < area.bottom; ++y) {
                if (Pixel(x, y) != background) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
            }
        }
        return {first, last};
    }

private:
    TScopedDC dc_{CreateCompatibleDC(nullptr)};
    TScopedBitmap bitmap_;
    TSelectObject keepBitmap_{dc_.Get(), bitmap_.Get()};
};

HWND CreateParent(DWORD style) {
    return CreateTestWindow(style, 696, 480);
}

// A bar of five panels, 688 by 20 pixels, on a sizeable parent that shows, as the platform draws it
// (with its theme, when it has one) and in the classic look.
class StatusBarWindowTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        parent = CreateParent(WS_OVERLAPPEDWINDOW);
        ASSERT_NE(parent, nullptr) << "needs an X display";
        ShowWindow(parent, SW_SHOWNOACTIVATE);
        BuildFivePanels(bar, TFontSpec{"MS Sans Serif", -11});
        bar.Create(parent);
        if (Classic()) {
            SetWindowTheme(bar.Handle(), L" ", L" ");
            ASSERT_FALSE(bar.Themed());
        }
        Resize(688);
    }
    static bool Classic() { return GetParam(); }
    void TearDown() override {
        if (parent)
            DestroyWindow(parent);
    }
    void Resize(int width) { MoveWindow(bar.Handle(), 0, 426, width, 20, FALSE); }
    std::vector<int> NativeEdges() const {
        int edges[256] = {};
        const auto count = SendMessageA(bar.Handle(), SB_GETPARTS, 256, reinterpret_cast<LPARAM>(edges));
        return std::vector<int>(edges, edges + count);
    }
    std::string PartText(int part) const {
        char text[256] = {};
        SendMessageA(bar.Handle(), SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text));
        return text;
    }
    int PartBorder(int part) const { return HIWORD(SendMessageA(bar.Handle(), SB_GETTEXTLENGTHA, part, 0)); }
    RECT PartRect(int part) const {
        RECT rect{};
        SendMessageA(bar.Handle(), SB_GETRECT, part, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    // The bar as its own painting draws it.
    std::unique_ptr<TCanvas> Printed() const {
        auto canvas = std::make_unique<TCanvas>(688, 20, kMagenta);
        SendMessageA(bar.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas->DC()), PRF_CLIENT);
        return canvas;
    }

    HWND parent = nullptr;
    TStatusBarWindow bar;
};

TEST_P(StatusBarWindowTest, NativeControlHoldsThePartsWithTheirTextsAndBorders) {
    EXPECT_EQ(NativeEdges(), (std::vector<int>{244, 294, 344, 394, -1}));
    EXPECT_EQ(PartText(1), "Caps");
    EXPECT_EQ(PartText(2), "Num");
    EXPECT_EQ(PartText(4), "");
    EXPECT_EQ(PartBorder(1), 0) << "lowered";

    bar.Panels()[4].SetText("Plux - 1.2.0.2");
    bar.Panels()[3].SetBevel(TStatusPanelBevel::None);
    bar.Panels()[0].SetBevel(TStatusPanelBevel::Raised);
    EXPECT_EQ(PartText(4), "Plux - 1.2.0.2");
    EXPECT_EQ(PartBorder(3), SBT_NOBORDERS);
    EXPECT_EQ(PartBorder(0), SBT_POPOUT);

    Resize(788);
    EXPECT_EQ(NativeEdges(), (std::vector<int>{294, 344, 394, 444, -1}));
    Resize(170);
    EXPECT_EQ(NativeEdges(), (std::vector<int>{0, 50, 100, 150, -1}));
}

TEST(StatusBarWindow, SizeGripOnlyOnASizeableFrame) {
    struct TCase {
        const char* name;
        DWORD parentStyle;
        bool sizeGrip;
        bool shown;
    } cases[] = {
        {"sizeable", WS_OVERLAPPEDWINDOW, true, true},
        {"fixed frame", WS_POPUP | WS_CAPTION | WS_SYSMENU, true, false},
        {"grip off", WS_OVERLAPPEDWINDOW, false, false},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        const HWND parent = CreateParent(row.parentStyle);
        ASSERT_NE(parent, nullptr);
        {
            TStatusBarWindow bar;
            bar.SizeGrip = row.sizeGrip;
            bar.Create(parent);
            EXPECT_EQ((GetWindowLongA(bar.Handle(), GWL_STYLE) & SBARS_SIZEGRIP) != 0, row.shown);
        }  // the bar goes before its parent
        DestroyWindow(parent);
    }
}

TEST_P(StatusBarWindowTest, PanelsAreDrawnOverThePartsAndClearOfTheGrip) {
    const int border = bar.Themed() ? 0 : 1;
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        RECT expected = PartRect(i);
        InflateRect(&expected, -border, -border);
        const RECT panel = bar.PanelRect(bar.Panels()[i]);
        EXPECT_TRUE(EqualRect(&expected, &panel));
    }
    const RECT last = PartRect(4);
    const RECT version = bar.PanelRect(bar.Panels()[4]);
    EXPECT_EQ(version.right, last.right - border - GripAllowance(GetSystemMetrics(SM_CXVSCROLL)));

    const auto printed = Printed();
    EXPECT_EQ(printed->Count(RECT{0, 0, 688, 20}, kMagenta), 0) << "the painting covers the bar";
    const RECT grip{version.right, version.top, last.right, version.bottom};
    const COLORREF background = printed->Pixel(grip.left, grip.top);
    EXPECT_GT(grip.right - grip.left, 0);
    EXPECT_LT(printed->Count(grip, background), (grip.right - grip.left) * (grip.bottom - grip.top) - 4)
        << "the size grip shows";
    if (!bar.Themed()) {
        const RECT caps = PartRect(1);
        EXPECT_EQ(printed->Pixel(caps.left, caps.top + 5), GetSysColor(COLOR_BTNSHADOW)) << "the border stays";
        EXPECT_EQ(printed->Pixel(caps.left + 1, caps.top + 2), GetSysColor(COLOR_BTNFACE)) << "the panel's colour";
    }
}

// Disabled text is engraved: the highlight one pixel right and down, the shadow over it.
TEST(StatusBarPainter, EnabledTextPlainDisabledTextEngraved) {
    TStatusBar model;
    TStatusPanel& panel = model.Panels().Add();
    TFontCache fonts;
    const RECT rect{5, 2, 95, 18};
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    for (bool enabled : {true, false}) {
        SCOPED_TRACE(enabled);
        TCanvas canvas(100, 20, kMagenta);
        PaintStatusPanel(canvas.DC(), rect, panel, TPanelContent{"Caps", enabled}, fonts.Get(panel.Font().Spec),
                         nullptr);
        EXPECT_EQ(canvas.Count(RECT{0, 0, 100, 20}, kMagenta), 100 * 20 - 90 * 16) << "only the panel is drawn";
        EXPECT_EQ(canvas.Count(rect, text) > 0, enabled);
        EXPECT_EQ(canvas.Count(rect, shadow) > 0, !enabled);
        EXPECT_EQ(canvas.Count(rect, highlight) > 0, !enabled);
        int shadowed = 0, lit = 0;
        for (int y = rect.top; y < rect.bottom - 1; ++y) {
            for (int x = rect.left; x < rect.right - 1; ++x) {
                if (canvas.Pixel(x, y) != shadow)
                    continue;
                ++shadowed;
                lit += canvas.Pixel(x + 1, y + 1) == highlight || canvas.Pixel(x + 1, y + 1) == shadow;
            }
        }
        EXPECT_EQ(lit, shadowed);
        EXPECT_EQ(canvas.Count(rect, face) + canvas.Count(rect, text) + canvas.Count(rect, shadow) +
                      canvas.Count(rect, highlight),
                  90 * 16)
            << "no blended pixels";
    }
}

// The text goes 2 pixels inside the panel and the indent further; it is placed by its alignment.
TEST(StatusBarPainter, TextPlacedByAlignmentAndIndent) {
    TStatusBar model;
    TStatusPanel& panel = model.Panels().Add();
    TFontCache fonts;
    const HFONT font = fonts.Get(panel.Font().Spec);
    const RECT rect{10, 0, 190, 20};
    auto ink = [&](TAlignment alignment, int indent) {
        panel.SetTextOptions(TTextOptions{alignment, TVerticalAlignment::VCenter});
        panel.SetIndent(indent);
        TCanvas canvas(200, 20, kMagenta);
        PaintStatusPanel(canvas.DC(), rect, panel, TPanelContent{"Num", true}, font, nullptr);
        return canvas.InkColumns(rect, GetSysColor(COLOR_BTNFACE));
    };
    TCanvas measuring(1, 1, kMagenta);
    SIZE text{};
    {
        TSelectObject selectFont(measuring.DC(), font);
        GetTextExtentPoint32A(measuring.DC(), "Num", 3, &text);
    }
    const int room = (rect.right - 2) - (rect.left + 2) - text.cx;
    const auto left = ink(TAlignment::LeftJustify, 0);
    EXPECT_GE(left.first, rect.left + 2);
    EXPECT_LE(left.second, rect.left + 2 + text.cx);
    EXPECT_EQ(ink(TAlignment::LeftJustify, 7).first, left.first + 7);
    EXPECT_EQ(ink(TAlignment::RightJustify, 0).first, left.first + room);
    EXPECT_NEAR(ink(TAlignment::Center, 0).first, left.first + room / 2, 1);
}

// Outside its own painting the bar draws a panel off screen and copies it in one step: the only
// thing that reaches the bar's device context is one copy of the panel's rectangle, and it holds what
// the bar's own painting draws there.
TEST_P(StatusBarWindowTest, RepaintFromOutsideIsOneCopyOfThePanel) {
    bar.Panels()[4].SetText("Plux - 1.2.0.2");
    const TStatusPanel& caps = bar.Panels()[1];
    const RECT rect = bar.PanelRect(caps);

    TScopedDC screen(CreateCompatibleDC(nullptr));
    const HDC recorder = CreateEnhMetaFileA(screen.Get(), nullptr, nullptr, nullptr);
    ASSERT_NE(recorder, nullptr);
    bar.RepaintPanelOnto(recorder, caps);
    const HENHMETAFILE recording = CloseEnhMetaFile(recorder);
    ASSERT_NE(recording, nullptr);
    std::vector<EMRBITBLT> copies;
    std::vector<DWORD> others;
    std::pair records{&copies, &others};
    EnumEnhMetaFile(
        nullptr, recording,
        [](HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) -> int {
            auto& [bitBlts, rest] = *reinterpret_cast<std::pair<std::vector<EMRBITBLT>*, std::vector<DWORD>*>*>(data);
            if (record->iType == EMR_BITBLT)
                bitBlts->push_back(*reinterpret_cast<const EMRBITBLT*>(record));
            else if (record->iType != EMR_HEADER && record->iType != EMR_EOF)
                rest->push_back(record->iType);
            return 1;
        },
        &records, nullptr);
    DeleteEnhMetaFile(recording);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(others, std::vector<DWORD>{});
    EXPECT_EQ(copies[0].xDest, rect.left);
    EXPECT_EQ(copies[0].yDest, rect.top);
    EXPECT_EQ(copies[0].cxDest, rect.right - rect.left);
    EXPECT_EQ(copies[0].cyDest, rect.bottom - rect.top);

    const auto printed = Printed();
    for (std::size_t i = 0; i < bar.Panels().Count(); ++i) {
        SCOPED_TRACE(i);
        const TStatusPanel& panel = bar.Panels()[i];
        TCanvas copy(688, 20, kMagenta);
        bar.RepaintPanelOnto(copy.DC(), panel);
        const RECT area = bar.PanelRect(panel);
        int differing = 0;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 688; ++x) {
                const POINT point{x, y};
                const COLORREF expected = PtInRect(&area, point) ? printed->Pixel(x, y) : kMagenta;
                differing += copy.Pixel(x, y) != expected;
            }
        }
        EXPECT_EQ(differing, 0);
    }
}

// Records the panels the keyboard watch repaints.
class TWatchedBar final : public TStatusBar {
public:
    std::vector<std::string> repainted;

protected:
    void RepaintPanel(const TStatusPanel& panel) override { repainted.push_back(panel.Name()); }
};

// Presses and releases a key as the user does, with `window` in the foreground, and waits until the
// thread has taken the release.
void PressKey(HWND window, WORD key) {
    SetForegroundWindow(window);
    SetFocus(window);
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(2, inputs, sizeof(INPUT)), 2u);
    const ULONGLONG end = GetTickCount64() + 5000;
    MSG message;
    while (GetTickCount64() < end) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
            if (message.message == WM_KEYUP && message.wParam == key)
                return;
        }
        Sleep(10);
    }
    ADD_FAILURE() << "the release of key " << key << " did not arrive";
}

// Insert stands for every watched key here: it toggles no lock that would outlive the test.
TEST(KeyboardWatch, KeysOfTheThreadRepaintThePanelsOfTheirStyleWhileItLives) {
    const HWND window = CreateParent(WS_OVERLAPPEDWINDOW);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOW);
    TWatchedBar before;  // made before the watch: not listed
    BuildFivePanels(before, TFontSpec{});
    auto watch = std::make_unique<TKeyboardWatch>();
    TWatchedBar bar;
    BuildFivePanels(bar, TFontSpec{});
    bar.Panels()[3].SetStyle(TStatusPanelStyle::OverWrite);
    before.repainted.clear();
    bar.repainted.clear();
    PressKey(window, VK_INSERT);
    PressKey(window, 'A');
    EXPECT_EQ(bar.repainted, (std::vector<std::string>{"Panel3", "Panel3"})) << "press and release";
    EXPECT_TRUE(before.repainted.empty());

    watch.reset();
    bar.repainted.clear();
    PressKey(window, VK_INSERT);
    EXPECT_TRUE(bar.repainted.empty()) << "the hook is gone";
    DestroyWindow(window);
}

INSTANTIATE_TEST_SUITE_P(Looks, StatusBarWindowTest, ::testing::Values(false, true), [](const auto& info) {
    return info.param ? "Classic" : "Platform";
});

}  // namespace
