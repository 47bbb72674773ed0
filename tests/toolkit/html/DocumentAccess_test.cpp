#include "toolkit/html/DocumentAccess.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/FixedTextMeasure.h"
#include "toolkit/html/HighContrast.h"

namespace html {
namespace {

// A comparison as the report shows it: a header row, a product the snapshot has in another version
// (the red cell), and one it has alike.
constexpr std::string_view kReport =
    "<table border=\"1\"><tr><th>Product</th><th>Version</th><th>Snapshot</th></tr>"
    "<tr bgcolor=\"#e0e0ff\"><td>Grid&nbsp;4</td><td>2.0</td><td bgcolor=\"#ff0000\"><b><font color=\"#ffffff\">"
    "1.0</font></b></td></tr>"
    "<tr><td>Viewer</td><td>3.1</td><td>3.1</td></tr></table>";

bool Red(const TCell& cell) {
    return cell.Background == TColour{0x0000FF};  // red, stored BBGGRR
}

class DocumentAccessTest : public ::testing::Test {
public:
    void Load(std::string_view source) {
        document = ParseDocument(source);
        layout = LayoutDocument(document, measure, THtmlStyle{}, 800);
        marked = MarkedCells(document, layout, Red);
    }
    std::optional<TAccessibleNode> Node(const TAccessiblePath& path) const {
        return DescribeDocumentNode(document, layout, marked, "differs from snapshot", path);
    }

    TFixedTextMeasure measure;
    THtmlDocument document;
    TLayout layout;
    std::vector<bool> marked;
};

TEST_F(DocumentAccessTest, ATableReadsRowByRowAndCellByCell) {
    Load(kReport);
    const auto table = Node({});
    ASSERT_TRUE(table);
    EXPECT_EQ(table->Role, TAccessibleRole::Table);
    EXPECT_EQ(table->ChildCount, 3);

    struct {
        TAccessiblePath Path;
        TAccessibleRole Role;
        std::string Name;
        std::string Description;
    } const cases[] = {
        {{0}, TAccessibleRole::Row, "Product Version Snapshot", ""},
        {{0, 1}, TAccessibleRole::ColumnHeader, "Version", ""},
        {{1}, TAccessibleRole::Row, "Grid 4 2.0 1.0", ""},
        {{1, 0}, TAccessibleRole::Cell, "Grid 4", ""},
        {{1, 2}, TAccessibleRole::Cell, "1.0", "differs from snapshot"},
        {{2, 2}, TAccessibleRole::Cell, "3.1", ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.Name);
        const auto node = Node(row.Path);
        ASSERT_TRUE(node);
        EXPECT_EQ(node->Role, row.Role);
        EXPECT_EQ(node->Name, row.Name);
        EXPECT_EQ(node->Description, row.Description);
        EXPECT_EQ(node->ChildCount, row.Path.size() == 1 ? 3 : 0);
    }
    for (const TAccessiblePath& path :
         {TAccessiblePath{3}, TAccessiblePath{-1}, TAccessiblePath{0, 3}, TAccessiblePath{1, 0, 0}})
        EXPECT_FALSE(Node(path));
}

// The bounds are the layout's: a cell's its box, a row's the union of its cells, so a point finds them.
TEST_F(DocumentAccessTest, BoundsComeFromTheLayoutAndAPointFindsTheCell) {
    Load(kReport);
    const auto row = Node({1});
    const auto first = Node({1, 0});
    const auto last = Node({1, 2});
    ASSERT_TRUE(row && first && last);
    EXPECT_EQ(row->Bounds.Left, first->Bounds.Left);
    EXPECT_EQ(row->Bounds.Right, last->Bounds.Right);
    EXPECT_EQ(row->Bounds.Top, first->Bounds.Top);
    EXPECT_GT(last->Bounds.Left, first->Bounds.Right - 1);

    class TTree final : public TAccessibleTree {
    public:
        explicit TTree(const DocumentAccessTest& test) : test_(test) {}
        std::optional<TAccessibleNode> Node(const TAccessiblePath& path) const override {
            auto node = test_.Node(path);
            if (node && path.empty())
                node->Bounds = TRect{0, 0, 800, 600};
            return node;
        }

    private:
        const DocumentAccessTest& test_;
    } tree(*this);
    const TRect& cell = last->Bounds;
    EXPECT_EQ(AccessibleNodeAt(tree, cell.Left + 2, cell.Top + 2), (TAccessiblePath{1, 2}));
    EXPECT_EQ(AccessibleNodeAt(tree, 790, 590), TAccessiblePath{}) << "outside the table: the view itself";
    EXPECT_EQ(AccessibleNodeAt(tree, 900, 10), std::nullopt);
}

TEST_F(DocumentAccessTest, AnyOtherDocumentIsADocumentOfParagraphsAndTables) {
    Load("<p>Products of HOST</p>" + std::string(kReport));
    const auto root = Node({});
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Role, TAccessibleRole::Document);
    EXPECT_EQ(root->ChildCount, 2);
    EXPECT_EQ(Node({0})->Role, TAccessibleRole::StaticText);
    EXPECT_EQ(Node({0})->Name, "Products of HOST");
    EXPECT_EQ(Node({0})->Bounds, layout.Blocks[0]);
    EXPECT_FALSE(Node({0, 0}));
    EXPECT_EQ(Node({1})->Role, TAccessibleRole::Table);
    EXPECT_EQ(Node({1, 1, 2})->Description, "differs from snapshot") << "the marks follow the table's block";
    EXPECT_FALSE(Node({2}));
}

TEST(HighContrast, OpsPaintInTheSystemColoursAndMarkedCellsStandOut) {
    TSystemColours system;
    system.Window = 0x000000;
    system.WindowText = 0xFFFFFF;
    system.Highlight = 0x00FFFF;
    system.HighlightText = 0x000001;
    TDrawOp fill;
    fill.Kind = EDrawKind::Fill;
    fill.Colour = 0xFF0000;
    TDrawOp border = fill;
    border.Line = true;
    TDrawOp frame = fill;
    frame.Kind = EDrawKind::Frame;
    TDrawOp text;
    text.Kind = EDrawKind::Text;
    text.Colour = 0xFFFFFF;
    struct {
        const char* Name;
        const TDrawOp& Op;
        bool Marked;
        TColour Colour;
    } const cases[] = {
        {"a band", fill, false, 0x000000},    {"a marked cell", fill, true, 0x00FFFF},
        {"a border", border, true, 0xFFFFFF}, {"a frame", frame, false, 0xFFFFFF},
        {"text", text, false, 0xFFFFFF},      {"marked text", text, true, 0x000001},
    };
    for (const auto& row : cases)
        EXPECT_EQ(HighContrastColour(row.Op, row.Marked, system), row.Colour) << row.Name;
}

// Every cell of the layout knows its place, and the ops that paint a cell name it.
TEST_F(DocumentAccessTest, TheLayoutTellsWhichCellEachOpPaints) {
    Load(kReport);
    ASSERT_EQ(layout.Cells.size(), 9u);
    EXPECT_EQ(marked, (std::vector<bool>{false, false, false, false, false, true, false, false, false}));
    const auto& ops = layout.Draw.Ops();
    const auto redText = std::find_if(ops.begin(), ops.end(), [](const TDrawOp& op) { return op.Text == "1.0"; });
    ASSERT_NE(redText, ops.end());
    EXPECT_EQ(redText->Cell, 5);
    const auto redFill = std::find_if(ops.begin(), ops.end(), [](const TDrawOp& op) { return op.Colour == 0x0000FF; });
    ASSERT_NE(redFill, ops.end());
    EXPECT_EQ(redFill->Cell, 5);
    EXPECT_FALSE(redFill->Line);
    EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [](const TDrawOp& op) { return op.Line && op.Cell < 0; }))
        << "the table's border belongs to no cell";
}

}  // namespace
}  // namespace html
