#include "platform/AppPaths.h"

#include "platform/AsciiText.h"

#include <algorithm>
#include <vector>

namespace traxo {
namespace {

bool IsSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

bool IsAsciiLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool IsUnc(std::u16string_view path) {
    return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

bool HasDriveLetter(std::u16string_view path) {
    return path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == u':';
}

std::size_t FindSeparator(std::u16string_view path, std::size_t from) {
    const auto found =
        std::find_if(path.begin() + std::min(from, path.size()), path.end(), IsSeparator);
    return std::size_t(found - path.begin());
}

// "C:", "\\server\share", or empty for a path that names no drive.
std::u16string_view DriveOf(std::u16string_view path) {
    if (HasDriveLetter(path)) {
        return path.substr(0, 2);
    }
    if (IsUnc(path)) {
        const std::size_t share = FindSeparator(path, 2);
        return path.substr(0, FindSeparator(path, share + 1));
    }
    return {};
}

std::vector<std::u16string_view> Components(std::u16string_view path) {
    std::vector<std::u16string_view> parts;
    std::size_t start = 0;
    while (start < path.size()) {
        const std::size_t end = FindSeparator(path, start);
        if (end > start) {
            parts.push_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

// The components with "." and ".." steps resolved (never above the root); the last one loses
// its trailing dots and spaces, as the system's expansion does.
std::vector<std::u16string_view> ResolvedComponents(std::u16string_view path) {
    const std::vector<std::u16string_view> parts = Components(path);
    std::vector<std::u16string_view> resolved;
    for (const std::u16string_view part : parts) {
        if (part == u"..") {
            if (!resolved.empty()) {
                resolved.pop_back();
            }
        } else if (part != u".") {
            resolved.push_back(part);
        }
    }
    const bool endsWithName = !parts.empty() && !IsSeparator(path.back()) && parts.back() != u"." &&
                              parts.back() != u"..";
    if (endsWithName && !resolved.empty()) {
        std::u16string_view& last = resolved.back();
        while (!last.empty() && (last.back() == u'.' || last.back() == u' ')) {
            last.remove_suffix(1);
        }
        if (last.empty()) {
            resolved.pop_back();
        }
    }
    return resolved;
}

} // namespace

std::u16string PathRelativeToFolder(std::u16string_view path, std::u16string_view folder) {
    const std::u16string_view drive = DriveOf(path);
    if (drive.empty() || !SameTextIgnoringCase(drive, DriveOf(folder))) {
        return std::u16string(path);
    }
    const std::vector<std::u16string_view> folderParts = Components(folder.substr(drive.size()));
    const std::u16string_view rest = path.substr(drive.size());
    const auto lastSeparator = std::find_if(rest.rbegin(), rest.rend(), IsSeparator);
    const std::size_t nameStart = std::size_t(rest.rend() - lastSeparator);
    const std::vector<std::u16string_view> pathParts = Components(rest.substr(0, nameStart));

    std::size_t common = 0;
    while (common < folderParts.size() && common < pathParts.size() &&
           SameTextIgnoringCase(folderParts[common], pathParts[common])) {
        ++common;
    }
    std::u16string relative;
    for (std::size_t i = common; i < folderParts.size(); ++i) {
        relative += u"..\\";
    }
    for (std::size_t i = common; i < pathParts.size(); ++i) {
        relative.append(pathParts[i]).append(u"\\");
    }
    return relative.append(rest.substr(nameStart));
}

std::u16string FullPathFromFolder(std::u16string_view path, std::u16string_view folder) {
    if (path.empty()) {
        return {};
    }
    if (path.starts_with(u"\\\\?\\") || path.starts_with(u"\\\\.\\")) {
        return std::u16string(path); // names past the path syntax: nothing to expand
    }
    std::u16string root;
    std::u16string rest; // below root
    const std::u16string_view folderDrive = DriveOf(folder);
    if (IsUnc(path)) {
        root = DriveOf(path);
        rest = path.substr(root.size());
        if (rest.empty()) {
            return std::u16string(path);
        }
    } else if (HasDriveLetter(path)) {
        root = path.substr(0, 2);
        const bool onFolderDrive = SameTextIgnoringCase(root, folderDrive);
        if (path.size() > 2 && IsSeparator(path[2])) {
            rest = path.substr(2);
        } else if (onFolderDrive) {
            // Relative to the current folder of that drive, which is folder.
            root = folderDrive;
            rest = std::u16string(folder.substr(folderDrive.size())) + u'\\' +
                   std::u16string(path.substr(2));
        } else {
            rest = u'\\' + std::u16string(path.substr(2));
        }
    } else {
        root = folderDrive;
        rest = IsSeparator(path[0]) ? std::u16string(path)
                                    : std::u16string(folder.substr(folderDrive.size())) + u'\\' +
                                          std::u16string(path);
    }

    std::u16string full = root;
    for (const std::u16string_view part : ResolvedComponents(rest)) {
        full.append(u"\\").append(part);
    }
    if (full.size() == root.size() || IsSeparator(rest.back())) {
        full += u'\\';
    }
    return full;
}

} // namespace traxo
