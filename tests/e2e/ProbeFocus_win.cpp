#include "ProbeFocus_win.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

enum ExitCode { kOk = 0, kNotFound = 1, kFailed = 3 };

void Print(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string line(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, line.data(), size, nullptr, nullptr);
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

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
        Print(L"none");
        return kOk;
    }
    wchar_t name[256] = {};
    GetClassNameW(info.hwndFocus, name, 256);
    RECT area{};
    GetWindowRect(info.hwndFocus, &area);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
    Print(std::wstring(name) + L" " + std::to_wstring(area.left) + L" " +
          std::to_wstring(area.top) + L" " + std::to_wstring(area.right) + L" " +
          std::to_wstring(area.bottom));
    return kOk;
}
