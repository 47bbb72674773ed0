#include "check/ProductScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "support/TestRegistryKey_win.h"
#include "toolkit/Exception.h"
#include "toolkit/win/Handles_win.h"

namespace {

TProductList Scan(const std::string& root) {
    TProductList products;
    ScanProducts(*MachineProductKeys(), root, products);
    return products;
}

TEST(ProductScanRegistry, ReadsVersionValuesAsTheRegistryHoldsThem) {
    TTestRegistryKey root("values");
    root.SetVersion("Plain", "4.2");
    root.SetValue("Expandable", "version", REG_EXPAND_SZ, std::string("%PLUX_VER%") + '\0');
    root.SetValue("Embedded NUL", "version", REG_SZ, std::string("1.0\0xyz\0", 8));
    root.SetValue("No NUL at all", "version", REG_SZ, "2.5");
    root.SetValue("Empty", "version", REG_SZ, std::string(1, '\0'));
    root.SetValue("Other value only", "Version2", REG_SZ, std::string("9") + '\0');
    root.SetVersion("Long", std::string(700, '7'));
    root.LockSubKey("Locked");

    const TProductList products = Scan(root.Path());
    const TTextList names = {"Embedded NUL", "Empty",         "Expandable",       "Locked",
                             "Long",         "No NUL at all", "Other value only", "Plain"};
    const TTextList versions = {"1.0", "", "%PLUX_VER%", ":[?]", std::string(700, '7'), "2.5", "", "4.2"};
    EXPECT_EQ(products.ProductNames, names);
    EXPECT_EQ(products.ProductVersions, versions);
}

TEST(ProductScanRegistry, ListsSubkeysInTheRegistrysOrderWithTheirCase) {
    TTestRegistryKey root("order");
    for (const char* name : {"Zeta (Delphi 7)", "beta (Delphi 5)", "Alpha (Delphi 7)", "10 Numbered"}) {
        root.SetVersion(name, "1");
    }
    EXPECT_EQ(Scan(root.Path()).ProductNames,
              (TTextList{"10 Numbered", "Alpha (Delphi 7)", "beta (Delphi 5)", "Zeta (Delphi 7)"}));
}

// A product key created through the wide call, as an installer in another language does; returns the
// name as this process's code page spells it and whether that spelling lost characters.
std::pair<std::string, bool> AddWideProduct(const TTestRegistryKey& root, const std::wstring& name) {
    const std::string rootPath = root.Path() + "\\";
    const std::wstring path = std::wstring(rootPath.begin(), rootPath.end()) + name;
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const TScopedKey product(key);
    EXPECT_EQ(RegSetValueExW(key, L"version", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"2"), 2 * sizeof(wchar_t)),
              ERROR_SUCCESS);
    char ansi[1024];
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.c_str(), static_cast<int>(name.size()),
                                           ansi, sizeof ansi, nullptr, &lossy);
    return {std::string(ansi, static_cast<std::size_t>(std::max(length, 0))), lossy != FALSE};
}

// 255 characters that take 510 bytes in a double-byte code page, though the key's longest-name count
// says 255, and a product after it. A code page that cannot spell a name gives it question marks, and
// its key cannot be opened by that name. (tests/e2e/export runs this again under code page 932.)
TEST(ProductScanRegistry, ListsEveryProductWhateverItsNameTakesInBytes) {
    if (const char* expected = std::getenv("PLUX_EXPECT_ACP")) {
        ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
    }
    TTestRegistryKey root("wide names");
    root.SetVersion("A first", "1");
    const auto [longName, longLossy] = AddWideProduct(root, std::wstring(255, L'\x3042'));
    const auto [laterName, laterLossy] = AddWideProduct(root, L"\x4E00 later");
    const TProductList products = Scan(root.Path());
    EXPECT_EQ(products.ProductNames, (TTextList{"A first", longName, laterName}));
    EXPECT_EQ(products.ProductVersions, (TTextList{"1", longLossy ? ":[?]" : "2", laterLossy ? ":[?]" : "2"}));
}

TEST(ProductScanRegistry, NumericVersionRaisesTheDataTypeError) {
    TTestRegistryKey root("numeric");
    root.SetVersion("A", "1");
    root.SetValue("B", "version", REG_DWORD, std::string("\x05\0\0\0", 4));
    TProductList products;
    try {
        ScanProducts(*MachineProductKeys(), root.Path(), products);
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Invalid data type for 'version'");
    }
    EXPECT_EQ(products.ProductNames, (TTextList{"A", "B"}));
    EXPECT_EQ(products.ProductVersions, TTextList{"1"});
}

TEST(ProductScanRegistry, MissingRootOrOtherViewGivesNoProducts) {
    EXPECT_TRUE(Scan("SOFTWARE\\PluxTests\\no such key").ProductNames.empty());

    // A key in the 64-bit view only is not where the products' installers write.
    const std::string native64 = "SOFTWARE\\PluxTests64-" + std::to_string(GetCurrentProcessId());
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, (native64 + "\\P").c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_TRUE(Scan(native64).ProductNames.empty());
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, (native64 + "\\P").c_str(), KEY_WOW64_64KEY, 0);
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, native64.c_str(), KEY_WOW64_64KEY, 0);
}

}  // namespace
