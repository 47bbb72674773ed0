#include "support/PathRoutines.h"

#include <vector>

#include "support/TextRoutines.h"

namespace {

// "C:\" and also a drive-relative three-character name such as "C:x" count as a drive root.
bool IsDriveRootForm(std::string_view path) {
    return path.size() == 3 && path[1] == ':';
}

}  // namespace

std::string AddBackslash(std::string_view path) {
    if ((!path.empty() && path.back() == '\\') || IsDriveRootForm(path))
        return std::string(path);
    return std::string(path) + '\\';
}

std::string RemoveBackslash(std::string_view path) {
    if (path.empty() || path.back() != '\\' || path == "\\" || IsDriveRootForm(path))
        return std::string(path);
    return std::string(path.substr(0, path.size() - 1));
}

std::string_view FileNamePart(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/:");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string FileBaseName(std::string_view path) {
    const std::string_view name = FileNamePart(path);
    return std::string(name.substr(0, name.size() - FileExtension(name).size()));
}

// A name whose last period is its first character (".plx") has no extension.
std::string_view FileExtension(std::string_view path) {
    const std::string_view name = FileNamePart(path);
    const std::size_t period = name.rfind('.');
    return period == std::string_view::npos || period == 0 ? std::string_view() : name.substr(period);
}

std::string ExeBaseNameOf(std::string_view exePath) {
    return FileBaseName(exePath).substr(0, 32);
}

namespace {

bool HasDrive(std::string_view path) {
    return path.size() >= 2 && path[1] == ':';
}
bool IsUnc(std::string_view path) {
    return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

// The root of an absolute path: "C:" or "\\server\share"; empty for any other path.
std::string_view RootOf(std::string_view path) {
    if (HasDrive(path))
        return path.substr(0, 2);
    if (!IsUnc(path))
        return {};
    std::size_t end = path.find('\\', 2);
    if (end != std::string_view::npos)
        end = path.find('\\', end + 1);
    return path.substr(0, end == std::string_view::npos ? path.size() : end);
}

// The root followed by the elements of `rest`, resolved as the platform resolves full paths: empty
// elements and "." go, ".." goes up no further than the root, an inner element loses one trailing
// period, and the last element (when no separator follows it) loses all its trailing periods and blanks.
// The result ends in a backslash when `rest` does, when the last element came to nothing, or when only
// the root is left.
std::string JoinResolved(std::string_view root, std::string_view rest) {
    std::vector<std::string_view> elements;
    bool trailingSeparator = rest.empty() || rest.back() == '\\';
    std::size_t start = 0;
    while (start < rest.size()) {
        std::size_t end = rest.find('\\', start);
        if (end == std::string_view::npos)
            end = rest.size();
        std::string_view element = rest.substr(start, end - start);
        const bool last = end == rest.size();
        start = end + 1;
        if (element.empty() || element == ".")
            continue;
        if (element == "..") {
            if (!elements.empty())
                elements.pop_back();
            continue;
        }
        if (last) {
            while (!element.empty() && (element.back() == '.' || element.back() == ' '))
                element.remove_suffix(1);
            if (element.empty()) {
                trailingSeparator = true;
                continue;
            }
        } else if (element.back() == '.') {
            element.remove_suffix(1);
        }
        elements.push_back(element);
    }
    std::string result(root);
    for (const std::string_view element : elements)
        result.append("\\").append(element);
    if (elements.empty() || trailingSeparator)
        result.push_back('\\');
    return result;
}

}  // namespace

std::string ExpandFileName(std::string_view path, std::string_view currentFolder) {
    std::string given(path);
    for (char& c : given) {
        if (c == '/')
            c = '\\';
    }
    const std::string_view current = currentFolder;
    const std::string_view currentRoot = RootOf(current);
    const std::string currentRest = std::string(current.substr(currentRoot.size())) + "\\";
    if (IsUnc(given)) {
        const std::string_view root = RootOf(given);
        // A bare share stays as it is; anything below it is resolved.
        if (root.size() == given.size())
            return given;
        return JoinResolved(root, std::string_view(given).substr(root.size()));
    }
    if (HasDrive(given)) {
        const std::string_view drive = std::string_view(given).substr(0, 2);
        const std::string_view rest = std::string_view(given).substr(2);
        if (!rest.empty() && rest.front() == '\\')
            return JoinResolved(drive, rest);
        // "C:x" and "C:" are relative to the current folder when that is on drive C, else to the drive's root.
        if (HasDrive(current) && UpperCase(current.substr(0, 1)) == UpperCase(drive.substr(0, 1)))
            return JoinResolved(currentRoot, currentRest + std::string(rest));
        return JoinResolved(drive, "\\" + std::string(rest));
    }
    if (!given.empty() && given.front() == '\\')
        return JoinResolved(currentRoot, given);
    return JoinResolved(currentRoot, currentRest + given);
}
