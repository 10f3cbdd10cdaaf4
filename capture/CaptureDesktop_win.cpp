#include "capture/CaptureDesktop_win.h"

#include "platform/ScopedWin_win.h"
#include "platform/SystemLibrary_win.h"

#include <memory>
#include <type_traits>
#include <windowsx.h>

namespace traxo {
namespace {

bool KeyDown(int virtualKey) {
    // Down when the high-order byte of the 16-bit state is not zero.
    return (static_cast<std::uint16_t>(GetKeyState(virtualKey)) >> 8) != 0;
}

using ProcessHandle = ScopedKernelHandle;

using GetModuleFileNameExFunction = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);

// The process-status library is loaded on first use and kept for the life of the program.
// Systems whose library lacks the function have it in kernel32 under its K32 name.
GetModuleFileNameExFunction ResolveGetModuleFileNameEx() {
    if (HMODULE psapi = SystemLibrary(L"psapi.dll")) {
        if (FARPROC found = GetProcAddress(psapi, "GetModuleFileNameExW")) {
            return reinterpret_cast<GetModuleFileNameExFunction>(
                reinterpret_cast<void (*)()>(found));
        }
    }
    if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
        if (FARPROC found = GetProcAddress(kernel, "K32GetModuleFileNameExW")) {
            return reinterpret_cast<GetModuleFileNameExFunction>(
                reinterpret_cast<void (*)()>(found));
        }
    }
    return nullptr;
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT bounds, LPARAM list) noexcept {
    // No exception may cross back into the system.
    try {
        reinterpret_cast<std::vector<Rect>*>(list)->push_back(
            {bounds->left, bounds->top, bounds->right, bounds->bottom});
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

} // namespace

std::u16string ExePathOfWindow(HWND window) {
    static const GetModuleFileNameExFunction getModuleFileNameEx = ResolveGetModuleFileNameEx();
    if (getModuleFileNameEx == nullptr) {
        return {};
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const ProcessHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process) {
        return {};
    }
    wchar_t buffer[MAX_PATH] = {};
    if (getModuleFileNameEx(process.get(), nullptr, buffer, MAX_PATH) == 0) {
        return {};
    }
    return std::u16string(reinterpret_cast<const char16_t*>(buffer));
}

KeyStates WindowsCaptureDesktop::ReadKeyStates(KeysToRead wanted) {
    KeyStates keys;
    if (wanted.modifiers) {
        keys.alt = KeyDown(VK_MENU);
        keys.ctrl = KeyDown(VK_CONTROL);
        keys.shift = KeyDown(VK_SHIFT);
    }
    keys.rightButton = wanted.rightButton && KeyDown(VK_RBUTTON);
    keys.middleButton = wanted.middleButton && KeyDown(VK_MBUTTON);
    return keys;
}

Point WindowsCaptureDesktop::CursorPos() {
    POINT cursor{};
    if (GetCursorPos(&cursor)) {
        lastCursor_ = {cursor.x, cursor.y};
    }
    return lastCursor_;
}

Point WindowsCaptureDesktop::CursorPosOfMessage() {
    const DWORD position = GetMessagePos();
    return {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
}

WindowHandle WindowsCaptureDesktop::ForegroundWindow() {
    return GetForegroundWindow();
}

std::u16string WindowsCaptureDesktop::ForegroundProgramPath() {
    HWND window = GetForegroundWindow();
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return foregroundPath_.PathOf(window, processId, [window] { return ExePathOfWindow(window); });
}

std::vector<Rect> WindowsCaptureDesktop::MonitorBounds() {
    std::vector<Rect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

bool WindowsCaptureDesktop::MouseButtonsSwapped() {
    return GetSystemMetrics(SM_SWAPBUTTON) != 0;
}

void WindowsCaptureDesktop::InjectMouse(MouseInjection event) {
    mouse_event(static_cast<DWORD>(event), 0, 0, 0, 0);
}

void WindowsCaptureDesktop::SetPollInterval(int milliseconds) {
    // Setting an existing timer again only changes its interval.
    SetTimer(window_, timerId_, static_cast<UINT>(milliseconds), nullptr);
}

} // namespace traxo
