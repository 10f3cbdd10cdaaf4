#include "ui/main/RunningInstance_win.h"

#include "ui/main/MainWindow_win.h"

namespace traxo {
namespace {

constexpr wchar_t kInstanceMutexName[] = L"Local\\Traxo.SingleInstance";
constexpr DWORD kWindowPollMs = 50;

// Two starts at the same moment: the first may not have made its window yet.
HWND FindRunningWindow() {
    const ULONGLONG deadline = GetTickCount64() + kRunningWindowBound.count();
    for (;;) {
        if (const HWND window = FindWindowW(kMainWindowClass, kProductTitle)) {
            return window;
        }
        if (GetTickCount64() >= deadline) {
            return nullptr;
        }
        Sleep(kWindowPollMs);
    }
}

} // namespace

InstanceLock::InstanceLock()
    : mutex_(CreateMutexW(nullptr, FALSE, kInstanceMutexName)),
      first_(mutex_ != nullptr && GetLastError() != ERROR_ALREADY_EXISTS) {}

InstanceLock::~InstanceLock() = default;

bool ShowRunningInstance() {
    const HWND running = FindRunningWindow();
    DWORD_PTR ignored = 0;
    if (running != nullptr) {
        DWORD processId = 0;
        GetWindowThreadProcessId(running, &processId);
        AllowSetForegroundWindow(processId);
        if (SendMessageTimeoutW(running, ShowConfigMessage, 0, 0, SMTO_ABORTIFHUNG,
                                static_cast<UINT>(kRunningAnswerBound.count()), &ignored)) {
            return true;
        }
    }
    MessageBoxW(nullptr,
                L"Traxo is already running but does not answer, so this start ends. If it stays "
                L"that way, end Traxo in the Task Manager and start it again.",
                kProductTitle, MB_OK | MB_ICONWARNING);
    return false;
}

} // namespace traxo
