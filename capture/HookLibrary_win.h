#pragma once
// The hook library loaded from exactly the file given, by its full path (a bare name would let the
// system's search find a planted copy elsewhere), with its six entry points resolved. No file, a
// relative path or an entry point that could not be resolved leaves gestures unavailable: calls
// through a missing entry point do nothing.

#include "capture/CaptureDesktop.h"
#include "platform/ScopedWin_win.h"

#include <windows.h>

#include <filesystem>

namespace traxo {

class LoadedHookLibrary final : public HookLibrary {
public:
    explicit LoadedHookLibrary(const std::filesystem::path& file);
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

    ScopedModule module_;
    EntryPoint hookMouse_ = nullptr;
    EntryPoint unHookMouse_ = nullptr;
    EntryPoint showMovement_ = nullptr;
    EntryPoint hideMovement_ = nullptr;
    EntryPoint trapRight_ = nullptr;
    EntryPoint trapMiddle_ = nullptr;
};

} // namespace traxo
