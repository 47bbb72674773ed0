#include "versioninfo/VersionInfo.h"

#include <cstdio>
#include <utility>

namespace {

std::string ErrorText(int code) {
    switch (code) {
        case kVersionFileNotFound:
            return "Error opening file";
        case kVersionInfoMissing:
            return "File does not contain version info";
        case kVersionInfoUnreadable:
            return "Unable to read version info";
        case kVersionKeyNotFound:
            return "The specified key cannnot be found in version info";
        default:
            return "Version info error " + std::to_string(code);
    }
}

}  // namespace

EVersionInfoError::EVersionInfoError(int code) : Exception(ErrorText(code)), code_(code) {}

std::string StringFileInfoPath(TVersionTranslation translation) {
    char path[32];
    std::snprintf(path, sizeof path, "StringFileInfo\\%.4x%.4x\\", static_cast<unsigned>(translation.Language),
                  static_cast<unsigned>(translation.CodePage));
    return path;
}

TVersionInfo::TVersionInfo(const TVersionApi& api) : api_(&api), fileName_(api.ExecutablePath()) {}

void TVersionInfo::SetFileName(const std::string& name) {
    const std::string resolved = name.empty() ? api_->ExecutablePath() : name;
    if (!name.empty() && !api_->FileExists(name))
        throw EVersionInfoError(kVersionFileNotFound);
    if (resolved != fileName_)
        loaded_ = false;
    fileName_ = resolved;
}

const std::string& TVersionInfo::FileDescription() {
    if (!loaded_)
        LoadAll();
    return fileDescription_;
}

const std::string& TVersionInfo::FileVersion() {
    if (!loaded_)
        LoadAll();
    return fileVersion_;
}

// A size query that fails with another code than "no resource" goes on to the read, which then fails.
TVersionInfo::TLoadedBlock TVersionInfo::LoadBlock() const {
    std::uint32_t lastError = 0;
    const std::uint32_t size = api_->InfoSize(fileName_, lastError);
    if (size == 0 && (lastError == kResourceTypeNotFound || lastError == kResourceDataNotFound)) {
        throw EVersionInfoError(kVersionInfoMissing);
    }
    if (size == 0)
        throw EVersionInfoError(kVersionInfoUnreadable);
    TLoadedBlock block;
    block.data.resize(size);
    if (!api_->ReadInfo(fileName_, block.data))
        throw EVersionInfoError(kVersionInfoUnreadable);
    const auto translation = api_->FirstTranslation(block.data);
    if (!translation)
        throw EVersionInfoError(kVersionInfoUnreadable);
    block.basePath = StringFileInfoPath(*translation);
    return block;
}

std::string TVersionInfo::ReadItem(const std::string& name) const {
    const TLoadedBlock block = LoadBlock();
    auto value = api_->StringItem(block.data, block.basePath + name);
    if (!value)
        throw EVersionInfoError(kVersionKeyNotFound);
    return std::move(*value);
}

void TVersionInfo::LoadAll() {
    const TLoadedBlock block = LoadBlock();
    if (!api_->HasFixedInfo(block.data))
        throw EVersionInfoError(kVersionInfoUnreadable);
    fileDescription_ = api_->StringItem(block.data, block.basePath + "FileDescription").value_or("");
    fileVersion_ = api_->StringItem(block.data, block.basePath + "FileVersion").value_or("");
    loaded_ = true;
}
