#include "capture/HookLibrary_win.h"

namespace traxo {

namespace {

HMODULE LoadByFullPath(const std::filesystem::path& file) {
    return file.is_absolute() ? LoadLibraryExW(file.c_str(), nullptr, 0) : nullptr;
}

} // namespace

LoadedHookLibrary::LoadedHookLibrary(const std::filesystem::path& file)
    : module_(LoadByFullPath(file)) {
    if (module_ == nullptr) {
        return;
    }
    hookMouse_ = Resolve("HookMouse");
    unHookMouse_ = Resolve("UnHookMouse");
    showMovement_ = Resolve("ShowMovement");
    hideMovement_ = Resolve("HideMovement");
    trapRight_ = Resolve("TrapRight");
    trapMiddle_ = Resolve("TrapMiddle");
}

LoadedHookLibrary::~LoadedHookLibrary() = default;

LoadedHookLibrary::EntryPoint LoadedHookLibrary::Resolve(const char* name) const {
    return reinterpret_cast<EntryPoint>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
}

} // namespace traxo
