#include "toolkit/html/HtmlView_win.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "support/TestWindow_win.h"
#include "toolkit/win/Handles_win.h"

namespace {

std::vector<std::string> Report(int products) {
    std::vector<std::string> lines = {"<table border=\"1\" cellspacing=\"0\" bordercolor=#000000 cellpadding=\"3\">",
                                      "<tr>", "<TH colspan=\"2\">PC1 Tue 03-02-2004 09:05</TH>", "</tr>"};
    for (int i = 0; i < products; ++i) {
        lines.push_back("<tr bgcolor=\"#dcFED6\">");
        lines.push_back("<td>Grid " + std::to_string(i) + " (Delphi 7)</td><td>4.2</td>");
        lines.push_back("</tr>");
    }
    lines.push_back("</table>");
    return lines;
}

class HtmlViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent = CreateTestWindow(WS_OVERLAPPEDWINDOW, 600, 400);
        ASSERT_NE(parent, nullptr) << "needs an X display";
        ASSERT_NE(view.Create(parent, 7), nullptr);
        Resize(300, 200);
    }
    void TearDown() override {
        if (parent)
            DestroyWindow(parent);
    }
    void Resize(int width, int height) { MoveWindow(view.Handle(), 0, 0, width, height, FALSE); }
    SIZE Client() const {
        RECT client{};
        GetClientRect(view.Handle(), &client);
        return SIZE{client.right, client.bottom};
    }
    bool HasStyle(LONG style) const { return (GetWindowLongA(view.Handle(), GWL_STYLE) & style) != 0; }
    void Key(WPARAM key) { SendMessageA(view.Handle(), WM_KEYDOWN, key, 0); }
    POINT Position() const { return view.ScrollPosition(); }

    HWND parent = nullptr;
    THtmlView view;
};

TEST_F(HtmlViewTest, StartsEmptyAndShowsLoadedLinesInArialEightPoint) {
    EXPECT_FALSE(view.HasDocument());
    EXPECT_EQ(GetDlgCtrlID(view.Handle()), 7);
    EXPECT_EQ(GetParent(view.Handle()), parent);
    EXPECT_TRUE(HasStyle(WS_CHILD | WS_VISIBLE));

    view.LoadLines(Report(3), "");
    ASSERT_TRUE(view.HasDocument());
    EXPECT_EQ(view.Document().Title, "");
    const auto& fonts = view.Layout().Draw.Fonts();
    ASSERT_FALSE(fonts.empty());
    EXPECT_EQ(fonts[0].Name, "Arial");
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(fonts[0].Height, -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
    // The table starts at the margins 10 and 5.
    EXPECT_EQ(view.Layout().Breaks.at(0).Top, 5);
}

TEST_F(HtmlViewTest, ShowsScrollBarsOnlyWhenTheDocumentDoesNotFit) {
    view.LoadLines(Report(2), "");
    EXPECT_FALSE(HasStyle(WS_VSCROLL));
    EXPECT_FALSE(HasStyle(WS_HSCROLL));

    view.LoadLines(Report(100), "");
    EXPECT_TRUE(HasStyle(WS_VSCROLL));
    EXPECT_FALSE(HasStyle(WS_HSCROLL));

    Resize(60, 200);  // narrower than the longest words
    EXPECT_TRUE(HasStyle(WS_HSCROLL));
    EXPECT_GT(view.Layout().Width, Client().cx);
}

TEST_F(HtmlViewTest, KeysAndWheelScrollByTheirSteps) {
    view.LoadLines(Report(100), "");
    Resize(60, 200);
    const int page = Client().cy - 16;
    const int bottom = view.Layout().Height - Client().cy;
    struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        POINT expected;
    } const steps[] = {
        {"down", WM_KEYDOWN, VK_DOWN, {0, 16}},
        {"page down", WM_KEYDOWN, VK_NEXT, {0, 16 + page}},
        {"up", WM_KEYDOWN, VK_UP, {0, page}},
        {"page up clamps at the top", WM_KEYDOWN, VK_PRIOR, {0, 0}},
        {"right", WM_KEYDOWN, VK_RIGHT, {15, 0}},
        {"end", WM_KEYDOWN, VK_END, {15, bottom}},
        {"left", WM_KEYDOWN, VK_LEFT, {0, bottom}},
        {"down clamps at the bottom", WM_KEYDOWN, VK_DOWN, {0, bottom}},
        {"home", WM_KEYDOWN, VK_HOME, {0, 0}},
        {"wheel towards the user", WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), {0, 48}},
        {"wheel away", WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), {0, 0}},
        {"scroll bar line", WM_VSCROLL, SB_LINEDOWN, {0, 16}},
        {"scroll bar page", WM_VSCROLL, SB_PAGEDOWN, {0, 16 + page}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        SendMessageA(view.Handle(), step.message, step.wParam, 0);
        EXPECT_EQ(Position().x, step.expected.x);
        EXPECT_EQ(Position().y, step.expected.y);
    }
}

TEST_F(HtmlViewTest, ResizeKeepsTheScrollPositionAndLoadingGoesBackToTheTop) {
    view.LoadLines(Report(100), "");
    for (int i = 0; i < 10; ++i)
        Key(VK_DOWN);
    ASSERT_EQ(Position().y, 160);
    Resize(250, 150);
    EXPECT_EQ(Position().y, 160);
    Resize(400, 300);
    EXPECT_EQ(Position().y, 160);

    view.LoadLines(Report(100), "");
    EXPECT_EQ(Position().y, 0);
    EXPECT_EQ(Position().x, 0);
}

// What the view paints, read back through WM_PRINTCLIENT: the pixels of one colour in a rectangle.
int CountPixels(HWND window, SIZE size, const RECT& area, COLORREF colour) {
    const TScopedDC dc(CreateCompatibleDC(nullptr));
    const TScopedBitmap bitmap(CreateBitmap(size.cx, size.cy, 1, 32, nullptr));
    const TSelectObject keepBitmap(dc.Get(), bitmap.Get());
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            count += GetPixel(dc.Get(), x, y) == colour;
    }
    return count;
}

TEST_F(HtmlViewTest, ShowsADragSelectionAndTheFocusFrame) {
    view.LoadLines(Report(5), "");
    const SIZE client = Client();
    const RECT all{0, 0, client.cx, client.cy};
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(CountPixels(view.Handle(), client, all, highlight), 0);

    const auto& ops = view.Layout().Draw.Ops();
    const auto product =
        std::find_if(ops.begin(), ops.end(), [](const html::TDrawOp& op) { return op.Text == "Grid 1 (Delphi 7)"; });
    ASSERT_NE(product, ops.end());
    const LPARAM start = MAKELPARAM(product->Rect.Left + 1, product->Rect.Top + 2);
    SendMessageA(view.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, start);
    SendMessageA(view.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(product->Rect.Right - 1, product->Rect.Top + 2));
    SendMessageA(view.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(product->Rect.Right - 1, product->Rect.Top + 2));
    const RECT text{product->Rect.Left, product->Rect.Top, product->Rect.Right, product->Rect.Bottom};
    EXPECT_GT(CountPixels(view.Handle(), client, text, highlight), product->Rect.Width() * 4);

    // The click gave the view the focus: a frame runs along the client edge.
    EXPECT_EQ(GetFocus(), view.Handle());
    EXPECT_EQ(CountPixels(view.Handle(), client, RECT{0, 0, client.cx, 1}, RGB(0, 0, 0)), client.cx);

    // A click without a drag clears the selection.
    SendMessageA(view.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, start);
    SendMessageA(view.Handle(), WM_LBUTTONUP, 0, start);
    EXPECT_EQ(CountPixels(view.Handle(), client, text, highlight), 0);
}

// A team table: a product column and 20 machines, far wider than the view.
std::vector<std::string> WideReport(int products) {
    std::vector<std::string> lines = {"<table border=\"1\" cellspacing=\"0\" bordercolor=#000000 cellpadding=\"3\">"};
    std::string head = "<tr><TH>Product</TH>";
    for (int c = 0; c < 20; ++c)
        head += "<TH>PC" + std::to_string(c + 10) + "</TH>";
    lines.push_back(head + "</tr>");
    for (int r = 0; r < products; ++r) {
        std::string row = "<tr bgcolor=\"#dcFED6\"><td>Grid " + std::to_string(r) + " (Delphi 7)</td>";
        for (int c = 0; c < 20; ++c)
            row += "<td>4." + std::to_string(c) + "</td>";
        lines.push_back(row + "</tr>");
    }
    lines.push_back("</table>");
    return lines;
}

// The pixels of the view's client area, read back through WM_PRINTCLIENT.
std::vector<COLORREF> Pixels(HWND window, SIZE size, const RECT& area) {
    const TScopedDC dc(CreateCompatibleDC(nullptr));
    const TScopedBitmap bitmap(CreateBitmap(size.cx, size.cy, 1, 32, nullptr));
    const TSelectObject keepBitmap(dc.Get(), bitmap.Get());
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    std::vector<COLORREF> pixels;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            pixels.push_back(GetPixel(dc.Get(), x, y));
    }
    return pixels;
}

// Wrapped, the table squeezes its product names onto several lines and slides away when scrolled;
// with its first column kept, every name stays on one line and in place, whatever the scroll, while
// the other columns move beneath it, and a click there selects what it shows.
TEST_F(HtmlViewTest, KeepsTheFirstColumnInViewWhileTheOtherColumnsScroll) {
    struct {
        const char* name;
        TTableFit fit;
        bool kept;
    } const cases[] = {{"wrapped", TTableFit::Wrap, false}, {"kept", TTableFit::KeepFirstColumn, true}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        view.LoadLines(WideReport(30), "", row.fit);
        EXPECT_EQ(view.Fit(), row.fit);
        const html::TLayout& layout = view.Layout();
        ASSERT_EQ(layout.Tables.size(), 1u);
        const int productRight = layout.Tables[0].ColumnLefts.at(1);
        int nameLines = 0;
        for (const html::TDrawOp& op : layout.Draw.Ops())
            nameLines += op.Kind == html::EDrawKind::Text && op.Rect.Right <= productRight ? 1 : 0;
        EXPECT_EQ(nameLines == 31, row.kept) << nameLines << " lines in the product column";

        const SIZE client = Client();
        ASSERT_GT(layout.Width, 2 * client.cx);
        const RECT productColumn{0, 0, productRight, client.cy};
        const RECT scrolling{productRight, 0, client.cx, client.cy};
        const auto productsBefore = Pixels(view.Handle(), client, productColumn);
        const auto versionsBefore = Pixels(view.Handle(), client, scrolling);
        SendMessageA(view.Handle(), WM_HSCROLL, SB_PAGEDOWN, 0);
        ASSERT_GT(Position().x, 0);
        EXPECT_EQ(Pixels(view.Handle(), client, productColumn) == productsBefore, row.kept);
        EXPECT_NE(Pixels(view.Handle(), client, scrolling), versionsBefore);
        if (row.kept) {
            // A page sideways moves by the width right of the kept column.
            EXPECT_EQ(Position().x, client.cx - productRight - 15);
        }
        SendMessageA(view.Handle(), WM_HSCROLL, SB_BOTTOM, 0);
        EXPECT_EQ(Position().x, layout.Width - client.cx);
        EXPECT_EQ(Pixels(view.Handle(), client, productColumn) == productsBefore, row.kept);
    }

    // Selecting in the kept column of a view scrolled sideways selects the product names shown there.
    const auto& ops = view.Layout().Draw.Ops();
    const auto product =
        std::find_if(ops.begin(), ops.end(), [](const html::TDrawOp& op) { return op.Text == "Grid 3 (Delphi 7)"; });
    ASSERT_NE(product, ops.end());
    const LPARAM start = MAKELPARAM(product->Rect.Left + 1, product->Rect.Top + 2);
    const LPARAM end = MAKELPARAM(product->Rect.Right - 1, product->Rect.Top + 2);
    SendMessageA(view.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, start);
    SendMessageA(view.Handle(), WM_MOUSEMOVE, MK_LBUTTON, end);
    SendMessageA(view.Handle(), WM_LBUTTONUP, 0, end);
    const RECT text{product->Rect.Left, product->Rect.Top, product->Rect.Right, product->Rect.Bottom};
    EXPECT_GT(CountPixels(view.Handle(), Client(), text, GetSysColor(COLOR_HIGHLIGHT)), product->Rect.Width() * 4);
}

// The owner's accelerators must see Ctrl shortcuts: the view leaves every other key to the default.
TEST_F(HtmlViewTest, LeavesOtherKeysToTheDefaultHandling) {
    view.LoadLines(Report(100), "");
    Key('P');
    Key(VK_TAB);
    EXPECT_EQ(Position().y, 0);
    EXPECT_EQ(SendMessageA(view.Handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
}

}  // namespace
