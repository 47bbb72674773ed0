#include "support/ProgSettings.h"

#include <gtest/gtest.h>

#include "support/FakeExecutableVersion.h"
#include "support/TempDir.h"

namespace {

// The real platform, with the executable placed in a test folder.
class TRelocatedFacts final : public TSystemFacts {
public:
    explicit TRelocatedFacts(std::string executablePath) : executablePath_(std::move(executablePath)) {}
    std::string ComputerName() const override { return real_.ComputerName(); }
    std::string UserName() const override { return real_.UserName(); }
    std::string ExecutablePath() const override { return executablePath_; }
    TDateTime Now() const override { return real_.Now(); }
    TLocaleFormats LocaleFormats() const override { return real_.LocaleFormats(); }
    std::optional<std::string> SpecialFolder(int csidl) const override { return real_.SpecialFolder(csidl); }
    std::string CurrentDirectory() const override { return real_.CurrentDirectory(); }

private:
    const TSystemFacts& real_ = PlatformSystemFacts();
    std::string executablePath_;
};

// plux.exe in a fresh test folder, on the real platform otherwise.
class ProgSettingsOnWindows : public ::testing::Test {
protected:
    TProgSettings Create() {
        TCommandLine commandLine({"plux.exe"});
        return TProgSettings(ReadOverrides(commandLine, ports), ports);
    }

    TTempDir program;
    const TRelocatedFacts facts{program.Path() + "plux.exe"};
    const TFakeExecutableVersion version;
    const TSettingsPorts ports{&facts, &PlatformFileSystem(), &version};
    const std::string user = LowerCase(PlatformSystemFacts().UserName());
};

TEST_F(ProgSettingsOnWindows, CreatesTheRealFoldersOfTheDefaultLayout) {
    const TProgSettings settings = Create();

    EXPECT_EQ(settings.UserDataFolder(), program.Path() + "Data");
    EXPECT_EQ(settings.FormStateFileName("frmPLUX"),
              program.Path() + "Data\\PLUX\\users\\" + user + "\\formdata\\frmPLUX.ini");
    EXPECT_TRUE(program.Exists("Data/PLUX/users/" + user + "/formdata"));
}

TEST_F(ProgSettingsOnWindows, ASettingsFileMovesTheUserFolder) {
    program.WriteFile("PrgSttng.ini", "[plux]\r\nUserDataFolder=:exe:Shared;\r\nExeDataFolder=:exe:Exe\\Deep\r\n");
    const TProgSettings settings = Create();

    EXPECT_EQ(settings.UserFolder(), program.Path() + "Shared\\users\\" + user);
    EXPECT_TRUE(program.Exists("Shared/users/" + user));
    EXPECT_TRUE(program.Exists("Exe/Deep"));
    EXPECT_TRUE(program.Exists("Data")) << "expanding a placeholder creates the data folder";
}

}  // namespace
