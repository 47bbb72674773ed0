#include "app/Startup.h"

#include <gtest/gtest.h>

#include "support/FakeExecutableVersion.h"
#include "support/FakeSystemFacts.h"
#include "support/MemoryFileSystem.h"
#include "support/MessageCatalogue.h"
#include "support/NoxException.h"

namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageLanguage(4);  // start from a state the catalogue module must replace
        FinalizeMessageCatalogue();
        files.folders = {"C:\\Tools"};
    }

    TFakeSystemFacts facts;
    TMemoryFileSystem files;
    TFakeExecutableVersion version;
    TSettingsPorts ports{&facts, &files, &version};
};

TEST_F(StartupTest, BringsTheModulesUpInOrderAndDownAgain) {
    {
        TStartup startup({"plux.exe", "-ProductCode", "X"}, ports);
        EXPECT_EQ(startup.CommandLine().GetSwitchValue("ProductCode", false), "X");
        EXPECT_EQ(MessageLanguageOffset(), 0);
        EXPECT_EQ(ButtonCaption(TButtonKind::Ok), "OK");
        ASSERT_NE(ProgSettings(), nullptr);
        EXPECT_EQ(ProgSettings()->ProductCode(), "X");
        EXPECT_TRUE(files.FolderExists("C:\\Tools\\Data"));
        MessageInfo().Line1 = "held";
    }
    EXPECT_EQ(ProgSettings(), nullptr);
    EXPECT_EQ(MessageInfo().Line1, "");
}

TEST_F(StartupTest, AShellFolderThatCannotBeResolvedEndsStartUpWithTheModulesDown) {
    facts.specialFolders.erase(kCsidlAppData);
    try {
        TStartup startup({"plux.exe", "-UserDataFolder", ":applicdata:Plux"}, ports);
        ADD_FAILURE() << "start-up went on";
    } catch (const ENoxShellException& error) {
        // The catalogue was up, so the text is the base language's.
        EXPECT_EQ(error.Message(), "Functie niet aanwezig in deze versie van de Windowsshell");
    }
    EXPECT_EQ(ProgSettings(), nullptr);
    EXPECT_EQ(ViaParm().UserDataFolder, "");

    // Down means down: a new start brings every module up again.
    facts.specialFolders[kCsidlAppData] = "C:\\AppData";
    SetMessageLanguage(4);
    TStartup startup({"plux.exe", "-UserDataFolder", ":applicdata:Plux"}, ports);
    EXPECT_EQ(MessageLanguageOffset(), 0);
    EXPECT_EQ(ProgSettings()->UserDataFolder(), "C:\\AppData\\Plux");
}

}  // namespace
