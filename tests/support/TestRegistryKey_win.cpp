#include "support/TestRegistryKey_win.h"

#include <sddl.h>

#include <stdexcept>

#include "toolkit/win/Handles_win.h"

namespace {

constexpr REGSAM kView = KEY_WOW64_32KEY;

TScopedKey CreateKey(const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | kView, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create test key " + path);
    }
    return TScopedKey(key);
}

}  // namespace

TTestRegistryKey::TTestRegistryKey(std::string_view name)
    : path_("SOFTWARE\\PluxTests\\" + std::string(name) + "-" + std::to_string(GetCurrentProcessId())) {
    CreateKey(path_);
}

TTestRegistryKey::~TTestRegistryKey() {
    HKEY parent = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\PluxTests", 0, KEY_ALL_ACCESS | kView, &parent) != ERROR_SUCCESS) {
        return;
    }
    const TScopedKey owner(parent);
    const std::string name = path_.substr(path_.rfind('\\') + 1);
    RegDeleteTreeA(parent, name.c_str());
    RegDeleteKeyExA(parent, name.c_str(), kView, 0);
}

void TTestRegistryKey::AddSubKey(const std::string& name) {
    CreateKey(path_ + "\\" + name);
}

void TTestRegistryKey::SetValue(const std::string& subKey, const char* valueName, DWORD type, std::string_view bytes) {
    const TScopedKey key = CreateKey(path_ + "\\" + subKey);
    if (RegSetValueExA(key.Get(), valueName, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size())) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot set test value");
    }
}

// Wine enforces key DACLs but does not save them, so the lock lasts as long as this wineserver.
void TTestRegistryKey::LockSubKey(const std::string& name) {
    const TScopedKey key = CreateKey(path_ + "\\" + name);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(D;;KA;;;WD)", SDDL_REVISION_1, &descriptor,
                                                              nullptr)) {
        throw std::runtime_error("cannot build the denying descriptor");
    }
    const LSTATUS status = RegSetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, descriptor);
    LocalFree(descriptor);
    if (status != ERROR_SUCCESS)
        throw std::runtime_error("cannot lock test key");
}
