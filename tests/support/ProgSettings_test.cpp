#include "support/ProgSettings.h"

#include <gtest/gtest.h>

#include "support/FakeExecutableVersion.h"
#include "support/FakeSystemFacts.h"
#include "support/MemoryFileSystem.h"
#include "support/NoxException.h"

namespace {

// The program in C:\Tools, the user JDoe, the current folder C:\Work, the shell folders of the fake.
class ProgSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageLanguage(0);
        files.folders = {"C:\\Tools", "C:\\Work", "D:\\Existing"};
        ports = {&facts, &files, &version};
    }
    void TearDown() override { FinalizeProgSettings(); }

    TProgSettings Create(TTextList params) {
        params.insert(params.begin(), "plux.exe");
        TCommandLine commandLine(std::move(params));
        return TProgSettings(ReadOverrides(commandLine, ports), ports);
    }
    void WriteSettingsFile(const std::string& content) { files.files["C:\\Tools\\PrgSttng.ini"] = content; }

    TFakeSystemFacts facts;
    TMemoryFileSystem files;
    TFakeExecutableVersion version;
    TSettingsPorts ports;
};

TEST_F(ProgSettingsTest, WithoutSwitchesOrSettingsFileEverythingLivesInTheDataFolder) {
    TProgSettings settings = Create({});
    EXPECT_EQ(settings.ProgDataFolder(), "C:\\Tools\\Data");
    EXPECT_EQ(settings.ExeDataFolder(), "C:\\Tools\\Data");
    EXPECT_EQ(settings.UserDataFolder(), "C:\\Tools\\Data");
    EXPECT_FALSE(settings.NoProductFolder());
    EXPECT_EQ(settings.UserName(), "jdoe");
    EXPECT_EQ(settings.ProductCode(), "PLUX");
    EXPECT_EQ(settings.UserFolder(), "C:\\Tools\\Data\\PLUX\\users\\jdoe");
    EXPECT_EQ(settings.FormStateFileName("frmPLUX"), "C:\\Tools\\Data\\PLUX\\users\\jdoe\\formdata\\frmPLUX.ini");
    EXPECT_EQ(settings.BarLayoutFileName("frmPLUX"), "C:\\Tools\\Data\\PLUX\\users\\jdoe\\formdata\\frmPLUX.bar.ini");
    EXPECT_TRUE(files.FolderExists("C:\\Tools\\Data\\PLUX\\users\\jdoe\\formdata"));
    EXPECT_EQ(settings.VersionText(), "Plux - 1.2.0.2");
}

TEST_F(ProgSettingsTest, AUserDataFolderEndingInASemicolonHasNoProductLevel) {
    WriteSettingsFile("[plux]\r\nUserDataFolder=D:\\Shared;\r\n");
    TProgSettings fromFile = Create({});
    EXPECT_TRUE(fromFile.NoProductFolder());
    EXPECT_EQ(fromFile.UserDataFolder(), "D:\\Shared");
    EXPECT_EQ(fromFile.UserFolder(), "D:\\Shared\\users\\jdoe");

    TProgSettings fromSwitch = Create({"-UserDataFolder", ":exe:Users;"});
    EXPECT_EQ(fromSwitch.UserDataFolder(), "C:\\Tools\\Users");
    EXPECT_TRUE(fromSwitch.NoProductFolder());
    EXPECT_EQ(fromSwitch.UserFolder(), "C:\\Tools\\Users\\users\\jdoe");
    EXPECT_EQ(Create({"-ProgDataFolder", "D:\\P;"}).ProgDataFolder(), "D:\\P") << "no effect but the cut";
}

TEST_F(ProgSettingsTest, OverridesComeFromSwitchesThenTheFirstParameterThenTheSettingsFile) {
    WriteSettingsFile(
        "[Other]\nExeDataFolder=D:\\NotOurs\n"
        "[PLUX]\nProgDataFolder=D:\\FromFile\nExeDataFolder = D:\\ExeFromFile \nProductCode=FILECODE\n");
    struct TCase {
        const char* name;
        TTextList params;
        TViaParm expected;
    } cases[] = {
        {"file only", {}, {"D:\\FromFile", "", "D:\\ExeFromFile", "FILECODE"}},
        {"switches win",
         {"/progdatafolder", " D:\\Switch ", "-PRODUCTCODE", "X"},
         {"D:\\Switch", "", "D:\\ExeFromFile", "X"}},
        {"first parameter wins over the file", {"D:\\Existing"}, {"D:\\Existing", "", "D:\\ExeFromFile", "FILECODE"}},
        {"switch wins over the first parameter",
         {"D:\\Existing", "-ProgDataFolder", "E:\\S"},
         {"E:\\S", "", "D:\\ExeFromFile", "FILECODE"}},
        {"first parameter not a folder", {"D:\\Missing"}, {"D:\\FromFile", "", "D:\\ExeFromFile", "FILECODE"}},
        {"first parameter a switch", {"-x"}, {"D:\\FromFile", "", "D:\\ExeFromFile", "FILECODE"}},
        {"switch without value", {"-UserDataFolder"}, {"D:\\FromFile", "", "D:\\ExeFromFile", "FILECODE"}},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        TTextList params = row.params;
        params.insert(params.begin(), "plux.exe");
        TCommandLine commandLine(params);
        const TViaParm overrides = ReadOverrides(commandLine, ports);
        EXPECT_EQ(overrides.ProgDataFolder, row.expected.ProgDataFolder);
        EXPECT_EQ(overrides.UserDataFolder, row.expected.UserDataFolder);
        EXPECT_EQ(overrides.ExeDataFolder, row.expected.ExeDataFolder);
        EXPECT_EQ(overrides.ProductCode, row.expected.ProductCode);
    }
}

TEST_F(ProgSettingsTest, ALongExecutableNameIsCutTo32ForSectionAndProductCode) {
    facts.executablePath = "C:\\Tools\\" + std::string(40, 'p') + ".exe";
    files.files["C:\\Tools\\PrgSttng.ini"] = "[" + std::string(32, 'p') + "]\nExeDataFolder=D:\\Cut\n";
    version.items.erase("ProductCode");
    TProgSettings settings = Create({});
    EXPECT_EQ(settings.ExeDataFolder(), "D:\\Cut");
    EXPECT_EQ(settings.ProductCode(), std::string(32, 'p'));
}

TEST_F(ProgSettingsTest, TheProductCodeFallsBackFromOverrideToVersionItemToExecutableName) {
    EXPECT_EQ(Create({"-ProductCode", "OWN"}).ProductCode(), "OWN");
    version.items["ProductCode"] = "";
    EXPECT_EQ(Create({}).ProductCode(), "plux");
    version.unreadable = true;
    TProgSettings settings = Create({});
    EXPECT_EQ(settings.ProductCode(), "plux");
    EXPECT_THROW(settings.VersionText(), Exception) << "version errors reach the window's creation step";
}

TEST_F(ProgSettingsTest, PlaceholdersAreReplacedInAnyCaseAtEveryOccurrence) {
    TProgSettings settings = Create({});
    EXPECT_EQ(settings.ExpandPlaceholders(":EXE:Data"), "C:\\Tools\\Data");
    EXPECT_EQ(settings.ExpandPlaceholders(":exe:a:Exe:"), "C:\\Tools\\aC:\\Tools\\");
    EXPECT_EQ(settings.ExpandPlaceholders(":dft:x"), "C:\\Tools\\Data\\x");
    EXPECT_EQ(settings.ExpandPlaceholders(":ApplicData:Plux"), "C:\\Users\\JDoe\\AppData\\Roaming\\Plux");
    EXPECT_EQ(settings.ExpandPlaceholders(":mydoc:"), "C:\\Users\\JDoe\\Documents\\");
    EXPECT_EQ(settings.ExpandPlaceholders("rel"), "rel");
    EXPECT_EQ(Create({"-ExeDataFolder", ":EXE:Data"}).ExeDataFolder(), "C:\\Tools\\Data");
    EXPECT_EQ(Create({"-ExeDataFolder", "rel\\..\\dir"}).ExeDataFolder(), "C:\\Work\\dir");
    EXPECT_TRUE(files.FolderExists("C:\\Work\\dir"));
}

TEST_F(ProgSettingsTest, AnExpansionNeedsBothShellFoldersEvenWithoutTheirPlaceholders) {
    facts.specialFolders.erase(kCsidlPersonal);
    EXPECT_NO_THROW(Create({})) << "no override, no expansion";
    try {
        Create({"-UserDataFolder", "D:\\Plain"});
        ADD_FAILURE() << "no exception";
    } catch (const ENoxShellException& error) {
        EXPECT_EQ(error.Message(), "Functie niet aanwezig in deze versie van de Windowsshell");
    }
}

TEST_F(ProgSettingsTest, ABarLayoutNameForAnotherProductRestoresTheDefaultCode) {
    TProgSettings settings = Create({});
    const std::string ownName = settings.BarLayoutFileName("frmPLUX");
    EXPECT_EQ(settings.BarLayoutFileName("frmPLUX", "plux"), ownName);
    EXPECT_EQ(settings.BarLayoutFileName("frmPLUX", "Other"),
              "C:\\Tools\\Data\\Other\\users\\jdoe\\formdata\\frmPLUX.bar.ini");
    EXPECT_EQ(settings.ProductCode(), "PLUX");
    settings.SetProductCode("Temp");
    EXPECT_EQ(settings.BarLayoutFileName("frmPLUX"), "C:\\Tools\\Data\\Temp\\users\\jdoe\\formdata\\frmPLUX.bar.ini");
    EXPECT_EQ(settings.ProductCode(), "PLUX") << "a call without code also restores the default";
}

TEST_F(ProgSettingsTest, OnlyAsciiLettersOfTheUserNameAreLowered) {
    facts.userName = "J\xC9R\xD4ME Dupont";
    EXPECT_EQ(Create({}).UserName(), "j\xC9r\xD4me dupont");
    facts.userName = "";
    EXPECT_EQ(Create({}).UserFolder(), "C:\\Tools\\Data\\PLUX\\users");
}

TEST_F(ProgSettingsTest, FoldersThatCannotBeCreatedAreNotReported) {
    files.refused = {"D:\\Locked"};
    TProgSettings settings = Create({"-UserDataFolder", "D:\\Locked"});
    EXPECT_EQ(settings.UserDataFolder(), "D:\\Locked");
    EXPECT_EQ(settings.FormStateFileName("frmPLUX"), "D:\\Locked\\PLUX\\users\\jdoe\\formdata\\frmPLUX.ini");
}

TEST_F(ProgSettingsTest, TheModuleComesUpOnceAndGoesDownWithItsOverrides) {
    EXPECT_EQ(ProgSettings(), nullptr);
    TCommandLine first({"plux.exe", "-ProductCode", "FIRST"});
    InitProgSettings(first, ports);
    ASSERT_NE(ProgSettings(), nullptr);
    TCommandLine second({"plux.exe", "-ProductCode", "SECOND"});
    InitProgSettings(second, ports);
    EXPECT_EQ(ProgSettings()->ProductCode(), "FIRST");
    EXPECT_EQ(ViaParm().ProductCode, "FIRST");
    FinalizeProgSettings();
    EXPECT_EQ(ProgSettings(), nullptr);
    EXPECT_EQ(ViaParm().ProductCode, "");
}

}  // namespace
