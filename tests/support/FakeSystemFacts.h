#ifndef PLUX_TESTS_SUPPORT_FAKESYSTEMFACTS_H
#define PLUX_TESTS_SUPPORT_FAKESYSTEMFACTS_H

#include <map>
#include <string>

#include "support/SystemFacts.h"

// Fixed answers, set field by field.
class TFakeSystemFacts final : public TSystemFacts {
public:
    std::string ComputerName() const override { return computerName; }
    std::string UserName() const override { return userName; }
    std::string ExecutablePath() const override { return executablePath; }
    TDateTime Now() const override { return now; }
    TLocaleFormats LocaleFormats() const override { return locale; }
    std::optional<std::string> SpecialFolder(int csidl) const override {
        const auto found = specialFolders.find(csidl);
        if (found == specialFolders.end())
            return std::nullopt;
        return found->second;
    }
    std::string CurrentDirectory() const override { return currentDirectory; }

    std::string computerName = "PC1";
    std::string userName = "JDoe";
    std::string executablePath = "C:\\Tools\\plux.exe";
    TDateTime now{2004, 2, 3, 9, 5, 7, 2};  // Tue 03-02-2004 09:05:07
    TLocaleFormats locale;
    // A folder missing here is one the shell cannot resolve.
    std::map<int, std::string> specialFolders = {{kCsidlAppData, "C:\\Users\\JDoe\\AppData\\Roaming"},
                                                 {kCsidlPersonal, "C:\\Users\\JDoe\\Documents"}};
    std::string currentDirectory = "C:\\Work";
};

#endif
