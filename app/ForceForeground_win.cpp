#include "app/ForceForeground_win.h"

namespace traxo {
namespace {

// NT after 4.0, or 9x from 4.1 (98) on, lock the foreground against other programs.
bool HasForegroundLock() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&version)) {
        return true;
    }
#pragma GCC diagnostic pop
    if (version.dwPlatformId == VER_PLATFORM_WIN32_NT) {
        return version.dwMajorVersion > 4;
    }
    return version.dwMajorVersion > 4 ||
           (version.dwMajorVersion == 4 && version.dwMinorVersion >= 10);
}

void BringToFront(HWND window) {
    BringWindowToTop(window);
    SetForegroundWindow(window);
}

// Shares the foreground thread's input state for a moment, which makes this thread a
// foreground thread too.
bool BringToFrontAttached(HWND window) {
    const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const DWORD ownThread = GetWindowThreadProcessId(window, nullptr);
    const bool attached =
        foregroundThread != ownThread && AttachThreadInput(ownThread, foregroundThread, TRUE);
    BringToFront(window);
    if (attached) {
        AttachThreadInput(ownThread, foregroundThread, FALSE);
    }
    return GetForegroundWindow() == window;
}

// With a foreground lock timeout of 0 the system lets any thread take the foreground.
void BringToFrontWithoutLockTimeout(HWND window) {
    DWORD timeout = 0;
    SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0);
    SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, SPIF_SENDCHANGE);
    BringToFront(window);
    SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                          reinterpret_cast<void*>(static_cast<UINT_PTR>(timeout)), SPIF_SENDCHANGE);
}

} // namespace

bool ForceForeground(HWND window) {
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
    }
    if (GetForegroundWindow() == window) {
        return true;
    }
    if (!HasForegroundLock()) {
        BringToFront(window);
    } else if (!BringToFrontAttached(window)) {
        BringToFrontWithoutLockTimeout(window);
    }
    return GetForegroundWindow() == window;
}

} // namespace traxo
