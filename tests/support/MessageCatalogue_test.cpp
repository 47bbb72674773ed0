#include "support/MessageCatalogue.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/Messages.h"
#include "support/NoxException.h"

namespace {

// The catalogue state is process-wide: every test starts and ends in the base language.
class MessageCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { SetMessageLanguage(0); }
    void TearDown() override { SetMessageLanguage(0); }
};

std::array<std::string, 5> Captions() {
    return {ButtonCaption(TButtonKind::Yes), ButtonCaption(TButtonKind::No), ButtonCaption(TButtonKind::Cancel),
            ButtonCaption(TButtonKind::Ok), ButtonCaption(TButtonKind::Stop)};
}

TEST(MessageTable, HoldsTheQuotedRowsByteForByte) {
    struct TRow {
        int id;
        std::string_view text;
    } rows[] = {
        {1, "Save the results under the name of "},
        {2, "<nothing>"},
        {10027, "Functie niet aanwezig in deze versie van de Windowsshell"},
        {11027, "Fonction non pr\xE9sente dans cette version de Windowsshell"},
        {13027, "Operation not supported in this version of the shell"},
        {20000, "Ja"},
        {20001, "Nee"},
        {20002, "Annuleren"},
        {20003, "OK"},
        {20004, "Stop"},
        {21000, ", Oui"},
        {21001, ", Non"},
        {21002, ", Annuler"},
        {21003, "OK"},
        {21004, "Stop"},
        {23000, "Yes"},
        {23001, "No"},
        {23002, "Cancel"},
        {23003, "OK"},
        {23004, "Stop"},
        {20015, "NUL"},
        {23015, "NUL"},
        {0, ""},
        {1001, ""},
        {3001, ""},
        {3002, ""},
        {12027, ""},
        {10036, ""},
        {-1, ""},
        {65536 + 1, ""},
    };
    for (const TRow& row : rows)
        EXPECT_EQ(CatalogueText(row.id), row.text) << row.id;
}

TEST(MessageTable, EveryRangeIsPresentInAllThreeLanguagesWithinTheLengthLimit) {
    const std::pair<int, int> ranges[] = {{10000, 10035}, {10060, 10061}, {10500, 10505}, {20000, 20004},
                                          {20010, 20015}, {20020, 20034}, {20040, 20042}, {20100, 20102}};
    for (const auto& [first, last] : ranges) {
        for (int number = first; number <= last; ++number) {
            for (const int offset : {0, 1000, 3000}) {
                const std::string_view text = CatalogueText(number + offset);
                EXPECT_FALSE(text.empty()) << number + offset;
                EXPECT_LE(text.size(), 1023u) << number + offset;
            }
            EXPECT_TRUE(CatalogueText(number + 2000).empty()) << number + 2000;
        }
    }
}

TEST_F(MessageCatalogueTest, LanguageCodesSelectTheirOffsetAndHigherCodesKeepIt) {
    struct TCase {
        std::uint8_t code;
        std::int32_t offset;
    } cases[] = {{0, 0}, {2, 1000}, {1, 0}, {4, 3000}, {3, 2000}, {2, 1000}, {7, 1000}, {255, 1000}, {0, 0}};
    for (const TCase& row : cases) {
        SetMessageLanguage(row.code);
        EXPECT_EQ(MessageLanguageOffset(), row.offset) << int(row.code);
    }
}

TEST_F(MessageCatalogueTest, TextsFollowTheLanguageAndMissingOnesShowTheirNumber) {
    EXPECT_EQ(GetMessageText(2, false), "<nothing>");
    EXPECT_EQ(GetMessageText(1, false), "Save the results under the name of");
    ComposeMessage(1);
    EXPECT_EQ(MessageInfo().Line1, "Save the results under the name of ");
    EXPECT_EQ(MessageInfo().Number, 1);

    SetMessageLanguage(4);
    EXPECT_EQ(GetMessageText(10027, false), "Operation not supported in this version of the shell");
    EXPECT_EQ(GetMessageText(1, false), "[1]");
    ComposeMessage(1);
    EXPECT_EQ(MessageInfo().Line1, "[1] ");
    EXPECT_EQ(MessageInfo().Number, 1);

    SetMessageLanguage(2);
    EXPECT_EQ(GetMessageText(10027, false), "Fonction non pr\xE9sente dans cette version de Windowsshell");
    SetMessageLanguage(3);
    EXPECT_EQ(GetMessageText(10027, false), "[10027]");
}

TEST_F(MessageCatalogueTest, ButtonCaptionsComeFromTheCatalogueOfTheLanguage) {
    using TCaptions = std::array<std::string, 5>;
    EXPECT_EQ(Captions(), (TCaptions{"Ja", "Nee", "Annuleren", "OK", "Stop"}));
    SetMessageLanguage(4);
    EXPECT_EQ(Captions(), (TCaptions{"Yes", "No", "Cancel", "OK", "Stop"}));
    SetMessageLanguage(2);
    EXPECT_EQ(Captions(), (TCaptions{", Oui", ", Non", ", Annuler", "OK", "Stop"}));
    // Missing caption messages give their bracketed numbers, cut to 10 characters.
    SetMessageLanguage(3);
    EXPECT_EQ(Captions(), (TCaptions{"[20000]", "[20001]", "[20002]", "[20003]", "[20004]"}));
}

TEST_F(MessageCatalogueTest, SelectingALanguageResetsTheCurrentMessage) {
    TMessageInfo& info = MessageInfo();
    info.NumParam = 5;
    info.StrParam1 = "x";
    info.SplitLines = true;
    info.CharCase = TCharCase::Upper;
    info.MaxLength = 10;
    ComposeMessage(10003);
    SetMessageLanguage(7);
    EXPECT_EQ(info.Number, 0);
    EXPECT_EQ(info.NumParam, 0);
    EXPECT_EQ(info.StrParam1, "");
    EXPECT_EQ(info.Line1, "");
    EXPECT_FALSE(info.SplitLines);
    EXPECT_EQ(info.CharCase, TCharCase::Normal);
    EXPECT_EQ(info.MaxLength, -1);
}

TEST_F(MessageCatalogueTest, MarkersAreReplacedAtTheirFirstOccurrenceInOrder) {
    struct TCase {
        const char* name;
        std::int32_t number;
        const char* text;
        std::int32_t numParam;
        const char* strParam1;
        const char* strParam2;
        const char* line1;
    } cases[] = {
        {"dollar prefix", 12, "$Disk full", 0, "", "", "[12] Disk full"},
        {"dollar only at start", 12, "a$b", 0, "", "", "a$b"},
        {"number", 7, "@ left", 5, "", "", "5 left"},
        {"negative number", 7, "@ left", -3, "", "", "-3 left"},
        {"escaped at sign", 7, "mail@@host @", 5, "", "", "mail@host @"},
        {"first bar only", 7, "| and |", 0, "A", "", "A and |"},
        {"tilde", 7, "from | to ~", 0, "a", "b", "from a to b"},
        {"marker inside a parameter", 7, "x | y ~", 0, "~", "Z", "x Z y ~"},
        {"bar from the number step", 7, "@|", 0, "s", "", "0s"},
        {"dollar then number", 9, "$@", 4, "", "", "[9] 4"},
        {"real line feed kept", 7, "a\nb", 0, "", "", "a\nb"},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        ResetMessageInfo();
        TMessageInfo& info = MessageInfo();
        info.NumParam = row.numParam;
        info.StrParam1 = row.strParam1;
        info.StrParam2 = row.strParam2;
        ComposeMessageFrom(row.number, row.text);
        EXPECT_EQ(info.Line1, row.line1);
        EXPECT_EQ(info.Number, row.number);
    }
}

TEST_F(MessageCatalogueTest, CatalogueMarkersTakeTheParameters) {
    MessageInfo().NumParam = 3;
    EXPECT_EQ(GetMessageText(10013, false), "Verkeerd wachtwoord; nog 3 pogingen");
    MessageInfo().StrParam1 = "C:\\a.txt";
    EXPECT_EQ(GetMessageText(10003, false), "Bestand C:\\a.txt niet gevonden");
    // Parameters are short texts: only their first 255 characters are inserted.
    MessageInfo().StrParam1 = std::string(300, 'p');
    EXPECT_EQ(GetMessageText(-1, false), std::string(255, 'p'));
}

TEST_F(MessageCatalogueTest, SpecialNumbersComposeStrParam1OrTheirNumber) {
    ComposeMessage(-1);
    EXPECT_EQ(MessageInfo().Line1, "");
    MessageInfo().StrParam1 = "only";
    ComposeMessage(-1);
    EXPECT_EQ(MessageInfo().Line1, "only");
    ComposeMessage(-5);
    EXPECT_EQ(MessageInfo().Line1, "[-5] ");
    EXPECT_EQ(MessageInfo().Number, -5);
    ComposeMessage(std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(MessageInfo().Line1, "[2147483647] ");
}

TEST_F(MessageCatalogueTest, SplittingCutsAtBackslashNOnly) {
    TMessageInfo& info = MessageInfo();
    info.SplitLines = true;
    ComposeMessageFrom(7, "first\\nsecond\\nthird");
    EXPECT_EQ(info.Line1, "first");
    EXPECT_EQ(info.Line2, "second\\nthird");
    ComposeMessageFrom(7, "one\ntwo");
    EXPECT_EQ(info.Line1, "one\ntwo");
    EXPECT_EQ(info.Line2, "") << "splitting without a split point clears Line2";
    ComposeMessageFrom(7, "a\\n" + std::string(300, 'b'));
    EXPECT_EQ(info.Line2, std::string(255, 'b'));

    info.Line2 = "kept";
    info.SplitLines = false;
    ComposeMessageFrom(7, "x\\ny");
    EXPECT_EQ(info.Line1, "x\\ny");
    EXPECT_EQ(info.Line2, "kept") << "without splitting Line2 stays as it was";
    EXPECT_EQ(GetMessageText(7, true), "[7]");
    EXPECT_TRUE(info.SplitLines);
}

TEST_F(MessageCatalogueTest, GetMessageTextCutsTo255ThenTrimsWhileLine1KeepsAll) {
    // "Bestand | niet gevonden" with a 255-character parameter composes to 277 characters.
    MessageInfo().StrParam1 = std::string(240, 'a') + std::string(15, ' ');
    EXPECT_EQ(GetMessageText(10003, false), "Bestand " + std::string(240, 'a'));
    EXPECT_EQ(MessageInfo().Line1.size(), 277u);
    MessageInfo().StrParam1 = "\t x ";
    EXPECT_EQ(GetMessageText(-1, false), "x");
}

TEST_F(MessageCatalogueTest, ExceptionsCarryTheMessageOfTheCurrentLanguage) {
    try {
        throw ENoxShellException(10027);
    } catch (const ENoxException& error) {
        EXPECT_EQ(error.Message(), "Functie niet aanwezig in deze versie van de Windowsshell");
    }
    SetMessageLanguage(4);
    EXPECT_STREQ(ENoxException(1).what(), "[1]");
}

TEST_F(MessageCatalogueTest, InitialisationSelectsTheBaseLanguageOnce) {
    FinalizeMessageCatalogue();
    SetMessageLanguage(4);
    InitMessageCatalogue();
    EXPECT_EQ(MessageLanguageOffset(), 0);
    SetMessageLanguage(4);
    InitMessageCatalogue();
    EXPECT_EQ(MessageLanguageOffset(), 3000) << "a second initialisation is ignored";
    MessageInfo().Line1 = "held";
    FinalizeMessageCatalogue();
    EXPECT_EQ(MessageInfo().Line1, "");
}

}  // namespace
