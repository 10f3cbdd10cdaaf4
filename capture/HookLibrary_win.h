#pragma once
// The hook library loaded by its bare name, so that the system's search finds the copy in the
// program's folder, with its six entry points resolved. Calls through an entry point that could
// not be resolved do nothing: gestures are then simply unavailable.

#include "capture/CaptureDesktop.h"

#include <windows.h>

namespace traxo {

class LoadedHookLibrary final : public HookLibrary {
public:
    LoadedHookLibrary();
    ~LoadedHookLibrary() override;
    LoadedHookLibrary(const LoadedHookLibrary&) = delete;
    LoadedHookLibrary& operator=(const LoadedHookLibrary&) = delete;

    bool IsLoaded() const { return module_ != nullptr; }

    void HookMouse() override { Call(hookMouse_); }
    void UnHookMouse() override { Call(unHookMouse_); }
    void ShowMovement() override { Call(showMovement_); }
    void HideMovement() override { Call(hideMovement_); }
    void TrapRight() override { Call(trapRight_); }
    void TrapMiddle() override { Call(trapMiddle_); }

private:
    using EntryPoint = void(WINAPI*)();

    EntryPoint Resolve(const char* name) const;
    static void Call(EntryPoint entry) {
        if (entry != nullptr) {
            entry();
        }
    }

    HMODULE module_;
    EntryPoint hookMouse_ = nullptr;
    EntryPoint unHookMouse_ = nullptr;
    EntryPoint showMovement_ = nullptr;
    EntryPoint hideMovement_ = nullptr;
    EntryPoint trapRight_ = nullptr;
    EntryPoint trapMiddle_ = nullptr;
};

} // namespace traxo
