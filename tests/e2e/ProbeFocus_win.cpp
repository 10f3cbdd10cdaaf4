#include "ProbeFocus_win.h"

#include "ProbeOutput_win.h"

#include <windows.h>

#include <string>

namespace {

enum ExitCode { kOk = 0, kNotFound = 1, kFailed = 3 };

} // namespace

int FocusOfWindowThread(const std::wstring& className) {
    const HWND window = FindWindowW(className.c_str(), nullptr);
    if (window == nullptr) {
        return kNotFound;
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return kFailed;
    }
    if (info.hwndFocus == nullptr) {
        PrintLine(L"none");
        return kOk;
    }
    wchar_t name[256] = {};
    GetClassNameW(info.hwndFocus, name, 256);
    RECT area{};
    GetWindowRect(info.hwndFocus, &area);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
    PrintLine(std::wstring(name) + L" " + std::to_wstring(area.left) + L" " +
              std::to_wstring(area.top) + L" " + std::to_wstring(area.right) + L" " +
              std::to_wstring(area.bottom));
    return kOk;
}
