// The animated controls as real child windows: clicks at any speed, a disabled control
// swallowing them, fades that stop their own timer, and the pixels each class paints.
#include "controls/DynamicButton_win.h"
#include "controls/DynamicFrame_win.h"
#include "controls/DynamicLabel_win.h"
#include "controls/DynamicOpaqueButton_win.h"

#include <gtest/gtest.h>

namespace traxo {
namespace {

constexpr Colour kRest = Rgb(232, 233, 209);
constexpr Colour kBorder = Rgb(160, 150, 131);

class ControlsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = L"TraxoControlsTestParent";
        RegisterClassExW(&windowClass);
        parent = CreateWindowExW(0, L"TraxoControlsTestParent", L"controls",
                                 WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 400, 200, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(parent, nullptr);
    }
    void TearDown() override { DestroyWindow(parent); }

    // What the control paints, read back from an off-screen bitmap.
    static Colour PixelOf(HWND control, int x, int y) {
        RECT client{};
        GetClientRect(control, &client);
        OffscreenBitmap bitmap;
        if (!bitmap.Resize(client.right, client.bottom)) {
            return OffscreenBitmap::kNoPixel;
        }
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bitmap.Dc()), PRF_CLIENT);
        return bitmap.Pixel(x, y);
    }

    // Dispatches messages until `done` or two seconds have passed.
    template <typename Done> static bool PumpUntil(Done done) {
        const DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > 2000) {
                return false;
            }
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&message);
            }
            Sleep(5);
        }
        return true;
    }

    static void PumpFor(DWORD milliseconds) {
        const DWORD start = GetTickCount();
        PumpUntil([&] { return GetTickCount() - start >= milliseconds; });
    }

    static void Click(HWND control, int x, int y) {
        SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }

    HWND parent = nullptr;
};

TEST_F(ControlsWindow, AQuickClickIsOneClickAndADisabledButtonSwallowsIt) {
    TDynamicOpaqueButton button(parent, {10, 10, 110, 40});
    ASSERT_NE(button.hwnd(), nullptr);
    int clicks = 0;
    int downs = 0;
    button.OnClick = [&] { ++clicks; };
    button.OnMouseDown = [&](int b, Point) { downs += b == 0 ? 1 : 0; };
    Click(button.hwnd(), 20, 10);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downs, 1);
    EXPECT_NE(GetCapture(), button.hwnd()); // the press gave the mouse back

    // Released off the button: no click.
    SendMessageW(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
    SendMessageW(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(200, 10));
    EXPECT_EQ(clicks, 1);

    button.SetEnabled(false);
    Click(button.hwnd(), 20, 10);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downs, 2);
    button.SetEnabled(true);
    Click(button.hwnd(), 20, 10);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsWindow, OpaqueButtonPaintsOutsideBorderAndFill) {
    TDynamicOpaqueButton button(parent, {10, 10, 110, 40});
    EXPECT_EQ(PixelOf(button.hwnd(), 0, 0), GetSysColor(COLOR_BTNFACE)); // the cut corner
    EXPECT_EQ(PixelOf(button.hwnd(), 99, 15), kBorder);
    EXPECT_EQ(PixelOf(button.hwnd(), 50, 15), kRest);
    DynamicLook look = button.Look();
    look.Colour = Rgb(0, 128, 255);
    button.SetLook(look); // at once, no fade
    EXPECT_EQ(PixelOf(button.hwnd(), 50, 15), Rgb(0, 128, 255));
}

TEST_F(ControlsWindow, DisablingFadesToGreyAndStopsTheTimer) {
    DynamicLook look = DefaultOpaqueButtonLook();
    look.FadeInTime = 50;
    TDynamicOpaqueButton button(parent, {10, 10, 110, 40}, look);
    int fading = 0;
    button.OnFading = [&] { ++fading; };
    button.SetEnabled(false);
    ASSERT_TRUE(PumpUntil([&] { return button.CurrentColour() == kButtonDisabledColour; }));
    PumpFor(150); // the flash's way back is cut short: a disabled control stays grey
    const int ticks = fading;
    EXPECT_GE(ticks, 5);
    PumpFor(100);
    EXPECT_EQ(fading, ticks) << "an idle control must not tick";
    EXPECT_FALSE(KillTimer(button.hwnd(), 1));
    EXPECT_EQ(button.CurrentColour(), kButtonDisabledColour);
    EXPECT_EQ(PixelOf(button.hwnd(), 50, 15), kButtonDisabledColour);
}

TEST_F(ControlsWindow, WindowlessButtonShowsWhatTheParentPaints) {
    struct Case {
        TTransparentMode mode;
        Colour centre;
    };
    for (const Case c : {Case{tmOpaque, kRest}, Case{tmAlways, Rgb(255, 0, 0)},
                         Case{tmWhenInactive, Rgb(255, 0, 0)}}) {
        DynamicLook look = DefaultButtonLook();
        look.TransparentMode = c.mode;
        TDynamicButton button(parent, {50, 20, 150, 56}, look);
        Rect asked;
        button.PaintParentBackground = [&](PaintCanvas& canvas, Rect area) {
            asked = area;
            canvas.FillRect({0, 0, 400, 200}, Rgb(255, 0, 0)); // parent coordinates, clipped
        };
        EXPECT_EQ(PixelOf(button.hwnd(), 50, 18), c.centre) << int(c.mode);
        EXPECT_EQ(PixelOf(button.hwnd(), 99, 18), kBorder) << int(c.mode);
        EXPECT_EQ(asked, (Rect{50, 20, 150, 56}));
    }
}

TEST_F(ControlsWindow, LabelAndFramePaintTheirShapes) {
    TDynamicLabel label(parent, {0, 0, 150, 25});
    EXPECT_EQ(PixelOf(label.hwnd(), 0, 0), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(PixelOf(label.hwnd(), 120, 12), kRest);
    int textPixels = 0;
    for (int x = 3; x < 40; ++x) {
        for (int y = 4; y < 22; ++y) {
            textPixels += PixelOf(label.hwnd(), x, y) != kRest ? 1 : 0;
        }
    }
    EXPECT_GT(textPixels, 10) << "the caption \"Label\"";

    DynamicLook look = DefaultFrameLook();
    look.Colour = Rgb(0, 160, 0);
    TDynamicFrame frame(parent, {10, 10, 60, 40}, look);
    OffscreenBitmap bitmap;
    ASSERT_TRUE(bitmap.Resize(80, 60));
    PatBlt(bitmap.Dc(), 0, 0, 80, 60, WHITENESS);
    {
        GdiPaintCanvas canvas(bitmap.Dc());
        frame.Paint(canvas);
    }
    EXPECT_EQ(bitmap.Pixel(35, 25), Rgb(0, 160, 0));
    EXPECT_EQ(bitmap.Pixel(35, 10), Rgb(128, 128, 128));
    EXPECT_EQ(bitmap.Pixel(10, 10), Rgb(255, 255, 255)); // the cut corner
    EXPECT_EQ(bitmap.Pixel(65, 25), Rgb(255, 255, 255));
}

} // namespace
} // namespace traxo
