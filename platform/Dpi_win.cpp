#include "platform/Dpi_win.h"

#include "platform/ScopedWin_win.h"

namespace traxo {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

template <typename Fn> Fn User32Function(const char* name) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) {
        return nullptr;
    }
    // The cast through void(*)() keeps the function-pointer conversion well defined.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
}

} // namespace

int ScreenDpi() {
    const ScopedWindowDc screen(nullptr);
    if (screen.get() == nullptr) {
        return kDesignDpi;
    }
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return ChooseDpi(0, dpi);
}

int WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    const int monitorDpi = getDpiForWindow != nullptr && window != nullptr
                               ? static_cast<int>(getDpiForWindow(window))
                               : 0;
    return ChooseDpi(monitorDpi, monitorDpi > 0 ? 0 : ScreenDpi());
}

LOGFONTW MessageFontAt(int dpi) {
    static const auto forDpi =
        User32Function<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (forDpi != nullptr &&
        forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(dpi))) {
        return metrics.lfMessageFont;
    }
    metrics = NONCLIENTMETRICSW{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    // Given at the system's DPI.
    metrics.lfMessageFont.lfHeight =
        FontHeightAtDpi(metrics.lfMessageFont.lfHeight, ScreenDpi(), dpi);
    return metrics.lfMessageFont;
}

HFONT CreateMessageFont(int dpi) {
    const LOGFONTW font = MessageFontAt(dpi);
    return CreateFontIndirectW(&font);
}

Size FrameSizeAtDpi(Size client, DWORD style, DWORD exStyle, int dpi) {
    static const auto forDpi =
        User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, client.width, client.height};
    if (forDpi == nullptr || !forDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        frame = RECT{0, 0, client.width, client.height};
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    }
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void PlaceAtChangedDpi(HWND window, LPARAM suggested, Size clientAtNewDpi, int newDpi) {
    const RECT* given = reinterpret_cast<const RECT*>(suggested);
    if (given == nullptr) {
        return;
    }
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    const Rect placed = WindowRectAtDpi({given->left, given->top, given->right, given->bottom},
                                        FrameSizeAtDpi(clientAtNewDpi, style, exStyle, newDpi));
    SetWindowPos(window, nullptr, placed.left, placed.top, placed.right - placed.left,
                 placed.bottom - placed.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame the window really has differs from the computed one (a system that
    // scales the caption otherwise), the client area is still made the exact size.
    RECT client{};
    GetClientRect(window, &client);
    const int wider = clientAtNewDpi.width - client.right;
    const int taller = clientAtNewDpi.height - client.bottom;
    if (wider != 0 || taller != 0) {
        SetWindowPos(window, nullptr, 0, 0, placed.right - placed.left + wider,
                     placed.bottom - placed.top + taller,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

} // namespace traxo
