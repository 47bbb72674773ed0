#ifndef PLUX_TESTS_SUPPORT_FAKEEXECUTABLEVERSION_H
#define PLUX_TESTS_SUPPORT_FAKEEXECUTABLEVERSION_H

#include <map>
#include <string>

#include "support/ProgSettings.h"
#include "toolkit/Exception.h"

// A version resource with the items set here; a missing item raises like the real reader, and
// `unreadable` makes every read raise.
class TFakeExecutableVersion final : public TExecutableVersion {
public:
    std::string ReadItem(const std::string& name) const override {
        Check();
        const auto found = items.find(name);
        if (found == items.end())
            throw Exception("The specified key cannnot be found in version info");
        return found->second;
    }
    std::string FileDescription() const override {
        Check();
        return items.contains("FileDescription") ? items.at("FileDescription") : std::string();
    }
    std::string FileVersion() const override {
        Check();
        return items.contains("FileVersion") ? items.at("FileVersion") : std::string();
    }

    std::map<std::string, std::string> items = {{"FileDescription", "Plux"},
                                                {"FileVersion", "1.2.0.2"},
                                                {"ProductCode", "PLUX"}};
    bool unreadable = false;

private:
    void Check() const {
        if (unreadable)
            throw Exception("File does not contain version info");
    }
};

#endif
