#include "support/ProfileIni.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/ProfileFileCases.h"
#include "support/TempDir.h"

namespace {

std::string PlatformRead(const TProfileLookup& lookup, const std::string& path) {
    char buffer[ini::kMaxProfileValue + 1] = {};
    const DWORD length = GetPrivateProfileStringA(lookup.Section.c_str(), lookup.Key.c_str(), lookup.Default.c_str(),
                                                  buffer, sizeof buffer, path.c_str());
    return std::string(buffer, length);
}

// The table the native tests hold our reader to, read here by the platform's own profile function and
// by our reader over real files.
TEST(ProfileIniOnWindows, ThePlatformReadsTheTableAsOurReaderDoes) {
    TTempDir dir;
    int number = 0;
    for (const TProfileFileCase& file : ProfileFileCases()) {
        SCOPED_TRACE(file.Name);
        // A fresh name for each file: the platform caches the files it has read.
        const std::string name = "case" + std::to_string(++number) + ".ini";
        dir.WriteFile(name, file.Bytes);
        TProfileIniFile ours(dir.PathOf(name), PlatformFileSystem());
        for (const TProfileLookup& lookup : file.Lookups) {
            SCOPED_TRACE(testing::PrintToString(lookup.Section) + " / " + testing::PrintToString(lookup.Key));
            EXPECT_EQ(PlatformRead(lookup, dir.PathOf(name)), lookup.Expected) << "platform";
            EXPECT_EQ(ours.ReadString(lookup.Section, lookup.Key, lookup.Default), lookup.Expected) << "ours";
        }
    }
}

}  // namespace
