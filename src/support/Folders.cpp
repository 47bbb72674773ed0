#include "support/Folders.h"

#include "support/NoxException.h"
#include "support/PathRoutines.h"

namespace {

constexpr std::int32_t kShellFunctionMissing = 10027;

}  // namespace

std::string ProgramFolder(const TSystemFacts& facts) {
    return ProgramFolderOf(facts.ExecutablePath());
}

std::string DataFolder(const TSystemFacts& facts, TFileSystem& files) {
    return AddBackslash(TnoxFolderRtns(files).EnsureFolder(ProgramFolder(facts) + "Data"));
}

std::string ExeBaseName(const TSystemFacts& facts) {
    return ExeBaseNameOf(facts.ExecutablePath());
}

bool FolderExists(const TFileSystem& files, std::string_view path) {
    return files.FolderExists(RemoveBackslash(path));
}

std::string WindowsUserName(const TSystemFacts& facts) {
    return facts.UserName();
}

std::string SpecialFolder(const TSystemFacts& facts, int csidl) {
    const auto folder = facts.SpecialFolder(csidl);
    if (!folder)
        throw ENoxShellException(kShellFunctionMissing);
    return *folder;
}

std::string AppDataFolder(const TSystemFacts& facts) {
    return AddBackslash(SpecialFolder(facts, kCsidlAppData));
}

std::string MyDocumentsFolder(const TSystemFacts& facts) {
    return AddBackslash(SpecialFolder(facts, kCsidlPersonal));
}

std::string TnoxFolderRtns::EnsureFolder(std::string_view folder) const {
    std::string path = RemoveBackslash(folder);
    CreateWithParents(path);
    return path;
}

// Parents first; the walk stops at a folder that exists, which every drive root and share does.
void TnoxFolderRtns::CreateWithParents(const std::string& folder) const {
    const std::string path = RemoveBackslash(folder);
    if (path.empty() || files_->FolderExists(path))
        return;
    const std::size_t separator = path.find_last_of('\\');
    if (separator != std::string::npos && separator > 0) {
        std::string parent = path.substr(0, separator);
        if (parent.size() == 2 && parent[1] == ':')
            parent.push_back('\\');
        if (parent.size() < path.size())
            CreateWithParents(parent);
    }
    files_->CreateFolder(path);
}

int TnoxFolderRtns::ListFiles(std::string_view folder, std::string_view mask, bool fullPaths, TTextList& list) const {
    list.clear();
    const std::string prefix = AddBackslash(folder);
    for (const TFolderEntry& entry : files_->FindEntries(prefix + std::string(mask))) {
        if (entry.IsFolder || entry.Name.empty() || entry.Name.front() == '.')
            continue;
        list.push_back(fullPaths ? prefix + entry.Name : entry.Name);
    }
    return static_cast<int>(list.size());
}
