#include "versioninfo/VersionInfo.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "support/RaisedVersionError.h"

namespace {

// One file with a version block whose parts can be taken away; counts the reads.
class TFakeVersionApi final : public TVersionApi {
public:
    bool FileExists(const std::string& path) const override { return files.contains(path); }
    std::string ExecutablePath() const override { return "C:\\Tools\\plux.exe"; }
    std::uint32_t InfoSize(const std::string&, std::uint32_t& lastError) const override {
        ++sizeQueries;
        lastError = sizeError;
        return sizeError == 0 && !emptySize ? 16 : 0;
    }
    bool ReadInfo(const std::string&, std::vector<std::uint8_t>& block) const override {
        return readable && block.size() == 16;
    }
    std::optional<TVersionTranslation> FirstTranslation(const std::vector<std::uint8_t>&) const override {
        return translation;
    }
    bool HasFixedInfo(const std::vector<std::uint8_t>&) const override { return fixedInfo; }
    std::optional<std::string> StringItem(const std::vector<std::uint8_t>&, const std::string& path) const override {
        const auto found = items.find(path);
        if (found == items.end())
            return std::nullopt;
        return found->second;
    }

    std::set<std::string> files = {"C:\\Tools\\plux.exe", "C:\\other.exe"};
    std::uint32_t sizeError = 0;
    bool emptySize = false;
    bool readable = true;
    std::optional<TVersionTranslation> translation = TVersionTranslation{0x0813, 0x04E4};
    bool fixedInfo = true;
    std::map<std::string, std::string> items = {{"StringFileInfo\\081304e4\\FileDescription", "Plux"},
                                                {"StringFileInfo\\081304e4\\FileVersion", "1.2.0.2"},
                                                {"StringFileInfo\\081304e4\\ProductCode", "PLUX"}};
    mutable int sizeQueries = 0;
};

TEST(VersionInfo, ErrorsCarryTheirCodeAndText) {
    const std::pair<int, const char*> cases[] = {
        {73, "Error opening file"},
        {100, "File does not contain version info"},
        {101, "Unable to read version info"},
        {134, "The specified key cannnot be found in version info"},
    };
    for (const auto& [code, text] : cases) {
        const EVersionInfoError error(code);
        EXPECT_EQ(error.Code(), code);
        EXPECT_EQ(error.Message(), text);
    }
}

TEST(VersionInfo, ItemPathsUseLowerCaseHexOfTheFirstTranslation) {
    EXPECT_EQ(StringFileInfoPath({0x0813, 0x04E4}), "StringFileInfo\\081304e4\\");
    EXPECT_EQ(StringFileInfoPath({0xABCD, 0}), "StringFileInfo\\abcd0000\\");
}

TEST(VersionInfo, ReadsTheStandardValuesOnceAndItemsEveryTime) {
    TFakeVersionApi api;
    TVersionInfo info(api);
    EXPECT_EQ(info.FileName(), "C:\\Tools\\plux.exe");
    EXPECT_EQ(info.FileDescription(), "Plux");
    EXPECT_EQ(info.FileVersion(), "1.2.0.2");
    EXPECT_EQ(api.sizeQueries, 1);
    EXPECT_EQ(info.ReadItem("ProductCode"), "PLUX");
    EXPECT_EQ(info.ReadItem("ProductCode"), "PLUX");
    EXPECT_EQ(api.sizeQueries, 3);
    EXPECT_EQ(ErrorCode([&] { info.ReadItem("Missing"); }), kVersionKeyNotFound);

    info.SetFileName("C:\\Tools\\plux.exe");
    EXPECT_EQ(info.FileDescription(), "Plux");
    EXPECT_EQ(api.sizeQueries, 4) << "the same name keeps the loaded values";
    info.SetFileName("C:\\other.exe");
    info.FileVersion();
    EXPECT_EQ(api.sizeQueries, 5) << "another name loads again";
}

TEST(VersionInfo, MissingStandardItemsReadAsEmpty) {
    TFakeVersionApi api;
    api.items.clear();
    TVersionInfo info(api);
    EXPECT_EQ(info.FileDescription(), "");
    EXPECT_EQ(info.FileVersion(), "");
}

TEST(VersionInfo, AFileThatDoesNotExistIsRefusedAndTheNameKept) {
    TFakeVersionApi api;
    TVersionInfo info(api);
    info.SetFileName("C:\\other.exe");
    EXPECT_EQ(ErrorCode([&] { info.SetFileName("C:\\missing.exe"); }), kVersionFileNotFound);
    EXPECT_EQ(info.FileName(), "C:\\other.exe");
    info.SetFileName("");
    EXPECT_EQ(info.FileName(), "C:\\Tools\\plux.exe");
}

TEST(VersionInfo, EachBrokenPartOfTheResourceGivesItsCode) {
    struct TCase {
        const char* name;
        std::function<void(TFakeVersionApi&)> breakIt;
        int code;
    } cases[] = {
        {"no resource (Windows)", [](TFakeVersionApi& api) { api.sizeError = 1813; }, 100},
        {"no resource (Wine)", [](TFakeVersionApi& api) { api.sizeError = 1812; }, 100},
        {"size without error code", [](TFakeVersionApi& api) { api.emptySize = true; }, 101},
        {"size with another error", [](TFakeVersionApi& api) { api.sizeError = 2; }, 101},
        {"unreadable block", [](TFakeVersionApi& api) { api.readable = false; }, 101},
        {"no translation", [](TFakeVersionApi& api) { api.translation.reset(); }, 101},
        {"no fixed information", [](TFakeVersionApi& api) { api.fixedInfo = false; }, 101},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        TFakeVersionApi api;
        row.breakIt(api);
        TVersionInfo info(api);
        EXPECT_EQ(ErrorCode([&] { info.FileDescription(); }), row.code);
        // ReadItem does not need the fixed information block.
        const int itemCode = api.fixedInfo ? row.code : 0;
        EXPECT_EQ(ErrorCode([&] { info.ReadItem("ProductCode"); }), itemCode);
    }
}

}  // namespace
