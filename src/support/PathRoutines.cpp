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

std::string FileBaseName(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\:");
    std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
    const std::size_t period = name.rfind('.');
    if (period != std::string_view::npos && period > 0)
        name = name.substr(0, period);
    return std::string(name);
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

// Root plus the segments of `rest`, with "." dropped and ".." going up no further than the root.
std::string JoinResolved(std::string_view root, std::string_view rest, bool trailingSeparator) {
    std::vector<std::string_view> segments;
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t end = rest.find('\\', start);
        if (end == std::string_view::npos)
            end = rest.size();
        const std::string_view segment = rest.substr(start, end - start);
        if (segment == "..") {
            if (!segments.empty())
                segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = end + 1;
    }
    std::string result(root);
    for (const std::string_view segment : segments)
        result.append("\\").append(segment);
    if (segments.empty() || trailingSeparator)
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
    const bool trailing = !given.empty() && given.back() == '\\';
    const std::string_view current = currentFolder;
    if (IsUnc(given)) {
        const std::string_view root = RootOf(given);
        return JoinResolved(root, std::string_view(given).substr(root.size()), trailing);
    }
    if (HasDrive(given)) {
        const std::string_view rest = std::string_view(given).substr(2);
        // "C:x" is relative to the current folder when that is on drive C, else to the drive's root.
        if (!rest.empty() && rest.front() != '\\' && HasDrive(current) &&
            UpperCase(current.substr(0, 1)) == UpperCase(given.substr(0, 1))) {
            return JoinResolved(RootOf(current), std::string(current.substr(2)) + "\\" + std::string(rest), trailing);
        }
        return JoinResolved(std::string_view(given).substr(0, 2), rest, trailing);
    }
    if (!given.empty() && given.front() == '\\')
        return JoinResolved(RootOf(current), given, trailing);
    const std::string_view root = RootOf(current);
    return JoinResolved(root, std::string(current.substr(root.size())) + "\\" + given, trailing);
}
