#include "ui/kit/FormWindow_win.h"

namespace traxo {

bool FormWindow::CreateForm(const wchar_t* className, const wchar_t* title, DWORD style,
                            DWORD exStyle, SIZE clientSize, HWND owner, UINT classStyle) {
    WNDCLASSEXW windowClass{};
    windowClass.style = classStyle;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    windowClass.lpszClassName = className;
    RegisterWindowClass(windowClass);
    RECT frame{0, 0, clientSize.cx, clientSize.cy};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return CreateFor(exStyle, className, title, style, RECT{left, top, left + width, top + height},
                     owner) != nullptr;
}

} // namespace traxo
