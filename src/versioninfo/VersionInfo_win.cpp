#include "versioninfo/VersionInfo.h"

#include <windows.h>

#include <cstring>

#include "support/SystemFacts.h"

namespace {

// VerQueryValueA only reads the block, but its declaration takes a non-const pointer.
void* Block(const std::vector<std::uint8_t>& block) {
    return const_cast<std::uint8_t*>(block.data());
}

class TWin32VersionApi final : public TVersionApi {
public:
    bool FileExists(const std::string& path) const override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }

    std::string ExecutablePath() const override { return PlatformSystemFacts().ExecutablePath(); }

    std::uint32_t InfoSize(const std::string& file, std::uint32_t& lastError) const override {
        DWORD ignored = 0;
        SetLastError(0);
        const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
        lastError = size == 0 ? GetLastError() : 0;
        return size;
    }

    bool ReadInfo(const std::string& file, std::vector<std::uint8_t>& block) const override {
        return GetFileVersionInfoA(file.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) != FALSE;
    }

    std::optional<TVersionTranslation> FirstTranslation(const std::vector<std::uint8_t>& block) const override {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(Block(block), "\\VarFileInfo\\Translation", &value, &length) || value == nullptr ||
            length < sizeof(DWORD)) {
            return std::nullopt;
        }
        DWORD entry = 0;
        std::memcpy(&entry, value, sizeof entry);
        return TVersionTranslation{LOWORD(entry), HIWORD(entry)};
    }

    bool HasFixedInfo(const std::vector<std::uint8_t>& block) const override {
        void* value = nullptr;
        UINT length = 0;
        return VerQueryValueA(Block(block), "\\", &value, &length) && value != nullptr &&
               length >= sizeof(VS_FIXEDFILEINFO);
    }

    // The length counts characters, the NUL included when the resource stores one.
    std::optional<std::string> StringItem(const std::vector<std::uint8_t>& block,
                                          const std::string& path) const override {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(Block(block), path.c_str(), &value, &length) || value == nullptr)
            return std::nullopt;
        const char* text = static_cast<const char*>(value);
        return std::string(text, strnlen(text, length));
    }
};

}  // namespace

const TVersionApi& PlatformVersionApi() {
    static const TWin32VersionApi api;
    return api;
}
