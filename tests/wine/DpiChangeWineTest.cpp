// A dialog moved to a monitor of another DPI: WM_DPICHANGED as the system sends it (the new DPI
// in wParam, the suggested rectangle in lParam) rescales the window, places the layout's
// controls at the new scale, makes the font again, and going back restores the design.
#include "platform/Dpi_win.h"
#include "ui/options/Options_win.h"
#include "ui/update/About_win.h"

#include <windows.h>

#include <commctrl.h>
#include <cstdlib>
#include <gtest/gtest.h>

namespace traxo {
namespace {

using enum OptionsControl;

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

Rect PlaceInParent(HWND child) {
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
    return {place.left, place.top, place.right, place.bottom};
}

int FontHeight(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    return std::abs(font.lfHeight);
}

// The system scales the whole window rectangle and moves it under the cursor.
void MoveToMonitorOf(HWND window, int fromDpi, int toDpi, POINT corner) {
    RECT frame{};
    GetWindowRect(window, &frame);
    RECT suggested{corner.x, corner.y, corner.x + MulDiv(frame.right - frame.left, toDpi, fromDpi),
                   corner.y + MulDiv(frame.bottom - frame.top, toDpi, fromDpi)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(toDpi, toDpi),
                 reinterpret_cast<LPARAM>(&suggested));
}

class DpiChangeWine : public ::testing::Test {
protected:
    DpiChangeWine() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
    }
    const int dpi = ScreenDpi();
    const int higher = ScreenDpi() * 3 / 2;
};

TEST_F(DpiChangeWine, TheOptionsDialogFollowsTheMonitorAndComesBack) {
    TfrmOptions form(nullptr);
    ASSERT_NE(form.hwnd(), nullptr);
    const DpiScale before{dpi};
    const DpiScale after{higher};
    const SIZE designed = ClientSize(form.hwnd());
    ASSERT_EQ(designed.cx, before(kOptionsClientWidth));
    const int fontBefore = FontHeight(form.Control(chkAutoStart));

    MoveToMonitorOf(form.hwnd(), dpi, higher, {40, 30});
    const SIZE moved = ClientSize(form.hwnd());
    EXPECT_EQ(moved.cx, after(kOptionsClientWidth));
    EXPECT_EQ(moved.cy, after(kOptionsClientHeight));
    RECT frame{};
    GetWindowRect(form.hwnd(), &frame);
    EXPECT_EQ(frame.left, 40);
    EXPECT_EQ(frame.top, 30);
    for (const OptionsControl id : {chkAutoStart, listviewMethods, btnOK}) {
        EXPECT_EQ(PlaceInParent(form.Control(id)), after(SpecOf(id).place)) << static_cast<int>(id);
    }
    // A drop-down list's height is that of its open list; the closed box keeps its own.
    EXPECT_EQ(PlaceInParent(form.Control(comboLang)).right, after(SpecOf(comboLang).place).right);
    EXPECT_EQ(PlaceInParent(form.Control(comboLang)).top, after(SpecOf(comboLang).place).top);
    EXPECT_EQ(FontHeight(form.Control(chkAutoStart)), FontHeightAtDpi(fontBefore, dpi, higher));
    EXPECT_GT(FontHeight(form.Control(chkAutoStart)), fontBefore);
    EXPECT_EQ(form.OkButton().Look().Font.height, after(13));

    MoveToMonitorOf(form.hwnd(), higher, dpi, {10, 10});
    EXPECT_EQ(ClientSize(form.hwnd()).cx, designed.cx);
    EXPECT_EQ(ClientSize(form.hwnd()).cy, designed.cy);
    EXPECT_EQ(PlaceInParent(form.Control(btnOK)), before(SpecOf(btnOK).place));
    EXPECT_EQ(FontHeight(form.Control(chkAutoStart)), fontBefore);
    EXPECT_EQ(form.OkButton().Look().Font.height, before(13));
}

TEST_F(DpiChangeWine, AModalDialogPlacesItsTableAndItsOwnControls) {
    TfrmAbout about(nullptr);
    ASSERT_NE(about.hwnd(), nullptr);
    const DpiScale after{higher};
    const HWND notice = GetDlgItem(about.hwnd(), TfrmAbout::kLblNotice);
    const int fontBefore = FontHeight(notice);
    // The OK button is a control of its own, not of the table: it keeps its place in proportion.
    HWND ok = nullptr;
    for (HWND child = GetWindow(about.hwnd(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == 0) {
            ok = child;
        }
    }
    ASSERT_NE(ok, nullptr);
    const Rect okBefore = PlaceInParent(ok);

    MoveToMonitorOf(about.hwnd(), dpi, higher, {50, 60});
    EXPECT_EQ(ClientSize(about.hwnd()).cx, after(221));
    EXPECT_EQ(ClientSize(about.hwnd()).cy, after(182));
    EXPECT_EQ(PlaceInParent(notice), after(Rect{31, 72, 31 + 160, 72 + 16}));
    EXPECT_EQ(FontHeight(notice), FontHeightAtDpi(fontBefore, dpi, higher));
    EXPECT_GT(FontHeight(GetDlgItem(about.hwnd(), TfrmAbout::kLblAboutTitle)), FontHeight(notice))
        << "the title keeps its larger bold font";
    const Rect okAfter = PlaceInParent(ok);
    EXPECT_NEAR(okAfter.left, MulDiv(okBefore.left, higher, dpi), 1);
    EXPECT_NEAR(okAfter.right, MulDiv(okBefore.right, higher, dpi), 1);
}

} // namespace
} // namespace traxo
