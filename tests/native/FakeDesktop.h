#pragma once
// A scripted desktop for the poll and the capture: the test sets the keys, the cursor, the
// foreground program and the monitors, and reads back what was injected, what the hook library
// was asked and what was drawn on the screen.

#include "capture/CaptureDesktop.h"
#include "capture/GestureCapture.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace traxo::testing {

class FakeDesktop final : public CaptureDesktop {
public:
    KeyStates keys;
    Point cursor;
    // Where the cursor was when the poll's message was queued; the live cursor when unset.
    std::optional<Point> messageCursor;
    WindowHandle foreground = reinterpret_cast<WindowHandle>(0x1234);
    std::u16string foregroundPath = u"C:\\Apps\\Editor.exe";
    std::vector<Rect> monitors{{0, 0, 1920, 1080}};
    bool swapped = false;

    std::vector<MouseInjection> injected;
    // What the program under the cursor receives: injected events and the real ones that pass
    // while the hook is off, in order.
    std::vector<MouseInjection> programSees;
    std::vector<int> intervals;

    std::vector<KeysToRead> reads; // what each poll asked for
    KeyStates ReadKeyStates(KeysToRead wanted) override {
        reads.push_back(wanted);
        KeyStates read = keys;
        if (!wanted.modifiers) {
            read.alt = read.ctrl = read.shift = false;
        }
        read.rightButton = read.rightButton && wanted.rightButton;
        read.middleButton = read.middleButton && wanted.middleButton;
        return read;
    }
    Point CursorPos() override { return cursor; }
    Point CursorPosOfMessage() override { return messageCursor.value_or(cursor); }
    WindowHandle ForegroundWindow() override { return foreground; }
    std::u16string ForegroundProgramPath() override { return foregroundPath; }
    std::vector<Rect> MonitorBounds() override { return monitors; }
    bool MouseButtonsSwapped() override { return swapped; }
    void InjectMouse(MouseInjection event) override {
        injected.push_back(event);
        programSees.push_back(event);
    }
    void SetPollInterval(int milliseconds) override { intervals.push_back(milliseconds); }
};

class FakeHook final : public HookLibrary {
public:
    std::vector<std::string> calls;

    void HookMouse() override { calls.push_back("HookMouse"); }
    void UnHookMouse() override { calls.push_back("UnHookMouse"); }
    void ShowMovement() override { calls.push_back("ShowMovement"); }
    void HideMovement() override { calls.push_back("HideMovement"); }
    void TrapRight() override { calls.push_back("TrapRight"); }
    void TrapMiddle() override { calls.push_back("TrapMiddle"); }

    int Count(const std::string& call) const {
        return static_cast<int>(std::ranges::count(calls, call));
    }
};

// Every call on the screen, in order, each line with the pen colour it was drawn in.
class RecordingScreen final : public TrailScreen {
public:
    enum class Op { Bind, Pen, BrushColour, BrushStyle, MoveTo, LineTo, Ellipse, Save, Restore };
    struct Call {
        Op op;
        Point point{};
        Rect rect{};
        Colour colour = 0; // the pen's for LineTo
        int value = 0;     // pen width, brush style or slot
    };
    std::vector<Call> calls;

    void BindToScreen() override { calls.push_back({Op::Bind}); }
    void SetPen(Colour colour, int width) override {
        pen_ = colour;
        calls.push_back({Op::Pen, {}, {}, colour, width});
    }
    void SetBrushColour(Colour colour) override {
        calls.push_back({Op::BrushColour, {}, {}, colour});
    }
    void SetBrushStyle(BrushStyle style) override {
        calls.push_back({Op::BrushStyle, {}, {}, 0, static_cast<int>(style)});
    }
    void MoveTo(Point to) override { calls.push_back({Op::MoveTo, to}); }
    void LineTo(Point to) override { calls.push_back({Op::LineTo, to, {}, pen_}); }
    void Ellipse(Rect bounds) override { calls.push_back({Op::Ellipse, {}, bounds}); }
    void SaveArea(int slot, Rect bounds) override {
        calls.push_back({Op::Save, {}, bounds, 0, slot});
    }
    void RestoreArea(int slot, Rect bounds) override {
        calls.push_back({Op::Restore, {}, bounds, 0, slot});
    }

    int Count(Op op) const { return static_cast<int>(std::ranges::count(calls, op, &Call::op)); }
    std::vector<Call> Only(Op op) const {
        std::vector<Call> found;
        std::ranges::copy_if(calls, std::back_inserter(found),
                             [op](const Call& call) { return call.op == op; });
        return found;
    }
    std::vector<Point> LineEnds() const {
        std::vector<Point> ends;
        for (const Call& call : Only(Op::LineTo)) {
            ends.push_back(call.point);
        }
        return ends;
    }

private:
    Colour pen_ = 0;
};

class FakeOwner final : public CaptureOwner {
public:
    struct Recognition {
        std::unique_ptr<MotionPath> path;
        WindowHandle target;
    };
    std::vector<Recognition> recognitions;
    int recentChanges = 0;
    int padIdles = 0;
    // Runs inside GestureEnded, as an action that pumps messages would.
    std::function<void()> duringRecognition;

    void GestureEnded(const MotionPath& normalised, WindowHandle target) override {
        recognitions.push_back({std::make_unique<MotionPath>(normalised), target});
        if (duringRecognition) {
            duringRecognition();
        }
    }
    void RecentProgramsChanged() override { ++recentChanges; }
    void SetPadIdle() override { ++padIdles; }
};

} // namespace traxo::testing
