#ifndef PLUX_VERSIONINFO_VERSIONINFO_H
#define PLUX_VERSIONINFO_VERSIONINFO_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/Exception.h"

// Reads the version resource of a file: its standard strings (read once per file name) or any
// string item of its first translation (read afresh on every request).

inline constexpr int kVersionFileNotFound = 73;
inline constexpr int kVersionInfoMissing = 100;
inline constexpr int kVersionInfoUnreadable = 101;
inline constexpr int kVersionKeyNotFound = 134;

// Error codes of the size query that mean "no version resource": Windows reports 1813, Wine 1812.
inline constexpr std::uint32_t kResourceTypeNotFound = 1813;
inline constexpr std::uint32_t kResourceDataNotFound = 1812;

class EVersionInfoError : public Exception {
public:
    explicit EVersionInfoError(int code);
    int Code() const { return code_; }

private:
    int code_ = 0;
};

struct TVersionTranslation {
    std::uint16_t Language = 0;
    std::uint16_t CodePage = 0;
};

// The platform's version library, one call per operation.
class TVersionApi {
public:
    virtual ~TVersionApi() = default;
    virtual bool FileExists(const std::string& path) const = 0;
    virtual std::string ExecutablePath() const = 0;
    // The size of the file's version resource; when 0, lastError tells why.
    virtual std::uint32_t InfoSize(const std::string& file, std::uint32_t& lastError) const = 0;
    // Fills a block of the queried size; false when the resource cannot be read.
    virtual bool ReadInfo(const std::string& file, std::vector<std::uint8_t>& block) const = 0;
    virtual std::optional<TVersionTranslation> FirstTranslation(const std::vector<std::uint8_t>& block) const = 0;
    virtual bool HasFixedInfo(const std::vector<std::uint8_t>& block) const = 0;
    // A string item by its path, up to its first NUL; nothing when the item is missing.
    virtual std::optional<std::string> StringItem(const std::vector<std::uint8_t>& block,
                                                  const std::string& path) const = 0;
};

// "StringFileInfo\llllcccc\": language and code page as four lower-case hexadecimal digits each.
std::string StringFileInfoPath(TVersionTranslation translation);

class TVersionInfo {
public:
    // The file name starts as the running executable's path.
    explicit TVersionInfo(const TVersionApi& api);

    const std::string& FileName() const { return fileName_; }
    // An empty name means the running executable. A missing file raises error 73 and keeps the name.
    void SetFileName(const std::string& name);

    const std::string& FileDescription();
    const std::string& FileVersion();
    // Raises error 134 when the first translation has no item of that name.
    std::string ReadItem(const std::string& name) const;
    void LoadAll();

private:
    struct TLoadedBlock {
        std::vector<std::uint8_t> data;
        std::string basePath;
    };
    TLoadedBlock LoadBlock() const;

    const TVersionApi* api_ = nullptr;
    std::string fileName_;
    bool loaded_ = false;
    std::string fileDescription_;
    std::string fileVersion_;
};

// The platform's version library; defined for Windows only.
const TVersionApi& PlatformVersionApi();

#endif
