#include "ui/FormWindow_win.h"

#include <exception>

namespace traxo {
namespace {

void RegisterFormClass(const wchar_t* className, WNDPROC procedure, UINT classStyle) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, className, &existing)) {
        return;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.hIcon = LoadIconW(instance, L"MAINICON");
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
}

} // namespace

FormWindow::~FormWindow() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

bool FormWindow::CreateForm(const wchar_t* className, const wchar_t* title, DWORD style,
                            DWORD exStyle, SIZE clientSize, HWND owner, UINT classStyle) {
    RegisterFormClass(className, WindowProc, classStyle);
    RECT frame{0, 0, clientSize.cx, clientSize.cy};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return CreateWindowExW(exStyle, className, title, style, left, top, width, height, owner,
                           nullptr, GetModuleHandleW(nullptr), this) != nullptr;
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT FormWindow::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    try {
        result = form->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        // Nothing may unwind through the system's code: the user hears of it, and the program
        // goes on with what it had.
        MessageBoxA(window, error.what(), "Traxo", MB_OK | MB_ICONERROR);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->hwnd_ = nullptr;
    }
    return result;
}

} // namespace traxo
