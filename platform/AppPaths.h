#pragma once
// Windows path arithmetic on path strings, for paths stored relative to the program's folder.
// Drive letters and folder names compare without regard to ASCII case; "\" and "/" both
// separate; a UNC share ("\\server\share") counts as a drive.

#include <string>
#include <string_view>

namespace traxo {

// The path as stored: relative to folder when both lie on the same drive, with "..\" for each
// folder level to climb (C:\Traxo\ and C:\Other\a.mtd give ..\Other\a.mtd); otherwise as given.
std::u16string PathRelativeToFolder(std::u16string_view path, std::u16string_view folder);

// The full path the system makes of path with folder as the current directory: a relative path
// is taken from folder, "\x" from folder's drive, "." and ".." steps are resolved, absolute and
// UNC paths stay where they point. An empty path stays empty.
std::u16string FullPathFromFolder(std::u16string_view path, std::u16string_view folder);

} // namespace traxo
