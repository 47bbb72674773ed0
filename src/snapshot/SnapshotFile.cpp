#include "snapshot/SnapshotFile.h"

#include "snapshot/NameSanitizer.h"
#include "support/FileSystemNames.h"
#include "support/ProfileIni.h"
#include "toolkit/Exception.h"

namespace {

// A snapshot's name is the typed name sanitized; it names both the file and its section.
std::string SnapshotName(std::string_view typedName) {
    return SanitizeName(typedName, TCaseMode::cmKeep, 0, '_');
}

}  // namespace

// Writing to a device saves nothing (NUL) or fails late (CON), so such a name is refused at once.
std::string SavedSnapshotPath(std::string_view typedName, std::string_view programFolder) {
    const std::string name = SnapshotName(typedName);
    std::string path = std::string(programFolder) + name + std::string(kSnapshotExtension);
    if (NamesDevice(path)) {
        throw Exception("\"" + name + "\" names a device, not a snapshot file\r\n" +
                        "Choose another name: Windows keeps CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, "
                        "with any extension, for its devices");
    }
    return path;
}

std::string SnapshotTimestamp(const TDateTime& moment, const TLocaleFormats& locale) {
    std::string text = FormatLocaleDate(locale.ShortDateFormat, moment, locale);
    if (moment.Hour != 0 || moment.Minute != 0 || moment.Second != 0)
        text.append(" ").append(FormatLocaleTime(locale.LongTimeFormat, moment, locale));
    return text;
}

// Every write waits in the accessor until Flush, so a stop half-way writes nothing at all.
std::string SaveSnapshot(std::string_view typedName,
                         const TTextList& productNames,
                         const TTextList& productVersions,
                         std::string_view programFolder,
                         const TDateTime& moment,
                         const TLocaleFormats& locale,
                         TFileSystem& files) {
    const std::string name = SnapshotName(typedName);
    TProfileIniFile file(SavedSnapshotPath(typedName, programFolder), files);
    if (productVersions.size() < productNames.size())
        throw Exception("List index out of bounds (" + std::to_string(productVersions.size()) + ")");
    file.WriteStrings(name, productNames, productVersions);
    file.WriteString(name, kTimestampKey, SnapshotTimestamp(moment, locale));
    file.Flush();
    return file.FileName();
}
