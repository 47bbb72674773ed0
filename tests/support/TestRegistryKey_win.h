#ifndef PLUX_TESTS_SUPPORT_TESTREGISTRYKEY_WIN_H
#define PLUX_TESTS_SUPPORT_TESTREGISTRYKEY_WIN_H

#include <windows.h>

#include <string>
#include <string_view>

// A key of the test's own under HKLM\SOFTWARE\PluxTests in the 32-bit view, deleted with its subkeys
// when the test ends.
class TTestRegistryKey {
public:
    explicit TTestRegistryKey(std::string_view name);
    ~TTestRegistryKey();
    TTestRegistryKey(const TTestRegistryKey&) = delete;
    TTestRegistryKey& operator=(const TTestRegistryKey&) = delete;

    // The path below HKEY_LOCAL_MACHINE.
    const std::string& Path() const { return path_; }
    // Creates a subkey (and the key itself), optionally with a "version" value of the given type and bytes.
    void AddSubKey(const std::string& name);
    void SetValue(const std::string& subKey, const char* valueName, DWORD type, std::string_view bytes);
    void SetVersion(const std::string& subKey, std::string_view text) {
        SetValue(subKey, "version", REG_SZ, std::string(text) + '\0');
    }
    // Makes a subkey refuse every read access until the key is deleted.
    void LockSubKey(const std::string& name);

private:
    std::string path_;
};

#endif
