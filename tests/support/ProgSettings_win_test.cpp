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

TEST(ProgSettingsOnWindows, CreatesTheRealFoldersOfTheDefaultLayout) {
    TTempDir program;
    const TRelocatedFacts facts(program.Path() + "plux.exe");
    const TFakeExecutableVersion version;
    const TSettingsPorts ports{&facts, &PlatformFileSystem(), &version};
    TCommandLine commandLine({"plux.exe"});
    const TProgSettings settings(ReadOverrides(commandLine, ports), ports);

    const std::string user = LowerCase(PlatformSystemFacts().UserName());
    EXPECT_EQ(settings.UserDataFolder(), program.Path() + "Data");
    EXPECT_EQ(settings.FormStateFileName("frmPLUX"),
              program.Path() + "Data\\PLUX\\users\\" + user + "\\formdata\\frmPLUX.ini");
    EXPECT_TRUE(program.Exists("Data/PLUX/users/" + user + "/formdata"));
}

TEST(ProgSettingsOnWindows, ASettingsFileMovesTheUserFolder) {
    TTempDir program;
    program.WriteFile("PrgSttng.ini", "[plux]\r\nUserDataFolder=:exe:Shared;\r\nExeDataFolder=:exe:Exe\\Deep\r\n");
    const TRelocatedFacts facts(program.Path() + "plux.exe");
    const TFakeExecutableVersion version;
    const TSettingsPorts ports{&facts, &PlatformFileSystem(), &version};
    TCommandLine commandLine({"plux.exe"});
    const TProgSettings settings(ReadOverrides(commandLine, ports), ports);

    const std::string user = LowerCase(PlatformSystemFacts().UserName());
    EXPECT_EQ(settings.UserFolder(), program.Path() + "Shared\\users\\" + user);
    EXPECT_TRUE(program.Exists("Shared/users/" + user));
    EXPECT_TRUE(program.Exists("Exe/Deep"));
    EXPECT_TRUE(program.Exists("Data")) << "expanding a placeholder creates the data folder";
}

}  // namespace
