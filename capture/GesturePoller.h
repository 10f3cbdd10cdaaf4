#pragma once
// The poll behind Timer1: it follows the foreground program, keeps gestures out of excluded
// programs, arms and disarms the global hook for the trigger mode, decides whether the trigger
// is held and drives the capture, and hands a press held still too long back to the program
// under the cursor.

#include "capture/CaptureDesktop.h"
#include "capture/GestureCapture.h"
#include "platform/Settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace traxo {

inline constexpr std::size_t kMaxRecentPrograms = 9;
// Cursor movement below this many pixels in a poll counts towards the idle timeout.
inline constexpr int kIdleMovePixels = 3;
// Polls after a click was given back during which the hook stays off, so that the program
// under the cursor receives the whole click before the button is trapped again. A press made
// meanwhile reaches the program and starts no gesture.
inline constexpr int kReplayRearmHoldOffPolls = 2;

enum class HookChange { None, Arm, Disarm };

// Whether the poll arms or disarms the hook for the trigger mode and the keys held. Mode 0 is
// never armed by the poll; modes outside 0 to 4 neither arm nor disarm.
HookChange DecideHookChange(std::int32_t triggerMode, bool mouseExMode, bool hookInstalled,
                            const KeyStates& keys);

// The keys the mode's rules look at: its button, and the modifiers where the mode or the
// extended mode use them. Modes outside 0 to 4 read nothing.
KeysToRead KeysOfMode(std::int32_t triggerMode, bool mouseExMode);

// Whether the trigger of the mode is held. keys.rightButton and keys.middleButton are the
// poll's RightDown and MiddleDown.
bool TriggerHeld(std::int32_t triggerMode, bool mouseExMode, const KeyStates& keys);

// Whether the mode's gesture button (Ctrl+Shift for mode 0) is down, modifiers aside.
bool GestureButtonDown(std::int32_t triggerMode, const KeyStates& keys);

// The gesture button's press and release as injected to give a withheld press back: right
// (left when the buttons are swapped) for modes 1 and 2, middle for 3 and 4, none otherwise.
struct ButtonEvents {
    MouseInjection down;
    MouseInjection up;
};
std::optional<ButtonEvents> GestureButtonEvents(std::int32_t triggerMode, bool buttonsSwapped);

// Puts a newly seen program at the top of the list unless it is already listed, keeping at
// most 9 entries.
void NoteRecentProgram(std::vector<std::u16string>& recentPrograms, const std::u16string& path);

class GesturePoller {
public:
    // All references must outlive the poller. ownExePath = AppFolder + ExeName (any case).
    GesturePoller(const Settings& settings, CaptureDesktop& desktop, HookLibrary& hook,
                  TrailScreen& screen, CaptureOwner& owner, std::u16string ownExePath);

    void Timer1Timer(); // one poll
    void EnableHook(bool on);
    void HookNotify(std::uintptr_t mouseMessage);

    const std::u16string& CurrentProgram() const { return currentProgram_; }
    const std::vector<std::u16string>& RecentPrograms() const { return recentPrograms_; }
    const MotionPath& CapturedPath() const { return capture_.CapturedPath(); }
    bool HookInstalled() const { return hookInstalled_; }
    bool Capturing() const { return capture_.Capturing(); }
    bool SuppressUntilRelease() const { return suppressUntilRelease_; }
    bool RightDown() const { return rightDown_; }
    bool MiddleDown() const { return middleDown_; }
    bool PenBreak() const { return capture_.PenBreak(); }
    bool EndedOffScreen() const { return capture_.EndedOffScreen(); }
    Point LastPoint() const { return capture_.LastPoint(); }
    Point PreviousCursorPos() const { return previousCursorPos_; }
    int IdleCount() const { return idleCount_; }

private:
    void Poll();
    void TrackForeground();
    bool ForegroundExcluded() const;
    void ArmOrDisarm(const KeyStates& keys);
    bool TriggerIsHeld(const KeyStates& keys);
    // Starts or continues the gesture; false when the idle timeout abandoned it.
    bool HoldStep();
    bool IdleTimedOut(Point cursor);
    void AbandonGesture();
    void GiveBackWithheldPress();
    bool WaitingForCtrlShiftRelease(const KeyStates& keys) const;
    void ReleaseStep(bool ctrlDown);
    void ReplayClick();
    void ButtonWentDown(bool& buttonDown);
    void ButtonWentUp(bool& buttonDown);
    void PollAtOnce();

    const Settings& settings_;
    CaptureDesktop& desktop_;
    HookLibrary& hook_;
    CaptureOwner& owner_;
    GestureCapture capture_;
    std::u16string ownExePath_; // lower-cased

    std::u16string currentProgram_;
    std::vector<std::u16string> recentPrograms_;
    bool hookInstalled_ = false;
    bool suppressUntilRelease_ = false;
    bool rightDown_ = false;
    bool middleDown_ = false;
    bool polling_ = false;
    bool pressNotified_ = false; // the poll runs for a press the hook withheld
    int rearmHoldOff_ = 0;
    Point previousCursorPos_;
    int idleCount_ = 0;
    Point idleAt_; // IdleX, IdleY
};

} // namespace traxo
