#include "state/StateStore.h"

#include <gtest/gtest.h>

#include "state/AbstractState.h"
#include "support/RaisedMessage.h"
#include "support/StateFileRig.h"

namespace {

constexpr const char* kStateFile = TStateFileRig::kStateFile;
constexpr const char* kOldFile = "; kept\r\n[Other]\r\nk=v\r\n[TfrmPLUX]\r\nShowCmd=1\r\n";

class IniFileStoreTest : public ::testing::Test, protected TStateFileRig {
protected:
    IniFileStoreTest() : TStateFileRig(kOldFile) {}
};

TEST(ParseInteger, TakesSignedDecimal32BitIntegersOnly) {
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"0", 0},
        {"96", 96},
        {"-12", -12},
        {"+7", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"12a", std::nullopt},
        {"1 2", std::nullopt},
        {"0x10", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ParseInteger(row.text), row.value);
    }
}

TEST(ResolveIniFileName, FallsBackOnTheExecutableAndAppendsIniWithoutAnyDot) {
    const struct {
        const char* iniFileName;
        const char* executable;
        const char* resolved;
    } cases[] = {
        {"C:\\Data\\formdata\\frmPLUX.ini", "C:\\Tools\\plux.exe", "C:\\Data\\formdata\\frmPLUX.ini"},
        {"", "C:\\Tools\\plux.exe", "plux.INI"},
        {"", "C:\\Tools.v2\\plux", "plux.INI"},
        {"C:\\Data\\state", "C:\\Tools\\plux.exe", "C:\\Data\\state.INI"},
        {"C:\\Data.1\\state", "C:\\Tools\\plux.exe", "C:\\Data.1\\state"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.iniFileName) + " / " + row.executable);
        EXPECT_EQ(ResolveIniFileName(row.iniFileName, row.executable), row.resolved);
    }
}

TEST_F(IniFileStoreTest, NestedBracketsShareOneAccessorAndWriteTheFileOnceAtTheOutermostClose) {
    store.OpenStore();
    store.OpenStore();
    EXPECT_EQ(store.OpenCount(), 2);
    store.WriteNumber("TfrmPLUX", "ShowCmd", 3);
    store.WriteText("TfrmPLUX", "NormalPos", "1,2,3,4");
    EXPECT_EQ(store.ReadNumber("tfrmplux", "SHOWCMD", 0), 3);
    store.CloseStore();
    EXPECT_EQ(files.writes, 0);
    EXPECT_EQ(FileText(), kOldFile);
    store.CloseStore();
    EXPECT_EQ(files.writes, 1);
    EXPECT_EQ(FileText(), "; kept\r\n[Other]\r\nk=v\r\n[TfrmPLUX]\r\nShowCmd=3\r\nNormalPos=1,2,3,4\r\n");

    // A close too many changes nothing.
    store.CloseStore();
    EXPECT_EQ(store.OpenCount(), 0);
    EXPECT_EQ(files.writes, 1);
}

TEST_F(IniFileStoreTest, AnErasedSectionGoesFromTheFileAtClose) {
    store.OpenStore();
    store.EraseSection("tfrmplux");
    EXPECT_EQ(store.ReadText("TfrmPLUX", "ShowCmd", "gone"), "gone");
    store.EraseSection("Missing");
    store.CloseStore();
    EXPECT_EQ(FileText(), "; kept\r\n[Other]\r\nk=v\r\n");

    const int writes = files.writes;
    store.OpenStore();
    store.EraseSection("TfrmPLUX");
    store.CloseStore();
    EXPECT_EQ(files.writes, writes) << "erasing nothing writes nothing";
}

TEST_F(IniFileStoreTest, ReadsFallBackOnTheirDefaults) {
    files.files.files[kStateFile] = "[TfrmPLUX]\r\nFlags=x\r\nNormalPos=  10 20  \r\nEmpty=\r\n";
    store.OpenStore();
    EXPECT_EQ(store.ReadNumber("TfrmPLUX", "Flags", 5), 5);
    EXPECT_EQ(store.ReadNumber("TfrmPLUX", "Missing", -4), -4);
    EXPECT_EQ(store.ReadNumber("Missing", "Flags", 6), 6);
    EXPECT_EQ(store.ReadText("TfrmPLUX", "NormalPos", ""), "10 20");
    EXPECT_EQ(store.ReadText("TfrmPLUX", "Empty", "default"), "");
    EXPECT_EQ(store.ReadText("TfrmPLUX", "Missing", "default"), "default");
    store.CloseStore();
    EXPECT_EQ(files.writes, 0);
}

TEST_F(IniFileStoreTest, AFailingCloseLeavesTheOldBytesAndTheNextBracketReadsTheFileAfresh) {
    files.refused.insert(kStateFile);
    store.OpenStore();
    store.WriteNumber("TfrmPLUX", "ShowCmd", 3);
    store.WriteText("TfrmPLUX", "Color", "0");
    EXPECT_EQ(MessageOf([&] { store.CloseStore(); }), std::string("Unable to write to ") + kStateFile);
    EXPECT_EQ(FileText(), kOldFile);
    EXPECT_EQ(store.OpenCount(), 0);

    files.refused.clear();
    store.OpenStore();
    EXPECT_EQ(store.ReadNumber("TfrmPLUX", "ShowCmd", 0), 1);
    EXPECT_EQ(store.ReadText("TfrmPLUX", "Color", "none"), "none");
    store.CloseStore();
}

TEST_F(IniFileStoreTest, AMissingFolderFailsAtCloseWithTheFileName) {
    store.IniFileName = "C:\\gone\\frmPLUX.ini";
    store.OpenStore();
    store.WriteText("TfrmPLUX", "Flags", "0");
    EXPECT_EQ(MessageOf([&] { store.CloseStore(); }), "Unable to write to C:\\gone\\frmPLUX.ini");
    EXPECT_FALSE(files.FileExists("C:\\gone\\frmPLUX.ini"));
}

TEST_F(IniFileStoreTest, ReadingOrWritingOutsideABracketIsRefused) {
    EXPECT_EQ(MessageOf([&] { store.ReadText("TfrmPLUX", "ShowCmd", ""); }),
              std::string("The state store ") + kStateFile + " is not open");
    EXPECT_NE(MessageOf([&] { store.WriteText("TfrmPLUX", "ShowCmd", "1"); }), "");
}

class TNullState final : public TAbstractState {
protected:
    void RestoreOwnState() override {}
    void SaveOwnState() override {}
};

TEST(AbstractStore, ItsStatesBecomeInactiveAndLoseItWhenItGoes) {
    TRefusingFileSystem files;
    TFakeSystemFacts facts;
    TNullState kept, moved;
    {
        TIniFileStore store(files, facts);
        kept.SetStorage(&store);
        {
            TIniFileStore other(files, facts);
            moved.SetStorage(&other);
            moved.SetStorage(&store);
        }
        EXPECT_TRUE(moved.Active);
        EXPECT_EQ(moved.Storage(), &store);
    }
    EXPECT_EQ(kept.Storage(), nullptr);
    EXPECT_FALSE(kept.Active);
    EXPECT_EQ(moved.Storage(), nullptr);
    EXPECT_FALSE(moved.Active);
}

}  // namespace
