#include "support/MessageDialog.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/MessageCatalogue.h"
#include "support/MessageDialogLayout.h"
#include "toolkit/Exception.h"

namespace {

// A dialog that records what it was shown and answers as a user would.
struct TScriptedDialog {
    int result = kResultOk;
    const char* typed = nullptr;  // replaces the field's text when set
    std::uint8_t shownType = 255;
    std::string shownAnswer;
    std::string shownLine1;
    std::int32_t shownNumber = 0;

    int operator()(std::uint8_t type, std::string& answer) {
        shownType = type;
        shownAnswer = answer;
        shownLine1 = MessageInfo().Line1;
        shownNumber = MessageInfo().Number;
        if (typed != nullptr)
            answer = typed;
        if (result != kResultOk)
            answer.clear();
        return result;
    }
};

class AskInputTest : public ::testing::Test {
protected:
    void SetUp() override { SetMessageLanguage(0); }
    void TearDown() override { SetMessageLanguage(0); }
};

TEST_F(AskInputTest, ShowsTheComposedPromptWithTheProposedAnswer) {
    TScriptedDialog dialog;
    std::string answer = "jdoe";
    EXPECT_TRUE(AskInputWith(std::ref(dialog), 1, answer, true));
    EXPECT_EQ(answer, "jdoe");
    EXPECT_EQ(dialog.shownType, kDialogInput);
    EXPECT_EQ(dialog.shownAnswer, "jdoe");
    EXPECT_EQ(dialog.shownLine1, "Save the results under the name of ");
    EXPECT_EQ(dialog.shownNumber, 1);
    EXPECT_EQ(MessageInfo().Number, 0) << "the current message is reset";
    EXPECT_EQ(MessageInfo().Line1, "");
}

TEST_F(AskInputTest, OnlyAConfirmedNonEmptyAnswerCounts) {
    struct TCase {
        const char* name;
        int result;
        const char* typed;
        bool keep;
        bool confirmed;
        const char* answer;
        const char* offered;
    } cases[] = {
        {"typed and OK", kResultOk, "snap", true, true, "snap", "jdoe"},
        {"emptied and OK", kResultOk, "", true, false, "", "jdoe"},
        {"typed and Cancel", kResultCancel, "snap", true, false, "", "jdoe"},
        {"not kept", kResultOk, nullptr, false, false, "", ""},
        {"not kept, typed", kResultOk, " x ", false, true, " x ", ""},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        TScriptedDialog dialog;
        dialog.result = row.result;
        dialog.typed = row.typed;
        std::string answer = "jdoe";
        EXPECT_EQ(AskInputWith(std::ref(dialog), 1, answer, row.keep), row.confirmed);
        EXPECT_EQ(answer, row.answer);
        EXPECT_EQ(dialog.shownAnswer, row.offered);
    }
}

TEST_F(AskInputTest, AFailingDialogStillResetsTheCurrentMessage) {
    const TShowDialog failing = [](std::uint8_t, std::string&) -> int { throw Exception("no window"); };
    std::string answer;
    EXPECT_THROW(AskInputWith(failing, 1, answer, false), Exception);
    EXPECT_EQ(MessageInfo().Number, 0);
}

}  // namespace
