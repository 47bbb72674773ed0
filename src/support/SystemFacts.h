#ifndef PLUX_SUPPORT_SYSTEMFACTS_H
#define PLUX_SUPPORT_SYSTEMFACTS_H

#include <optional>
#include <string>

#include "support/DateTime.h"

// Identifiers of the shell's special folders.
inline constexpr int kCsidlPersonal = 0x05;  // the user's documents
inline constexpr int kCsidlAppData = 0x1A;   // the per-user application data

// What the platform tells about the machine, the user and the moment. Portable code takes it as a
// parameter so that tests can give fixed answers.
class TSystemFacts {
public:
    virtual ~TSystemFacts() = default;
    // The computer's network name; empty when it cannot be read.
    virtual std::string ComputerName() const = 0;
    // The logged-on user's name; empty when it cannot be read.
    virtual std::string UserName() const = 0;
    // The full path of the running executable.
    virtual std::string ExecutablePath() const = 0;
    virtual TDateTime Now() const = 0;
    virtual TLocaleFormats LocaleFormats() const = 0;
    // The path the shell gives for a special folder; nothing when it cannot resolve it.
    virtual std::optional<std::string> SpecialFolder(int csidl) const = 0;
    // The working directory against which relative paths are taken.
    virtual std::string CurrentDirectory() const = 0;
};

TSystemFacts& PlatformSystemFacts();

// The folder of an executable path, ending in a backslash.
std::string ProgramFolderOf(const std::string& executablePath);

#endif
