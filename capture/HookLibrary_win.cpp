#include "capture/HookLibrary_win.h"

namespace traxo {

LoadedHookLibrary::LoadedHookLibrary() : module_(LoadLibraryA("MouseCore.dll")) {
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

LoadedHookLibrary::~LoadedHookLibrary() {
    if (module_ != nullptr) {
        FreeLibrary(module_);
    }
}

LoadedHookLibrary::EntryPoint LoadedHookLibrary::Resolve(const char* name) const {
    return reinterpret_cast<EntryPoint>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
}

} // namespace traxo
