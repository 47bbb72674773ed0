#include "support/FileSystemNames.h"

#include <gtest/gtest.h>

namespace {

TEST(FileSystemNames, DeviceNamesAnywhereWithOrWithoutExtension) {
    const struct {
        const char* path;
        bool device;
    } rows[] = {
        {"aux", true},
        {"AUX.plx", true},
        {"com1", true},
        {"C:\\prog\\com1.plx", true},
        {"con", true},
        {"nul", true},
        {"Z:/tmp/NUL.txt", true},
        {"prn", true},
        {"lpt1.plx", true},
        {"lpt9", true},
        {"com\xB9", true},
        {"aux .plx", true},
        {"nul.tar.gz", true},
        {"C:\\prog\\NUL..plx", true},
        {"C:\\prog\\nul. .plx", true},
        {"C:\\prog\\NUL:.plx", true},
        {"C:\\prog\\con :.plx", true},
        {"NUL:", true},
        {"C:\\prog\\NUL: .plx", false},
        {"C:.plx", false},
        {"C:conout$", true},
        {"\\\\.\\pipe\\report", true},
        {"\\\\.\\C:", true},
        {"\\\\?\\pipe\\report", true},
        {"\\\\?\\C:\\prog\\old.plx", false},
        {"\\\\?\\UNC\\server\\share\\old.plx", false},
        {"C:\\aux\\old.plx", false},
        {"auxiliary.plx", false},
        {"com10.plx", false},
        {"comx", false},
        {"lpt.plx", false},
        {"nul_.plx", false},
        {"old.nul", false},
        {"", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(NamesDevice(row.path), row.device);
    }
}

}  // namespace
