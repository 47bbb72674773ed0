#include "sources/ProductsFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "support/StdFileSystem.h"
#include "support/TempDir.h"

namespace {

class ProductsFileTest : public ::testing::Test {
protected:
    // Written at 2024-05-02 08:30:00 UTC, which the test file system reports as it is.
    std::string Write(const char* name, std::string_view content) const {
        using namespace std::chrono;
        folder.WriteFile(name, content);
        const sys_seconds when = sys_days{year{2024} / May / 2} + hours{8} + minutes{30};
        std::filesystem::last_write_time(folder.PathOf(name), file_clock::from_sys(when));
        return folder.PathOf(name);
    }

    TTempDir folder;
    TStdFileSystem files;
    TProductsFileReading reading{&files, {}, {{2004, 2, 3, 9, 5, 7, 2}, 60}};
};

std::string Shown(const std::optional<TLocalTime>& time) {
    if (!time)
        return "none";
    const TDateTime& when = time->When;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d %+d", when.Year, when.Month, when.Day, when.Hour,
                  when.Minute, when.Second, time->UtcOffsetMinutes);
    return text;
}

// A snapshot's timestamp is read in this machine's locale at this moment's offset; one written in
// another locale leaves the file's own time.
TEST_F(ProductsFileTest, ASnapshotIsTimedByItsTimestampWhenItReads) {
    const struct {
        const char* timestamp;
        const char* time;
    } rows[] = {
        {"01/05/2024 09:00:00", "2024-05-01 09:00:00 +60"},
        {"31/12/2023", "2023-12-31 00:00:00 +60"},
        {"5/1/2024 9:00:00 AM", "2024-05-02 08:30:00 +0"},
        {"", "2024-05-02 08:30:00 +0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.timestamp);
        const std::string path =
            Write("Base.PLX", std::string("[base]\r\n\\datetime\\=") + row.timestamp + "\r\nGrid 4 (Delphi 7)=4.2\r\n");
        const TMachineProducts read = ReadProductsFile(path, reading);
        EXPECT_EQ(read.Products.ProductNames, TTextList{"Grid 4 (Delphi 7)"});
        EXPECT_EQ(read.Products.ProductVersions, TTextList{"4.2"});
        EXPECT_EQ(read.Facts.Computer, "Base.PLX");
        EXPECT_EQ(read.Facts.User, std::nullopt);
        EXPECT_EQ(read.Facts.RegistryKey, std::nullopt);
        EXPECT_EQ(Shown(read.Facts.CheckedAt), row.time);
    }
}

// Compared with, a report or an export is a snapshot named after the file, saved at the time it tells.
TEST_F(ProductsFileTest, AnotherKindOfFileComparesAsASnapshotOfItsName) {
    const std::string json = Write("dev.json",
                                   "{\"checkedAt\": \"2024-02-29T23:59:01-02:30\", \"products\": [\r\n"
                                   "{\"name\": \"Grid 4 (Delphi 7)\", \"version\": \"4.10\"},\r\n"
                                   "{\"name\": \"Bars 5 (Delphi 7)\", \"version\": null}]}");
    const TSnapshotSection fromJson = ReadProductsFileAsSnapshot(json, reading);
    EXPECT_EQ(fromJson.Name(), "dev");
    EXPECT_EQ(fromJson.SavedAt(), "29/02/2024 23:59:01");
    ASSERT_EQ(fromJson.Entries().size(), 1u);
    EXPECT_EQ(fromJson.Entries()[0].Key, "Grid 4 (Delphi 7)");
    EXPECT_EQ(fromJson.Entries()[0].Value, "4.10");

    const std::string reg = Write("dev.Reg",
                                  "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Component Suite VCL Products\\"
                                  "Tools 1 (Delphi 7)]\r\n\"version\"=\"1.0\"\r\n");
    const TSnapshotSection fromReg = ReadProductsFileAsSnapshot(reg, reading);
    EXPECT_EQ(fromReg.SavedAt(), "02/05/2024 08:30:00");
    EXPECT_TRUE(fromReg.Find(" tools 1 (DELPHI 7)"));
}

}  // namespace
