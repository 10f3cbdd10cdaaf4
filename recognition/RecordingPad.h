#pragma once
// The white drawing pad of the main window: records the path of a motion after "Create
// gesture" or "Record again", tests gestures against the set at any other time, and warns when
// a new motion resembles another one. All feedback is drawn inside the pad as small message
// boxes. The window hosts it: it forwards the pad's mouse events and the reminder timer, and
// keeps the picture the pad draws on.

#include "platform/DpiScale.h"
#include "platform/PaintCanvas.h"
#include "platform/TextTable.h"
#include "sets/MotionPath.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace traxo {

class SetDocument;

enum PadStateValue : int { padTesting = 1, padRecording = 2, padArmed = 3, padIdle = 4 };
enum class PadButton { Left, Right, Middle };

inline constexpr int kReminderIntervalMs = 1500;
// The pad's place in the main window's layout, in 96-DPI units.
inline constexpr Size kPadLayoutSize{483, 400};

// What the pad needs of the main window.
class PadOwner {
public:
    virtual ~PadOwner() = default;
    virtual PaintCanvas& PadCanvas() = 0; // the pad's picture (an off-screen bitmap the window
                                          // keeps, so it survives repaints)
    virtual Size PadSize() = 0;           // pad client size in pixels
    virtual void PadChanged() = 0;        // the picture changed: show it on the screen
    virtual void SelectAndFocusMotion(int index) = 0; // rebuild the list, select, focus
    virtual void RepaintMotionList() = 0;
    virtual void MotionListClick() = 0; // ListBox1Click (which calls RecordingPad::ShowMotion)
    virtual void UpdateButtons() = 0;
    virtual void SetRecordButtonVisible(bool visible) = 0;
    virtual void ShowSetFullMessage(std::u16string_view text) = 0; // error dialog, OK button
    virtual void TutorialEvent(std::u16string_view name) = 0; // "btnCreate/click", "image1/mouseup"
    virtual void ProcessPendingMessages() = 0;
    virtual void SetReminderTimer(bool enabled) = 0; // ReminderTimer, 1500 ms
    virtual bool CapturingOnScreen() = 0;
    // Recognise with action execution off; the motion index or -1.
    virtual int RecogniseWithoutAction(const MotionPath& normalised) = 0;
    virtual Language CurrentLanguage() = 0; // 0 English, 1 Chinese
    // The scale of the pad's window: its dots, message box and font follow it.
    virtual DpiScale PadScale() { return {}; }
};

// The pad's texts: English and Chinese side by side.
enum class PadText { Armed, Matches, Unrecognised, SimilarWarning, Reminder, SetFull, Count };
const TextTable& TextTableOf(PadText);
std::u16string_view PadMessage(PadText text, Language language);

// The similarity warning for motion index k: the first "X" of the text becomes k + 1.
std::u16string SimilarityWarning(int motionIndex, Language language);

class RecordingPad {
public:
    // Both references must outlive the pad.
    RecordingPad(SetDocument& document, PadOwner& owner);

    int PadState() const { return state_; }
    // Load/save/clear/select/screen gesture: disarm. A recording in progress is dropped and the
    // motion keeps the path it had.
    void SetIdle();

    void btnCreateClick();
    void btnRecordClick();
    void Image1MouseDown(PadButton button, Point at);
    void Image1MouseMove(Point at);
    void Image1MouseUp(PadButton button, Point at);
    // The pad lost the mouse before the release: the drawing in progress is dropped and the
    // selected motion shown again.
    void Image1CaptureLost();
    void ReminderTimerTimer();

    // Draws one message box in the pad, with the path as a thumbnail when it has points; offset
    // moves the box down by half its value.
    void MessageInGestureArea(const MotionPath& path, std::u16string_view text, int offset);
    // The motion list's click: a white pad and the motion drawn over it, inside a margin of 8 %
    // of the pad's size.
    void ShowMotion(int index);
    // A gesture captured on the screen, drawn over the pad inside the same margin.
    void ShowScreenGesture(const MotionPath& normalised);

    // The test gesture, or the recording in progress: a motion's path is written only when its
    // recording ends with the release.
    const MotionPath& CapturedPath() const { return capturedPath_; }

    // A white pad with the grey pen: what was shown is forgotten.
    void ClearPad();
    // The language changed: a pad that shows messages is drawn again with their new texts.
    void TranslateMe();
    // What the messages shown since the pad was last cleared say, oldest first.
    std::vector<std::u16string> ShownMessageTexts() const;

private:
    // A message box on the pad, kept so that it can be drawn again in another language.
    struct ShownMessage {
        PadText text;
        int motionIndex; // the number in "Matches #" and the similarity warning
        MotionPath thumbnail;
        int offset;
    };

    void DrawOverPad(const MotionPath& path);
    void ShowMessage(PadText text, int motionIndex, const MotionPath& thumbnail, int offset);
    // Adds a point to the path when it lies more than 5 pixels from the last one and the path
    // has room; draws its circle.
    void AddPoint(MotionPath& path, Point at);
    void EndRecording();
    void EndTest();
    MotionPath* SelectedPath();

    SetDocument& document_;
    PadOwner& owner_;
    int state_ = padIdle;
    MotionPath capturedPath_{};
    // What the pad shows since it was last cleared: the path drawn over it, then its messages.
    std::unique_ptr<MotionPath> shownPath_;
    std::vector<ShownMessage> shownMessages_;
};

} // namespace traxo
