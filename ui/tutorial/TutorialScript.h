#pragma once
// The tutorial's decisions: the stage scripts, what a stage shows, where the window goes, and
// how Next, Back and Cancel move through the stages. The window (ui/tutorial/Tutorial_win) carries
// out what these return; reporters elsewhere ask WaitingFor before they advance it.

#include "controls/DynamicControls.h"
#include "platform/CoreTypes.h"
#include "platform/Language.h"
#include "ui/main/MainWindowLayout.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace traxo {

// The window in 96-DPI units: 402 by 213, the picture (100 by 105) at (16, 18), the memo at
// (122, 18), 272 by 154, the buttons 54 by 26 along the bottom.
inline constexpr Size kTutorialSize{402, 213};
inline constexpr Rect kTutorialPicture{16, 18, 116, 123};
inline constexpr Rect kTutorialMemo{122, 18, 394, 172};
inline constexpr Rect kTutorialBack{13, 174, 67, 200};
inline constexpr Rect kTutorialCancel{69, 174, 123, 200};
inline constexpr Rect kTutorialNext{125, 174, 179, 200}; // Finish stands at the same place
inline constexpr int kTutorialPictureCount = 3;          // the pictures a script may name
inline constexpr int kTutorialPictureSize = 100;

// The built-in script of language 1 (Chinese) or any other (English), comments included.
const std::vector<std::u16string>& TutorialScript(Language language);

// The script without its comment lines ("//" after trimming); the last line stays as it is.
std::vector<std::u16string> WithoutComments(const std::vector<std::u16string>& script);

// The trigger mode's words as the stage text uses them for "@method"; English ones start with a
// capital letter.
std::u16string MethodText(int triggerMode, Language language);

// A text line as the memo shows it: "@method" replaced, "<br>" a line feed and carriage return.
std::u16string MemoLine(std::u16string_view line, std::u16string_view method);

enum class StageSource { Window, NextButton, BackButton };

// What one stage shows.
struct StagePlan {
    bool close = false; // there is no such stage: the window closes
    bool backVisible = false;
    bool finishVisible = false; // Next shows exactly when Finish does not
    std::optional<int> picture;
    int memoLeft = 0; // 96-DPI units in the window
    int memoWidth = 0;
    std::u16string memo;
    std::optional<std::u16string> pointAt; // the control the stage points at
    std::u16string waitingFor;
    std::u16string prompt;
};

// Stage `stage` of a comment-free script. The wait is left out when the stage is reached by Back.
StagePlan PlanStage(const std::vector<std::u16string>& script, int stage, StageSource from,
                    std::u16string_view method, int pictureCount = kTutorialPictureCount);

// Where the window goes: beside the pointed-at centre when the stage points at a control that
// exists, else centred over the main window.
struct TutorialPlacement {
    Point topLeft;
    TDynamicShape shape = fsRectangle;
    friend bool operator==(const TutorialPlacement&, const TutorialPlacement&) = default;
};
TutorialPlacement PlaceTutorial(std::optional<Point> pointedCentre, Rect mainWindow, Size window,
                                Size screen);

// The main-window control a script names (without regard to case); "comboActions" is the action
// button, whose panel takes the dropped files.
std::optional<MainControl> MainControlNamed(std::u16string_view name);

// The stage, the awaited event and the pending prompt, and how the buttons and the reporters
// move them.
class TutorialGuide {
public:
    enum class Sender { NextButton, FinishButton, Reporter };

    // ShowTutorial: the first stage.
    void Start() { stage_ = 1; }
    int Stage() const { return stage_; }
    // The script of the language without its comments; run each time the window is shown.
    void PrepareScripts();
    // Loads the current stage: the awaited event and the prompt follow the plan.
    StagePlan LoadStage(StageSource from, Language language, int triggerMode);

    const std::u16string& WaitingFor() const { return waitingFor_; }
    const std::u16string& PendingPrompt() const { return prompt_; }
    // Whether a reporter of this event moves the tutorial on (exact, case-sensitive).
    bool Awaits(std::u16string_view event) const {
        return !waitingFor_.empty() && waitingFor_ == event;
    }

    // Next, Finish or a reporter. Returns the prompt to show when the stage must be completed
    // first; otherwise the stage has advanced and the caller loads it from the Next button.
    std::optional<std::u16string> Next(Sender sender);
    // The stage before (never below the first); the caller loads it from the Back button.
    void Back();
    // Cancel, or moving past the last stage: nothing is awaited any more. The stage stays.
    void Close();

private:
    std::vector<std::u16string> scripts_[2];
    bool prepared_ = false;
    int stage_ = 1;
    std::u16string waitingFor_;
    std::u16string prompt_;
};

} // namespace traxo
