// The result popup under the real window manager: it shows at the bottom-right corner on top
// of everything without taking the foreground, paints its background picture, and is gone once
// its second and its slide are over.
#include "ui/main/ResultPopup_win.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <memory>

namespace traxo {
namespace {

// Runs the thread's messages for `ms` milliseconds, or until `done` says so.
template <typename Done> void PumpFor(DWORD ms, Done done) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms && !done()) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
}

void PumpFor(DWORD ms) {
    PumpFor(ms, [] { return false; });
}

// An ordinary window that holds the foreground while the popup shows.
class ForegroundWindow {
public:
    ForegroundWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TraxoPopupTestForeground";
        RegisterClassW(&windowClass);
        hwnd_ =
            CreateWindowExW(0, windowClass.lpszClassName, L"Foreground", WS_OVERLAPPEDWINDOW, 100,
                            100, 300, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
        ShowWindow(hwnd_, SW_SHOW);
        SetForegroundWindow(hwnd_);
        SetActiveWindow(hwnd_);
        PumpFor(300, [this] { return GetForegroundWindow() == hwnd_; });
    }
    ~ForegroundWindow() { DestroyWindow(hwnd_); }
    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_;
};

PopupContent SampleContent() {
    PopupContent content;
    content.number = u"12";
    content.actionText = u"Keys: Ctrl + W";
    const Point points[] = {{0, 0}, {50, 100}, {100, 0}};
    for (int i = 0; i < 3; ++i) {
        content.thumbnail.points[i] = points[i];
    }
    content.thumbnail.count = 3;
    return content;
}

TEST(ResultPopupWineTest, ShowsInTheCornerOnTopWithoutTakingTheForegroundThenSlidesAway) {
    ForegroundWindow foreground;
    ASSERT_EQ(GetForegroundWindow(), foreground.hwnd());

    auto popup = std::make_unique<TfrmInfo>(foreground.hwnd());
    ASSERT_NE(popup->hwnd(), nullptr);
    EXPECT_FALSE(IsWindowVisible(popup->hwnd()));

    popup->ShowResult(SampleContent());
    PumpFor(100);
    EXPECT_TRUE(IsWindowVisible(popup->hwnd()));
    EXPECT_EQ(GetForegroundWindow(), foreground.hwnd());
    EXPECT_NE(GetActiveWindow(), popup->hwnd());
    const LONG_PTR exStyle = GetWindowLongPtrW(popup->hwnd(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_NOACTIVATE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    // A thin border and no caption.
    const LONG_PTR style = GetWindowLongPtrW(popup->hwnd(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_BORDER);

    RECT client{};
    GetClientRect(popup->hwnd(), &client);
    EXPECT_EQ(client.right, 134);
    EXPECT_EQ(client.bottom, 56);
    RECT frame{};
    GetWindowRect(popup->hwnd(), &frame);
    EXPECT_EQ(frame.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(frame.bottom, GetSystemMetrics(SM_CYSCREEN));

    // Still in place before its second is over.
    PumpFor(700);
    GetWindowRect(popup->hwnd(), &frame);
    EXPECT_EQ(frame.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(IsWindowVisible(popup->hwnd()));

    // 1 s, then 12 steps of 20 ms (more under a loaded emulator): gone well within 3 s.
    PumpFor(3000, [&] { return !IsWindowVisible(popup->hwnd()); });
    EXPECT_FALSE(IsWindowVisible(popup->hwnd()));
    GetWindowRect(popup->hwnd(), &frame);
    EXPECT_GT(frame.top, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(GetForegroundWindow(), foreground.hwnd());
}

TEST(ResultPopupWineTest, ANewResultWhileSlidingPutsItBackInTheCorner) {
    TfrmInfo popup(nullptr);
    popup.ShowResult(SampleContent());
    RECT frame{};
    PumpFor(2500, [&] {
        GetWindowRect(popup.hwnd(), &frame);
        return frame.bottom >= GetSystemMetrics(SM_CYSCREEN) + 15;
    });
    ASSERT_GE(frame.bottom, GetSystemMetrics(SM_CYSCREEN) + 15) << "the popup never slid";

    popup.ShowResult(SampleContent());
    GetWindowRect(popup.hwnd(), &frame);
    EXPECT_EQ(frame.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(IsWindowVisible(popup.hwnd()));
    PumpFor(600);
    GetWindowRect(popup.hwnd(), &frame);
    EXPECT_EQ(frame.bottom, GetSystemMetrics(SM_CYSCREEN)) << "a new second of display";
}

// The colour of one pixel of the background picture, as the program carries it.
COLORREF BackgroundPixel(int x, int y) {
    const auto bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                        MAKEINTRESOURCEW(kPopupBackgroundId),
                                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr) {
        return CLR_INVALID;
    }
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return colour;
}

TEST(ResultPopupWineTest, PaintsTheBackgroundPictureTheFrameAndTheLabels) {
    TfrmInfo popup(nullptr);
    popup.ShowResult(SampleContent());
    PumpFor(100);
    const HDC dc = GetDC(popup.hwnd());
    const COLORREF background = GetPixel(dc, 50, 20); // between the thumbnail and the number
    const COLORREF edge = GetPixel(dc, 0, 20);
    // The red start marker around (4, 4), partly under the first line of the path.
    bool redStart = false;
    for (int y = 3; y <= 5; ++y) {
        for (int x = 3; x <= 5; ++x) {
            redStart = redStart || GetPixel(dc, x, y) == RGB(255, 0, 0);
        }
    }
    ReleaseDC(popup.hwnd(), dc);

    const COLORREF picture = BackgroundPixel(50, 20);
    ASSERT_NE(picture, CLR_INVALID) << "the background picture is not among the resources";
    EXPECT_EQ(background, picture);
    EXPECT_EQ(edge, RGB(124, 146, 160));
    EXPECT_TRUE(redStart);
}

} // namespace
} // namespace traxo
