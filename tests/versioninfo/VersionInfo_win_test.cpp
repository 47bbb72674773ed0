#include "versioninfo/VersionInfo.h"

#include <gtest/gtest.h>

#include "support/RaisedVersionError.h"
#include "support/SystemFacts.h"
#include "support/TempDir.h"

namespace {

TEST(VersionInfoOnWindows, ReadsTheProgramsOwnResource) {
    TVersionInfo info(PlatformVersionApi());
    info.SetFileName(PLUX_EXE_PATH);
    EXPECT_EQ(info.FileDescription(), "Plux");
    EXPECT_EQ(info.FileVersion(), "1.2.0.2");
    // The resource keys its strings "081304E4"; the reader asks for "081304e4".
    EXPECT_EQ(info.ReadItem("ProductCode"), "PLUX");
    EXPECT_EQ(ErrorCode([&] { info.ReadItem("CompanyName"); }), kVersionKeyNotFound);
}

TEST(VersionInfoOnWindows, AnExecutableWithoutResourceOrAMissingFileIsAnError) {
    TVersionInfo info(PlatformVersionApi());
    EXPECT_EQ(info.FileName(), PlatformSystemFacts().ExecutablePath()) << "the test program, built without one";
    EXPECT_EQ(ErrorCode([&] { info.FileDescription(); }), kVersionInfoMissing);
    EXPECT_EQ(ErrorCode([&] { info.ReadItem("ProductCode"); }), kVersionInfoMissing);

    TTempDir dir;
    EXPECT_EQ(ErrorCode([&] { info.SetFileName(dir.PathOf("missing.exe")); }), kVersionFileNotFound);
    EXPECT_EQ(info.FileName(), PlatformSystemFacts().ExecutablePath());
    dir.WriteFile("text.exe", "not an executable");
    info.SetFileName(dir.PathOf("text.exe"));
    EXPECT_NE(ErrorCode([&] { info.FileVersion(); }), 0);
}

}  // namespace
