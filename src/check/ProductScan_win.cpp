#include "check/ProductScan.h"

#include <windows.h>

#include <vector>

#include "toolkit/Exception.h"
#include "toolkit/win/Handles_win.h"

namespace {

// The products are registered by 32-bit installers, so a 64-bit build reads the 32-bit view.
constexpr REGSAM kView = KEY_WOW64_32KEY;
// Key names have at most 255 characters, which take at most three bytes each in any code page.
constexpr DWORD kMaxKeyNameLength = 255;
constexpr std::size_t kLargestNameBuffer = 4 * (kMaxKeyNameLength + 1);

// Read-only open with the two narrower fallbacks for keys that refuse KEY_READ. A missing key fails
// all three alike, so only a refusal is worth the extra round trips.
TScopedKey OpenReadOnly(HKEY parent, const std::string& path) {
    const REGSAM accesses[] = {KEY_READ, STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS,
                               KEY_QUERY_VALUE};
    for (const REGSAM access : accesses) {
        HKEY key = nullptr;
        const LSTATUS status = RegOpenKeyExA(parent, path.c_str(), 0, access | kView, &key);
        if (status == ERROR_SUCCESS)
            return TScopedKey(key);
        if (status != ERROR_ACCESS_DENIED)
            break;
    }
    return TScopedKey();
}

// A string or expandable string, unexpanded and cut at its first NUL; empty when absent or of zero size.
std::string ReadStringValue(HKEY key, const std::string& name) {
    std::vector<BYTE> data(256);
    DWORD type = 0;
    for (;;) {
        DWORD size = static_cast<DWORD>(data.size());
        const LSTATUS status = RegQueryValueExA(key, name.c_str(), nullptr, &type, data.data(), &size);
        if (status == ERROR_MORE_DATA) {
            data.resize(size + 1);
            continue;
        }
        if (status != ERROR_SUCCESS || size == 0)
            return {};
        if (type != REG_SZ && type != REG_EXPAND_SZ) {
            throw Exception(InvalidDataTypeMessage(name));
        }
        const auto* text = reinterpret_cast<const char*>(data.data());
        std::size_t length = 0;
        while (length < size && text[length] != '\0')
            ++length;
        return std::string(text, length);
    }
}

class TRegistryProductKeys final : public TProductKeys {
public:
    bool OpenRoot(const std::string& rootPath) override {
        root_ = OpenReadOnly(HKEY_LOCAL_MACHINE, rootPath);
        return static_cast<bool>(root_);
    }

    // The buffer starts at the longest name the key reports, which counts characters: in a double-byte
    // code page a name takes up to twice as many bytes, so the buffer grows when a name does not fit.
    // Only the end of the list ends the enumeration; a subkey that cannot be listed for another reason
    // is passed over, within the count the key reported.
    TTextList ProductNames() override {
        TTextList names;
        if (!root_)
            return names;
        DWORD subKeys = 0;
        DWORD longest = 0;
        if (RegQueryInfoKeyA(root_.Get(), nullptr, nullptr, nullptr, &subKeys, &longest, nullptr, nullptr, nullptr,
                             nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            longest = kMaxKeyNameLength;
        }
        std::vector<char> name(longest + 1);
        for (DWORD index = 0;;) {
            DWORD length = static_cast<DWORD>(name.size());
            const LSTATUS status =
                RegEnumKeyExA(root_.Get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
            if (status == ERROR_NO_MORE_ITEMS)
                break;
            if (status == ERROR_MORE_DATA && name.size() < kLargestNameBuffer) {
                name.resize(name.size() * 2);
                continue;
            }
            if (status == ERROR_SUCCESS) {
                names.emplace_back(name.data(), length);
            } else if (index >= subKeys) {
                break;
            }
            ++index;
        }
        return names;
    }

    // The product key is opened relative to the root key held open, which finds the same key as the
    // full path from the hive at half the cost.
    std::optional<std::string> ReadVersion(const std::string& productName) override {
        if (!root_)
            return std::nullopt;
        const TScopedKey product = OpenReadOnly(root_.Get(), productName);
        if (!product)
            return std::nullopt;
        return ReadStringValue(product.Get(), std::string(kVersionValueName));
    }

private:
    TScopedKey root_;
};

}  // namespace

std::unique_ptr<TProductKeys> MachineProductKeys() {
    return std::make_unique<TRegistryProductKeys>();
}
