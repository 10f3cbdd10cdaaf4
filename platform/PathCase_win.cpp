#include "platform/PathCase_win.h"

#include <windows.h>

namespace traxo {
namespace {

class SystemFolding final : public PathCaseFolding {
public:
    std::u16string Lower(std::u16string_view text) const override {
        std::u16string lower(text);
        if (!lower.empty()) {
            // One unit in, one unit out: the length never changes.
            CharLowerBuffW(reinterpret_cast<wchar_t*>(lower.data()),
                           static_cast<DWORD>(lower.size()));
        }
        return lower;
    }
};

} // namespace

const PathCaseFolding& SystemPathCaseFolding() {
    static const SystemFolding system;
    return system;
}

} // namespace traxo
