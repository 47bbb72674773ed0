#ifndef PLUX_SUPPORT_FOLDERS_H
#define PLUX_SUPPORT_FOLDERS_H

#include <string>
#include <string_view>

#include "support/FileSystem.h"
#include "support/SystemFacts.h"
#include "support/TextRoutines.h"

// The program's folders, the user and the shell's special folders, as the platform reports them.

// The folder of the running executable, ending in a backslash.
std::string ProgramFolder(const TSystemFacts& facts);
// The program folder followed by "Data", created with its parents when missing; ends in a backslash.
std::string DataFolder(const TSystemFacts& facts, TFileSystem& files);
// The executable's base name, at most 32 characters.
std::string ExeBaseName(const TSystemFacts& facts);
bool FolderExists(const TFileSystem& files, std::string_view path);
// Empty when the platform cannot tell.
std::string WindowsUserName(const TSystemFacts& facts);

// The shell's path of a special folder; raises ENoxShellException (message 10027) when the shell
// cannot resolve it.
std::string SpecialFolder(const TSystemFacts& facts, int csidl);
std::string AppDataFolder(const TSystemFacts& facts);      // ends in a backslash
std::string MyDocumentsFolder(const TSystemFacts& facts);  // ends in a backslash

// Folder creation and file listing over a file system.
class TnoxFolderRtns {
public:
    explicit TnoxFolderRtns(TFileSystem& files) : files_(&files) {}

    // The folder without trailing backslash, created with every missing parent when absent. A folder
    // that cannot be created is not reported: using a path inside it fails later.
    std::string EnsureFolder(std::string_view folder) const;
    // Fills list with the files in folder that match mask, as names or full paths, in the file system's
    // order; folders and names that begin with "." are skipped. Returns the number listed.
    int ListFiles(std::string_view folder, std::string_view mask, bool fullPaths, TTextList& list) const;

protected:
    TFileSystem& Files() const { return *files_; }

private:
    void CreateWithParents(const std::string& folder) const;

    TFileSystem* files_;
};

#endif
