#include "support/MessageDialogLayout.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/FixedTextMeasure.h"

namespace {

class MessageDialogLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { SetMessageLanguage(0); }
    void TearDown() override { SetMessageLanguage(0); }

    TMessageDialogLayout Layout(std::uint8_t type) const { return LayoutMessageDialog(type, info, measure); }

    TMessageInfo info;
    TFixedTextMeasure measure;  // "M" is 6 pixels wide
};

struct TButtonRow {
    int result;
    const char* text;
    int left;
    bool isDefault;
    bool isCancel;
};

TEST_F(MessageDialogLayoutTest, EachTypeHasItsButtonsIconBeepAndHeight) {
    struct TCase {
        std::uint8_t type;
        int height;
        int iconId;
        unsigned beep;
        std::vector<TButtonRow> buttons;
    } cases[] = {
        {0, 175, 32516, 0x40, {{1, "&OK", 130, true, false}}},
        {1, 175, 32513, 0x10, {{1, "&OK", 130, true, false}}},
        {2, 195, 32514, 0x20, {{1, "&OK", 60, true, false}, {2, "&Annuleren", 200, false, true}}},
        {3,
         175,
         32514,
         0x20,
         {{6, "&Ja", 20, true, false}, {7, "&Nee", 130, false, true}, {2, "&Annuleren", 240, false, true}}},
        {4, 195, 32514, 0x20, {{1, "&OK", 60, true, false}, {2, "&Annuleren", 200, false, true}}},
        {7, 175, 32512, 0, {}},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(int(row.type));
        const TMessageDialogLayout layout = Layout(row.type);
        EXPECT_EQ(layout.Width, 350);
        EXPECT_EQ(layout.Height, row.height);
        EXPECT_EQ(layout.IconId, row.iconId);
        EXPECT_EQ(layout.Beep, row.beep);
        EXPECT_EQ(layout.Icon, (TBox{10, 15, 50, 50}));
        EXPECT_EQ(layout.Label, (TBox{60, 20, 260, 60}));
        ASSERT_EQ(layout.Buttons.size(), row.buttons.size());
        for (std::size_t k = 0; k < row.buttons.size(); ++k) {
            const TDialogButton& button = layout.Buttons[k];
            EXPECT_EQ(button.ModalResult, row.buttons[k].result);
            EXPECT_EQ(button.Text, row.buttons[k].text);
            EXPECT_EQ(button.Bounds, (TBox{row.buttons[k].left, row.height - 70, 90, 30}));
            EXPECT_EQ(button.IsDefault, row.buttons[k].isDefault);
            EXPECT_EQ(button.IsCancel, row.buttons[k].isCancel);
        }
        EXPECT_EQ(layout.HasAnswerField, row.type == 2);
        EXPECT_EQ(layout.HasPasswordField, row.type == 4);
    }
}

TEST_F(MessageDialogLayoutTest, MoreThan80CharactersWidenTheWindowLabelAndAnswerField) {
    info.Number = 1;
    info.Line1 = std::string(60, 'a');
    TMessageDialogLayout layout = Layout(kDialogInput);
    EXPECT_EQ(layout.Caption, "#1");
    EXPECT_EQ(layout.Width, 350);
    EXPECT_EQ(layout.Text, std::string(60, 'a') + "\r");

    info.Line1 = std::string(80, 'a');
    EXPECT_EQ(Layout(kDialogInput).Width, 350) << "80 characters are not more than 80";
    info.Line1 = std::string(60, 'a');
    info.Line2 = std::string(21, 'b');
    layout = Layout(kDialogInput);
    EXPECT_EQ(layout.Width, 450);
    EXPECT_EQ(layout.Label, (TBox{60, 20, 360, 60}));
    EXPECT_EQ(layout.Text, std::string(60, 'a') + "\r" + std::string(21, 'b'));
    EXPECT_EQ(layout.Buttons[0].Bounds, (TBox{110, 125, 90, 30}));
    EXPECT_EQ(layout.Buttons[1].Bounds, (TBox{250, 125, 90, 30}));
    EXPECT_EQ(layout.Answer.Bounds, (TBox{60, 95, 360, 21}));
    EXPECT_EQ(Layout(kDialogPassword).Answer.Bounds, (TBox{60, 60, 260, 21})) << "the password field stays";
    EXPECT_EQ(Layout(kDialogQuestion).Buttons[2].Bounds.Left, 290);
}

TEST_F(MessageDialogLayoutTest, MaxLengthSizesAndCentresTheAnswerField) {
    struct TCase {
        std::int32_t maxLength;
        TBox bounds;
        int limit;
    } cases[] = {
        {-1, {60, 95, 260, 21}, 255},
        {0, {60, 95, 260, 21}, 255},
        {10, {(350 - 66 - 20) / 2, 95, 66, 21}, 10},
        {60, {(350 - 366 - 20) / 2, 95, 366, 21}, 60},  // wider than the window: the left goes negative
        {std::numeric_limits<std::int32_t>::max(),
         {(350 - 32767 - 20) / 2, 95, 32767, 21},
         std::numeric_limits<std::int32_t>::max()},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.maxLength);
        info.MaxLength = row.maxLength;
        const TMessageDialogLayout layout = Layout(kDialogInput);
        EXPECT_EQ(layout.Answer.Bounds, row.bounds);
        EXPECT_EQ(layout.Answer.MaxLength, row.limit);
        EXPECT_EQ(Layout(kDialogPassword).Answer.MaxLength, row.limit);
    }
}

TEST_F(MessageDialogLayoutTest, CaptionsFollowTheLanguageAndTheCharCaseIsPassedOn) {
    SetMessageLanguage(4);
    info.CharCase = TCharCase::Upper;
    const TMessageDialogLayout layout = Layout(kDialogQuestion);
    EXPECT_EQ(layout.Buttons[0].Text, "&Yes");
    EXPECT_EQ(layout.Buttons[1].Text, "&No");
    EXPECT_EQ(layout.Buttons[2].Text, "&Cancel");
    EXPECT_EQ(layout.CharCase, TCharCase::Upper);
}

TEST(MessageDialogPlacement, CentresOnTheScreen) {
    EXPECT_EQ(CentredOn(1280, 1024, 350, 195), (TBox{465, 414, 350, 195}));
    EXPECT_EQ(CentredOn(1281, 1025, 350, 175), (TBox{465, 425, 350, 175}));
}

}  // namespace
