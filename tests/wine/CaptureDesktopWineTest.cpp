// The real desktop behind the poll and the trail: the foreground program's path, the monitors,
// the poll timer, and a trail drawn on the live screen that leaves no trace once restored.
#include "capture/CaptureDesktop_win.h"
#include "capture/GesturePoller.h"
#include "capture/TrailScreen_win.h"
#include "native/FakeDesktop.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace traxo {
namespace {

// A hidden window of this process, destroyed with the test.
class OwnWindow {
public:
    OwnWindow()
        : window_(CreateWindowExW(0, L"STATIC", L"capture test", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr)) {}
    ~OwnWindow() { DestroyWindow(window_); }
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;
    HWND Get() const { return window_; }

private:
    HWND window_;
};

// The screen's pixels as GetPixel gives them.
class ScreenPixels {
public:
    ScreenPixels() : dc_(GetDC(nullptr)) {}
    ~ScreenPixels() { ReleaseDC(nullptr, dc_); }
    ScreenPixels(const ScreenPixels&) = delete;
    ScreenPixels& operator=(const ScreenPixels&) = delete;

    COLORREF At(POINT p) const { return GetPixel(dc_, p.x, p.y); }
    std::vector<COLORREF> At(const std::vector<POINT>& points) const {
        std::vector<COLORREF> colours;
        for (const POINT& p : points) {
            colours.push_back(At(p));
        }
        return colours;
    }
    // Paints a pattern to restore, so that the check does not pass on a uniform screen.
    void PaintPattern(RECT area) {
        for (int x = area.left; x < area.right; x += 16) {
            RECT stripe{x, area.top, x + 8, area.bottom};
            FillRect(dc_, &stripe, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        }
    }

private:
    HDC dc_;
};

bool SamePathIgnoringCase(const std::u16string& a, const std::wstring& b) {
    return CompareStringOrdinal(reinterpret_cast<const wchar_t*>(a.c_str()), -1, b.c_str(), -1,
                                TRUE) == CSTR_EQUAL;
}

std::wstring OwnExePath() {
    wchar_t buffer[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return buffer;
}

TEST(CaptureDesktopWine, ExePathOfAWindowIsItsProcessExecutable) {
    const OwnWindow window;
    ASSERT_NE(window.Get(), nullptr);
    const std::u16string path = ExePathOfWindow(window.Get());
    EXPECT_TRUE(SamePathIgnoringCase(path, OwnExePath())) << std::string(path.begin(), path.end());
    EXPECT_TRUE(ExePathOfWindow(reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x7FFF0))).empty());
}

TEST(CaptureDesktopWine, MonitorsAndTheTimerAreTheSystems) {
    const OwnWindow window;
    WindowsCaptureDesktop desktop(window.Get(), 7);
    const std::vector<Rect> monitors = desktop.MonitorBounds();
    ASSERT_FALSE(monitors.empty());
    const RECT primary{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    bool primaryListed = false;
    for (const Rect& m : monitors) {
        EXPECT_LT(m.left, m.right);
        EXPECT_LT(m.top, m.bottom);
        primaryListed |= m == Rect{primary.left, primary.top, primary.right, primary.bottom};
    }
    EXPECT_TRUE(primaryListed);

    desktop.SetPollInterval(100);
    EXPECT_TRUE(KillTimer(window.Get(), 7)); // the timer exists on the window
}

TEST(WindowsTrailScreen, ARestoredAreaLooksAsBefore) {
    ScreenPixels pixels;
    const RECT area{20, 20, 220, 220};
    pixels.PaintPattern(area);
    const std::vector<POINT> samples{{40, 100}, {48, 100}, {120, 100}, {200, 100}, {120, 60}};
    const std::vector<COLORREF> before = pixels.At(samples);
    {
        WindowsTrailScreen screen;
        screen.BindToScreen();
        screen.SetPen(RGB(255, 0, 0), 3);
        screen.SaveArea(0, {area.left, area.top, area.right, area.bottom});
        screen.MoveTo({30, 100});
        screen.LineTo({210, 100});
        screen.SetBrushColour(RGB(0, 255, 0));
        screen.Ellipse({110, 50, 130, 70});
        EXPECT_EQ(pixels.At(POINT{120, 100}), RGB(255, 0, 0)); // the drawing reached the screen
        EXPECT_EQ(pixels.At(POINT{120, 60}), RGB(0, 255, 0));
        screen.RestoreArea(0, {area.left, area.top, area.right, area.bottom});
        screen.RestoreArea(0, {area.left, area.top, area.right, area.bottom}); // already freed
    }
    EXPECT_EQ(pixels.At(samples), before);
}

TEST(WindowsTrailScreen, AGestureDrawsItsTrailAndLeavesNoTrace) {
    ScreenPixels pixels;
    const RECT area{300, 300, 600, 400};
    pixels.PaintPattern(area);
    const std::vector<POINT> samples{{330, 350}, {420, 350}, {510, 350}, {338, 350}};
    const std::vector<COLORREF> before = pixels.At(samples);

    Settings settings;
    settings.tail = RGB(0, 0, 255);
    testing::FakeDesktop desktop;
    desktop.monitors = WindowsCaptureDesktop(nullptr, 0).MonitorBounds();
    testing::FakeHook hook;
    testing::FakeOwner owner;
    WindowsTrailScreen screen;
    GesturePoller poller(settings, desktop, hook, screen, owner, u"C:\\traxo.exe");

    desktop.cursor = {320, 350};
    poller.Timer1Timer();
    desktop.keys.rightButton = true;
    poller.HookNotify(0x204);
    for (int x = 340; x <= 520; x += 20) {
        desktop.cursor = {x, 350};
        poller.Timer1Timer();
    }
    EXPECT_EQ(pixels.At(POINT{420, 350}), RGB(0, 0, 255));
    desktop.keys.rightButton = false;
    poller.HookNotify(0x205);
    EXPECT_EQ(owner.recognitions.size(), 1u);
    EXPECT_EQ(pixels.At(samples), before);
}

} // namespace
} // namespace traxo
