// The main window moved to a monitor of 1.5 times its DPI and back: the client area, the list
// and the pad follow the design at each scale. The window runs from a folder of its own with
// gestures off and no update check.
#include "platform/Dpi_win.h"
#include "platform/WideText_win.h"
#include "ui/main/MainWindowIds_win.h"
#include "ui/main/MainWindow_win.h"

#include <commctrl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace traxo {
namespace {

Rect PlaceInParent(HWND child) {
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
    return {place.left, place.top, place.right, place.bottom};
}

Size ClientOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

void MoveToDpi(HWND window, int fromDpi, int toDpi) {
    RECT frame{};
    GetWindowRect(window, &frame);
    RECT suggested{20, 20, 20 + MulDiv(frame.right - frame.left, toDpi, fromDpi),
                   20 + MulDiv(frame.bottom - frame.top, toDpi, fromDpi)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(toDpi, toDpi),
                 reinterpret_cast<LPARAM>(&suggested));
}

TEST(MainWindowDpiWine, LayoutListAndPadFollowTheMonitorAndComeBack) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "traxo-dpi-main";
    std::filesystem::create_directories(folder);
    {
        std::ofstream ini(folder / "traxo.ini", std::ios::binary);
        const std::u16string text =
            u"\xFEFF[main]\r\nactive=0\r\nautoCheck=0\r\ntutorialPrompt=0\r\n";
        ini.write(reinterpret_cast<const char*>(text.data()),
                  static_cast<std::streamsize>(text.size() * 2));
    }
    const int dpi = ScreenDpi();
    const int higher = dpi * 3 / 2;
    {
        TgestureConfigForm form(Utf16Text((folder / "Traxo.exe").wstring()), nullptr);
        ASSERT_NE(form.hwnd(), nullptr);
        const HWND list = GetDlgItem(form.hwnd(), kListBox1Id);
        const HWND pad = GetDlgItem(form.hwnd(), kImage1Id);
        ASSERT_NE(list, nullptr);
        ASSERT_NE(pad, nullptr);
        for (const int at : {higher, dpi}) {
            MoveToDpi(form.hwnd(), at == higher ? dpi : higher, at);
            const DpiScale scale{at};
            const std::vector<PlacedMainControl> layout =
                BuildMainWindowLayout(scale, Language::English);
            EXPECT_EQ(ClientOf(form.hwnd()), ScaledSize(kMainClientSize, scale)) << at;
            EXPECT_EQ(PlaceInParent(list), Find(layout, MainControl::ListBox1).client) << at;
            EXPECT_EQ(PlaceInParent(pad), Find(layout, MainControl::image1).client) << at;
            EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), scale(kMotionRowHeight)) << at;
        }
        // A message without a suggested place still rescales what is inside the window.
        SendMessageW(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(higher, higher), 0);
        const Rect padAt =
            Find(BuildMainWindowLayout(DpiScale{higher}, Language::English), MainControl::image1)
                .client;
        EXPECT_EQ(ClientOf(pad), (Size{padAt.right - padAt.left, padAt.bottom - padAt.top}));
    }
    // Destroying the window ends the message loop it would run: the quit is taken back.
    MSG quit{};
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace traxo
