#pragma once
// The Windows side of what the gesture engine drives: the hook library loaded from its file, the
// desktop and its poll timer, the screen the trail is drawn on, the keyboard and the system
// calls that actions end in. Made once the main window exists, which owns the poll timer.

#include "actions/ActionExecution_win.h"
#include "app/GestureEngine.h"
#include "capture/CaptureDesktop_win.h"
#include "capture/HookLibrary_win.h"
#include "capture/TrailScreen_win.h"
#include "platform/Keyboard_win.h"

#include <windows.h>

#include <filesystem>

namespace traxo {

class WindowsEnginePlatform {
public:
    // window owns the poll timer pollTimerId; hookLibraryFile is the hook library's full path
    // (empty: gestures are off).
    WindowsEnginePlatform(HWND window, UINT_PTR pollTimerId,
                          const std::filesystem::path& hookLibraryFile)
        : hook_(hookLibraryFile), system_(window), desktop_(window, pollTimerId) {}
    WindowsEnginePlatform(const WindowsEnginePlatform&) = delete;
    WindowsEnginePlatform& operator=(const WindowsEnginePlatform&) = delete;

    EnginePlatform Parts() { return {desktop_, hook_, screen_, keyboard_, system_, system_}; }
    bool GesturesAvailable() const { return hook_.IsLoaded(); }

private:
    LoadedHookLibrary hook_;
    WindowsKeyboard keyboard_;
    WindowsActionSystem system_;
    WindowsCaptureDesktop desktop_;
    WindowsTrailScreen screen_;
};

} // namespace traxo
