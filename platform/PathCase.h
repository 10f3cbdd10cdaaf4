#pragma once
// Letter case of program paths as the system folds it: every path the program compares with
// another (the foreground program, the recent programs, the excluded ones, the programs of
// per-program rules) goes through LowerCasePath. The portable folding covers Latin (with the
// Latin-1 Supplement and Latin Extended-A), Greek and Cyrillic; under Windows the system's own
// folding is installed at start.

#include <string>
#include <string_view>

namespace traxo {

class PathCaseFolding {
public:
    virtual ~PathCaseFolding() = default;
    virtual std::u16string Lower(std::u16string_view text) const = 0;
};

// One UTF-16 unit lower-cased by the portable table; units outside it stay as they are.
char16_t PortableLower(char16_t c);

// The portable folding, in use until another is installed.
const PathCaseFolding& PortablePathCaseFolding();
// Installs the folding LowerCasePath uses from now on; it must live as long as the program.
void UsePathCaseFolding(const PathCaseFolding& folding);

std::u16string LowerCasePath(std::u16string_view path);
bool SamePathIgnoringCase(std::u16string_view a, std::u16string_view b);

} // namespace traxo
