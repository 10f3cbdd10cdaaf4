#pragma once
// The recording pad's test fixture: a recording canvas and a main window that notes what it was
// asked to do; recognition is the real recogniser over the document's set.

#include "RecognitionTestPaths.h"
#include "platform/Language.h"
#include "platform/RecordingPaintCanvas.h"
#include "recognition/Recogniser.h"
#include "recognition/RecordingPad.h"
#include "sets/SetDocument.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace traxo::padtest {

using test::PathOf;
using test::PointsOf;
using test::Stroke;

// A packed field is read as a value before a reference can bind to it.
template <typename T> T Value(T field) {
    return field;
}

// Where DrawInRect puts box units along a span of `span` pixels.
inline int Mapped(int units, int span) {
    return static_cast<int>(std::llrint(units / 100.0 * span));
}

class FakePadWindow final : public PadOwner {
public:
    explicit FakePadWindow(const MotionSet& set) : set_(set) {}

    RecordingPaintCanvas canvas;
    Size size{483, 400};
    Language language = Language::English;
    bool capturing = false;
    std::vector<std::u16string> events; // every request, in order
    std::vector<std::u16string> dialogs;
    std::optional<bool> reminderTimer;
    int recognitions = 0;
    std::vector<std::int32_t> countsSeenWhileRecognising; // each motion's count at that time
    std::function<void()> onListClick;

    PaintCanvas& PadCanvas() override { return canvas; }
    Size PadSize() override { return size; }
    void PadChanged() override { ++padChanges; }
    void SelectAndFocusMotion(int index) override { Note(u"select " + Number(index)); }
    void RepaintMotionList() override { Note(u"repaint list"); }
    void MotionListClick() override {
        Note(u"list click");
        if (onListClick) {
            onListClick();
        }
    }
    void UpdateButtons() override { Note(u"update buttons"); }
    void SetRecordButtonVisible(bool visible) override {
        Note(visible ? u"show record" : u"hide record");
    }
    void ShowSetFullMessage(std::u16string_view text) override { dialogs.emplace_back(text); }
    void TutorialEvent(std::u16string_view name) override {
        Note(u"tutorial " + std::u16string(name));
    }
    void ProcessPendingMessages() override { Note(u"pump"); }
    void SetReminderTimer(bool enabled) override { reminderTimer = enabled; }
    bool CapturingOnScreen() override { return capturing; }
    int RecogniseWithoutAction(const MotionPath& normalised) override {
        ++recognitions;
        for (int i = 0; i < set_.motionCount; ++i) {
            countsSeenWhileRecognising.push_back(Value(set_.motions[i].path.count));
        }
        RecognitionState state;
        return recogniser_.Recognise(normalised, set_, state);
    }
    Language CurrentLanguage() override { return language; }
    DpiScale PadScale() override { return scale; }

    int padChanges = 0;
    DpiScale scale;

    bool Saw(std::u16string_view event) const {
        return std::find(events.begin(), events.end(), event) != events.end();
    }
    std::vector<std::u16string> Texts() const {
        std::vector<std::u16string> texts;
        for (const PaintCall& call : canvas.CallsOf(PaintOp::Text)) {
            texts.push_back(call.text);
        }
        return texts;
    }

private:
    static std::u16string Number(int value) {
        const std::string text = std::to_string(value);
        return {text.begin(), text.end()};
    }
    void Note(std::u16string event) { events.push_back(std::move(event)); }

    const MotionSet& set_;
    Recogniser recogniser_;
};

// Distinct shapes of at least 30 raw points, drawn in pad pixels.
inline std::vector<Point> HorizontalLine() {
    return Stroke({40, 200}, {10, 0}, 40);
}
inline std::vector<Point> DiagonalDown() {
    return Stroke({40, 40}, {8, 8}, 40);
}
inline std::vector<Point> LShape() {
    std::vector<Point> points = Stroke({100, 40}, {0, 10}, 20);
    const std::vector<Point> foot = Stroke({110, 230}, {10, 0}, 20);
    points.insert(points.end(), foot.begin(), foot.end());
    return points;
}

class RecordingPadTest : public ::testing::Test {
protected:
    std::unique_ptr<MotionSet> set = std::make_unique<MotionSet>();
    SetDocument document{*set};
    std::unique_ptr<FakePadWindow> window = std::make_unique<FakePadWindow>(*set);
    RecordingPad pad{document, *window};

    RecordingPadTest() {
        window->onListClick = [this] { pad.ShowMotion(document.selectedIndex()); };
    }

    // Stores the raw points as motion `index`, normalised as recording leaves them.
    void StoreMotion(int index, const std::vector<Point>& raw, std::u16string_view action = u"") {
        set->motions[index].path = ResizeGesture(*PathOf(raw));
        set->motions[index].defaultAction.Assign(action);
        set->motions[index].ruleCount = 0;
        set->motionCount = std::max(Value(set->motionCount), index + 1);
    }

    void Draw(const std::vector<Point>& points) {
        pad.Image1MouseDown(PadButton::Left, points.front());
        for (std::size_t i = 1; i < points.size(); ++i) {
            pad.Image1MouseMove(points[i]);
        }
        pad.Image1MouseUp(PadButton::Left, points.back());
    }

    std::vector<std::u16string> TextsContaining(std::u16string_view part) const {
        std::vector<std::u16string> found;
        for (const std::u16string& text : window->Texts()) {
            if (text.find(part) != std::u16string::npos) {
                found.push_back(text);
            }
        }
        return found;
    }
};

} // namespace traxo::padtest
