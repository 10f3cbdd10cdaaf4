#include "capture/GesturePoller.h"

#include "mousecore/HookCommon.h"
#include "platform/AsciiText.h"
#include "platform/PathCase.h"

#include <algorithm>
#include <utility>

namespace traxo {
namespace {

bool AnyModifier(const KeyStates& keys) {
    return keys.alt || keys.ctrl || keys.shift;
}

// Modes 1 and 3 step aside while a modifier is held when mouseExMode is on.
bool ExModeStepsAside(bool mouseExMode, const KeyStates& keys) {
    return mouseExMode && AnyModifier(keys);
}

// Clears a flag when the poll that set it ends, however it ends.
class PollGuard {
public:
    explicit PollGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~PollGuard() { flag_ = false; }
    PollGuard(const PollGuard&) = delete;
    PollGuard& operator=(const PollGuard&) = delete;

private:
    bool& flag_;
};

} // namespace

HookChange DecideHookChange(std::int32_t triggerMode, bool mouseExMode, bool hookInstalled,
                            const KeyStates& keys) {
    if (!hookInstalled) {
        switch (triggerMode) {
        case 1:
        case 3:
            return ExModeStepsAside(mouseExMode, keys) ? HookChange::None : HookChange::Arm;
        case 2:
        case 4:
            return keys.ctrl ? HookChange::Arm : HookChange::None;
        default:
            return HookChange::None;
        }
    }
    if ((triggerMode == 2 && !keys.rightButton && !keys.ctrl) ||
        (triggerMode == 4 && !keys.middleButton && !keys.ctrl) ||
        ((triggerMode == 1 || triggerMode == 3) && ExModeStepsAside(mouseExMode, keys))) {
        return HookChange::Disarm;
    }
    return HookChange::None;
}

KeysToRead KeysOfMode(std::int32_t triggerMode, bool mouseExMode) {
    switch (triggerMode) {
    case 0:
        return {.modifiers = true, .rightButton = false, .middleButton = false};
    case 1:
        return {.modifiers = mouseExMode, .rightButton = true, .middleButton = false};
    case 2:
        return {.modifiers = true, .rightButton = true, .middleButton = false};
    case 3:
        return {.modifiers = mouseExMode, .rightButton = false, .middleButton = true};
    case 4:
        return {.modifiers = true, .rightButton = false, .middleButton = true};
    default:
        return {.modifiers = false, .rightButton = false, .middleButton = false};
    }
}

bool TriggerHeld(std::int32_t triggerMode, bool mouseExMode, const KeyStates& keys) {
    switch (triggerMode) {
    case 0:
        return keys.ctrl && keys.shift;
    case 1:
        return keys.rightButton && !ExModeStepsAside(mouseExMode, keys);
    case 2:
        return keys.rightButton && keys.ctrl;
    case 3:
        return keys.middleButton && !ExModeStepsAside(mouseExMode, keys);
    case 4:
        return keys.middleButton && keys.ctrl;
    default:
        return false;
    }
}

bool GestureButtonDown(std::int32_t triggerMode, const KeyStates& keys) {
    switch (triggerMode) {
    case 0:
        return keys.ctrl && keys.shift;
    case 1:
    case 2:
        return keys.rightButton;
    case 3:
    case 4:
        return keys.middleButton;
    default:
        return false;
    }
}

std::optional<ButtonEvents> GestureButtonEvents(std::int32_t triggerMode, bool buttonsSwapped) {
    switch (triggerMode) {
    case 1:
    case 2:
        // With swapped buttons the physical right button is the logical left one.
        if (buttonsSwapped) {
            return ButtonEvents{MouseInjection::LeftDown, MouseInjection::LeftUp};
        }
        return ButtonEvents{MouseInjection::RightDown, MouseInjection::RightUp};
    case 3:
    case 4:
        return ButtonEvents{MouseInjection::MiddleDown, MouseInjection::MiddleUp};
    default:
        return std::nullopt; // mode 0 withholds no button
    }
}

void NoteRecentProgram(std::vector<std::u16string>& recentPrograms, const std::u16string& path) {
    if (std::ranges::find(recentPrograms, path) == recentPrograms.end()) {
        recentPrograms.insert(recentPrograms.begin(), path);
    }
    if (recentPrograms.size() > kMaxRecentPrograms) {
        recentPrograms.erase(recentPrograms.begin() + kMaxRecentPrograms);
    }
}

GesturePoller::GesturePoller(const Settings& settings, CaptureDesktop& desktop, HookLibrary& hook,
                             TrailScreen& screen, CaptureOwner& owner, std::u16string ownExePath)
    : settings_(settings), desktop_(desktop), hook_(hook), owner_(owner),
      capture_(settings, desktop, hook, screen, owner), ownExePath_(LowerCasePath(ownExePath)) {}

void GesturePoller::Timer1Timer() {
    // An action or the tutorial may pump messages while a gesture ends; a timer tick or a hook
    // notification dispatched then must not run a poll inside this one.
    if (polling_) {
        return;
    }
    const PollGuard guard(polling_);
    Poll();
}

void GesturePoller::Poll() {
    if (settings_.recentList && !capture_.Capturing()) {
        TrackForeground();
    }
    if (ForegroundExcluded()) {
        if (hookInstalled_) {
            EnableHook(false);
        }
        return;
    }
    if (!settings_.active) {
        return;
    }
    KeyStates keys = desktop_.ReadKeyStates(KeysOfMode(settings_.invoke, settings_.mouseExMode));
    if (pressNotified_) {
        // The hook withheld the press, so it happened even when the button is already up again
        // as the poll reads it (a quick tap): the poll the press started counts it as held.
        keys.rightButton = keys.rightButton || rightDown_;
        keys.middleButton = keys.middleButton || middleDown_;
    }
    rightDown_ = keys.rightButton;
    middleDown_ = keys.middleButton;
    const bool buttonDown = GestureButtonDown(settings_.invoke, keys);
    if (suppressUntilRelease_ && !buttonDown && settings_.invoke != 0) {
        suppressUntilRelease_ = false; // the program has had the release itself
    }
    const bool hookWasInstalled = hookInstalled_;
    const bool holdingOff = rearmHoldOff_ > 0;
    if (holdingOff) {
        --rearmHoldOff_;
        // A press now passed the hook: the program has it, and it must have its release too.
        suppressUntilRelease_ = suppressUntilRelease_ || buttonDown;
    } else {
        ArmOrDisarm(keys);
    }
    const bool held = !holdingOff && TriggerIsHeld(keys);
    if (!held && pressNotified_ && hookWasInstalled && !capture_.Capturing()) {
        GiveBackWithheldPress();
    }
    if (held) {
        if (!HoldStep()) {
            return;
        }
    } else if (!WaitingForCtrlShiftRelease(keys)) {
        ReleaseStep(keys.ctrl);
    }
    if (!capture_.Capturing()) {
        previousCursorPos_ = desktop_.CursorPosOfMessage();
    } else if (settings_.showTrails && !settings_.fastTrails) {
        capture_.DrawOnScreen();
    }
}

void GesturePoller::TrackForeground() {
    std::u16string path = LowerCasePath(Trimmed(desktop_.ForegroundProgramPath()));
    if (path == currentProgram_) {
        return;
    }
    if (!path.empty() && path != ownExePath_) {
        NoteRecentProgram(recentPrograms_, path);
        owner_.RecentProgramsChanged();
    }
    currentProgram_ = std::move(path);
}

bool GesturePoller::ForegroundExcluded() const {
    return std::ranges::any_of(settings_.excludedPrograms, [this](const std::u16string& entry) {
        return SamePathIgnoringCase(Trimmed(entry), currentProgram_);
    });
}

void GesturePoller::ArmOrDisarm(const KeyStates& keys) {
    switch (DecideHookChange(settings_.invoke, settings_.mouseExMode, hookInstalled_, keys)) {
    case HookChange::Arm:
        // While the program holds a press it was given, its release must pass the hook.
        if (!suppressUntilRelease_) {
            EnableHook(true);
        }
        break;
    case HookChange::Disarm:
        EnableHook(false);
        break;
    case HookChange::None:
        break;
    }
}

bool GesturePoller::TriggerIsHeld(const KeyStates& keys) {
    // The buttons as the poll last saw them, cleared when the hook was armed or disarmed.
    KeyStates trigger = keys;
    trigger.rightButton = rightDown_;
    trigger.middleButton = middleDown_;
    if (settings_.invoke == 0) {
        const KeyStates now = desktop_.ReadKeyStates(KeysOfMode(0, false));
        trigger.ctrl = now.ctrl;
        trigger.shift = now.shift;
    }
    const bool held = TriggerHeld(settings_.invoke, settings_.mouseExMode, trigger);
    if (suppressUntilRelease_) {
        // Ctrl+Shift pass no hook, so no notification would ever end the wait: the poll sees
        // the keys let go itself.
        if (settings_.invoke == 0 && !held) {
            suppressUntilRelease_ = false;
        }
        return false;
    }
    return held;
}

bool GesturePoller::HoldStep() {
    const Point cursor = desktop_.CursorPos();
    if (!capture_.Capturing()) {
        capture_.StartGesture(cursor, previousCursorPos_);
        idleCount_ = 0;
        idleAt_ = cursor;
        return true;
    }
    if (settings_.idleTimeout > 0 && IdleTimedOut(cursor)) {
        AbandonGesture();
        return false;
    }
    capture_.CaptureStep(cursor);
    return true;
}

bool GesturePoller::IdleTimedOut(Point cursor) {
    const int moved = RoundedDistance(idleAt_, cursor);
    idleAt_ = cursor;
    if (moved >= kIdleMovePixels) {
        idleCount_ = 0;
        return false;
    }
    ++idleCount_;
    // Only a press that has drawn nothing yet is handed back.
    return idleCount_ > settings_.idleTimeout && capture_.CapturedPath().count <= 2;
}

void GesturePoller::AbandonGesture() {
    capture_.Abandon();
    GiveBackWithheldPress();
    desktop_.SetPollInterval(kIdlePollMs);
    owner_.SetPadIdle();
}

void GesturePoller::GiveBackWithheldPress() {
    // The hook comes off and stays off until the button is up (suppressUntilRelease_), so the
    // program under the cursor gets the withheld press now and the real release after it.
    EnableHook(false);
    suppressUntilRelease_ = true;
    if (const auto buttons =
            GestureButtonEvents(settings_.invoke, desktop_.MouseButtonsSwapped())) {
        desktop_.InjectMouse(buttons->down);
    }
}

// A Ctrl+Shift gesture ends once both keys are up: an action run while one of them is still
// held would have it added to every key it sends ("hello" typed as "HELLO").
bool GesturePoller::WaitingForCtrlShiftRelease(const KeyStates& keys) const {
    return settings_.invoke == 0 && capture_.Capturing() && (keys.ctrl || keys.shift);
}

void GesturePoller::ReleaseStep(bool ctrlDown) {
    if (capture_.ReleaseStep(ctrlDown) == GestureEnd::ClickReplay) {
        ReplayClick();
    }
}

void GesturePoller::ReplayClick() {
    // The hook comes off first so that the injected click reaches the program; the next poll
    // arms it again.
    const auto buttons = GestureButtonEvents(settings_.invoke, desktop_.MouseButtonsSwapped());
    if (!buttons) {
        return;
    }
    EnableHook(false);
    desktop_.InjectMouse(buttons->down);
    desktop_.InjectMouse(buttons->up);
    // The program under the cursor takes the injected events from its queue in its own time;
    // a hook armed again before it has would withhold the release and leave the button down
    // there. The next polls leave the hook off for a moment.
    rearmHoldOff_ = kReplayRearmHoldOffPolls;
}

void GesturePoller::EnableHook(bool on) {
    if (on && !hookInstalled_) {
        hookInstalled_ = true;
        // The button can only be chosen once the hook is in.
        hook_.HookMouse();
        if (settings_.invoke == 1 || settings_.invoke == 2) {
            hook_.TrapRight();
        } else {
            hook_.TrapMiddle();
        }
    } else if (!on && hookInstalled_) {
        hookInstalled_ = false;
        hook_.UnHookMouse();
    }
    rightDown_ = false;
    middleDown_ = false;
}

void GesturePoller::HookNotify(std::uintptr_t mouseMessage) {
    switch (mouseMessage) {
    case hook::kRightButtonDown:
        ButtonWentDown(rightDown_);
        break;
    case hook::kRightButtonUp:
        ButtonWentUp(rightDown_);
        break;
    case hook::kMiddleButtonDown:
        ButtonWentDown(middleDown_);
        break;
    case hook::kMiddleButtonUp:
        ButtonWentUp(middleDown_);
        break;
    default:
        break; // movement withheld during a gesture is of no interest
    }
}

void GesturePoller::ButtonWentDown(bool& buttonDown) {
    // A press handed back by the idle timeout is left alone until it is released.
    if (suppressUntilRelease_) {
        return;
    }
    buttonDown = true;
    pressNotified_ = true;
    PollAtOnce();
    pressNotified_ = false;
}

void GesturePoller::ButtonWentUp(bool& buttonDown) {
    buttonDown = false;
    if (suppressUntilRelease_) {
        // The hook withheld the release of a press given back before it came off: the program
        // gets this release too, before the hook may trap the button again.
        suppressUntilRelease_ = false;
        if (const auto buttons =
                GestureButtonEvents(settings_.invoke, desktop_.MouseButtonsSwapped())) {
            EnableHook(false);
            desktop_.InjectMouse(buttons->up);
            rearmHoldOff_ = kReplayRearmHoldOffPolls;
        }
        return;
    }
    PollAtOnce();
}

void GesturePoller::PollAtOnce() {
    // The poll reads the buttons again; the notification only makes it act without waiting.
    if (settings_.active) {
        Timer1Timer();
    }
}

} // namespace traxo
