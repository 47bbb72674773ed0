#ifndef PLUX_SUPPORT_PROGSETTINGS_H
#define PLUX_SUPPORT_PROGSETTINGS_H

#include <string>
#include <string_view>

#include "support/CommandLine.h"
#include "support/FileSystem.h"
#include "support/Folders.h"
#include "support/SystemFacts.h"

// Where the program keeps its data. At start-up the overrides (TViaParm) are read from the switches,
// the first parameter and "PrgSttng.ini"; then the one TProgSettings fixes the program data, executable
// data and user data folders, creating them, and derives the per-user folders and state file names.

struct TViaParm {
    std::string ProgDataFolder;
    std::string UserDataFolder;
    std::string ExeDataFolder;
    std::string ProductCode;
};

// The version resource of the running executable. Each call reads it afresh and may raise.
class TExecutableVersion {
public:
    virtual ~TExecutableVersion() = default;
    virtual std::string ReadItem(const std::string& name) const = 0;
    virtual std::string FileDescription() const = 0;
    virtual std::string FileVersion() const = 0;
};

// What the settings ask of the platform; everything must outlive the settings.
struct TSettingsPorts {
    const TSystemFacts* Facts = nullptr;
    TFileSystem* Files = nullptr;
    const TExecutableVersion* Version = nullptr;
};

// Fills the overrides: switches first, then the first parameter, then the settings file for what is
// still empty.
TViaParm ReadOverrides(TCommandLine& commandLine, const TSettingsPorts& ports);

class TProgSettings : public TnoxFolderRtns {
public:
    TProgSettings(TViaParm overrides, const TSettingsPorts& ports);

    const std::string& UserName() const { return userName_; }
    const std::string& ProductCode() const { return productCode_; }
    const std::string& ProgDataFolder() const { return progDataFolder_; }
    const std::string& UserDataFolder() const { return userDataFolder_; }
    const std::string& ExeDataFolder() const { return exeDataFolder_; }
    bool NoProductFolder() const { return noProductFolder_; }

    std::string DefaultProductCode() const;
    // The code, or the default one when it is empty, becomes the product code.
    void SetProductCode(std::string_view code);
    // Replaces ":exe:", ":dft:", ":applicdata:" and ":mydoc:" in any case; raises ENoxShellException
    // when the shell cannot tell a special folder.
    std::string ExpandPlaceholders(std::string_view value) const;

    // Folders without trailing backslash unless stated; each call creates what is missing.
    std::string UserFolder() const;
    std::string FormDataFolder() const;  // ends in a backslash
    std::string FormStateFileName(std::string_view windowName) const;
    // The product code given for the call, when another one, shapes the path; afterwards the product
    // code is the default one again.
    std::string BarLayoutFileName(std::string_view windowName, std::string_view productCode = {});
    // "FileDescription - FileVersion" of the executable; version errors reach the caller.
    std::string VersionText() const;

private:
    std::string ResolveFolder(const std::string& override, bool& endedInSemicolon) const;

    TViaParm overrides_;
    TSettingsPorts ports_;
    std::string userName_;
    std::string productCode_;
    std::string progDataFolder_;
    std::string userDataFolder_;
    std::string exeDataFolder_;
    bool noProductFolder_ = false;
};

// Module life. Initialisation runs once (a second request is ignored) and may raise
// ENoxShellException; ProgSettings() is null before it and after finalisation.
void InitProgSettings(TCommandLine& commandLine, const TSettingsPorts& ports);
void FinalizeProgSettings();
TProgSettings* ProgSettings();
// The overrides in force, as initialisation read them.
const TViaParm& ViaParm();

#endif
