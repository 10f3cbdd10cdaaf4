// The tutorial window under the real window manager: it shows on top without taking the
// foreground, stands where its stage points, follows the reported events, and resumes its stage
// after it was closed.
#include "ui/tutorial/Tutorial_win.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace traxo {
namespace {

void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
}

class HeldForeground {
public:
    HeldForeground() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TraxoTutorialTestForeground";
        RegisterClassW(&windowClass);
        hwnd_ =
            CreateWindowExW(0, windowClass.lpszClassName, L"Foreground", WS_OVERLAPPEDWINDOW, 100,
                            100, 300, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
        ShowWindow(hwnd_, SW_SHOW);
        SetForegroundWindow(hwnd_);
        Pump(200);
    }
    ~HeldForeground() { DestroyWindow(hwnd_); }
    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

struct Rig {
    std::map<std::u16string, Point> controls;
    TfrmTutorial tutorial{nullptr};

    Rig() {
        TutorialHost host;
        host.screenCentreOf = [this](std::u16string_view name) -> std::optional<Point> {
            const auto found = controls.find(std::u16string(name));
            return found == controls.end() ? std::nullopt : std::optional<Point>(found->second);
        };
        host.mainWindowBounds = [] { return Rect{100, 100, 900, 700}; };
        host.language = [] { return Language::English; };
        host.triggerMode = [] { return 1; };
        tutorial.Connect(std::move(host));
    }
    RECT Frame() const {
        RECT frame{};
        GetWindowRect(tutorial.hwnd(), &frame);
        return frame;
    }
    void NextByReporter(int times) {
        for (int i = 0; i < times; ++i) {
            tutorial.btnNextClick(TutorialGuide::Sender::Reporter);
        }
        Pump(50);
    }
};

TEST(TutorialWineTest, ShowsOnTopWithoutTheForegroundCentredOverTheMainWindow) {
    HeldForeground foreground;
    Rig rig;
    EXPECT_FALSE(rig.tutorial.Visible());
    rig.tutorial.ShowTutorial();
    Pump(100);
    EXPECT_TRUE(rig.tutorial.Visible());
    EXPECT_EQ(GetForegroundWindow(), foreground.hwnd());
    EXPECT_TRUE(GetWindowLongPtrW(rig.tutorial.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(rig.tutorial.MemoText().rfind(u"Welcome to Traxo.\r\n", 0), 0u);
    const RECT frame = rig.Frame();
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const int width = MulDiv(402, dpi, 96);
    const int height = MulDiv(213, dpi, 96);
    EXPECT_EQ(frame.right - frame.left, width);
    EXPECT_EQ(frame.bottom - frame.top, height);
    EXPECT_EQ(frame.left, 100 + (800 - width) / 2);
    EXPECT_EQ(frame.top, 100 + (600 - height) / 2);
}

TEST(TutorialWineTest, StandsBesideThePointedControlOrAboveItNearTheScreenEdge) {
    Rig rig;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    rig.controls[u"btnActive"] = {screenWidth - 10, screenHeight - 20};
    rig.controls[u"listbox1"] = {40, 50};
    rig.tutorial.ShowTutorial();
    rig.NextByReporter(3); // stage 4 points at btnActive, near the bottom-right corner
    ASSERT_EQ(rig.tutorial.Stage(), 4);
    RECT frame = rig.Frame();
    EXPECT_EQ(frame.right, screenWidth - 10);
    EXPECT_EQ(frame.bottom, screenHeight - 20);
    rig.NextByReporter(1); // stage 5 points at the list, which has room to the bottom right
    frame = rig.Frame();
    EXPECT_EQ(frame.left, 40);
    EXPECT_EQ(frame.top, 50);
}

TEST(TutorialWineTest, ReportedEventsMoveOnAndClosingKeepsTheStage) {
    Rig rig;
    rig.tutorial.ShowTutorial();
    rig.NextByReporter(5);
    ASSERT_EQ(rig.tutorial.Stage(), 6);
    EXPECT_EQ(rig.tutorial.WaitingFor(), u"image1/mouseup");
    rig.tutorial.Report(u"btnCreate/click"); // not this stage's event
    EXPECT_EQ(rig.tutorial.Stage(), 6);
    rig.tutorial.Report(u"image1/mouseup");
    EXPECT_EQ(rig.tutorial.Stage(), 7);
    EXPECT_EQ(rig.tutorial.MemoText(), u"To create a gesture, click this button now. ");

    rig.tutorial.btnCancelClick();
    EXPECT_FALSE(rig.tutorial.Visible());
    EXPECT_TRUE(rig.tutorial.WaitingFor().empty());
    rig.tutorial.Report(u"btnCreate/click"); // nothing awaited while closed
    EXPECT_EQ(rig.tutorial.Stage(), 7);
    rig.tutorial.FormShow();
    EXPECT_TRUE(rig.tutorial.Visible());
    EXPECT_EQ(rig.tutorial.WaitingFor(), u"btnCreate/click");

    rig.NextByReporter(5);
    EXPECT_TRUE(rig.tutorial.Visible()); // the last stage, 12
    rig.NextByReporter(1);               // past it: the end closes the window
    EXPECT_FALSE(rig.tutorial.Visible());
}

} // namespace
} // namespace traxo
