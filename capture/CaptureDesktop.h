#pragma once
// What the poll and the gesture capture ask of the desktop: key and button states, the cursor,
// the foreground program, the monitors, injected mouse events, the poll timer, the hook library's
// entry points and the screen the trail is drawn on. Windows gives the real ones; tests script
// them.

#include "platform/Canvas.h"
#include "platform/CoreTypes.h"
#include "recognition/Recogniser.h"

#include <cstdint>
#include <string>
#include <vector>

namespace traxo {

// Down means the high-order byte of the key's GetKeyState value is not zero.
struct KeyStates {
    bool alt = false;
    bool ctrl = false;
    bool shift = false;
    bool rightButton = false;
    bool middleButton = false;
};

// Which keys a poll reads. Each is a call into the system, and under Wine a round trip to its
// server: an idle poll of the right-button mode needs only the button.
struct KeysToRead {
    bool modifiers = true; // Alt, Ctrl and Shift
    bool rightButton = true;
    bool middleButton = true;
};

// mouse_event flags, as injected to give a withheld press (and release) back.
enum class MouseInjection : std::uint32_t {
    LeftDown = 0x0002,
    LeftUp = 0x0004,
    RightDown = 0x0008,
    RightUp = 0x0010,
    MiddleDown = 0x0020,
    MiddleUp = 0x0040,
};

class CaptureDesktop {
public:
    virtual ~CaptureDesktop() = default;

    // The keys asked for; the others read as up.
    virtual KeyStates ReadKeyStates(KeysToRead wanted) = 0;
    virtual Point CursorPos() = 0;
    // Where the cursor was when the message that runs this poll was taken from the queue. The
    // idle poll samples it instead of CursorPos: it is already at hand, where asking for the live
    // cursor can cost a round trip to the display server.
    virtual Point CursorPosOfMessage() = 0;
    virtual WindowHandle ForegroundWindow() = 0;
    // ExePathOfWindow of the foreground window, as the system gives it; empty when unreadable.
    virtual std::u16string ForegroundProgramPath() = 0;
    // Every monitor's bounds in virtual-desktop pixels, in the system's order.
    virtual std::vector<Rect> MonitorBounds() = 0;
    virtual bool MouseButtonsSwapped() = 0; // SM_SWAPBUTTON
    virtual void InjectMouse(MouseInjection event) = 0;
    virtual void SetPollInterval(int milliseconds) = 0; // Timer1's interval
};

// The six resolved entry points of the hook library. When the library did not load, the owner
// passes an implementation whose calls do nothing, so gestures are simply unavailable.
class HookLibrary {
public:
    virtual ~HookLibrary() = default;
    virtual void HookMouse() = 0;
    virtual void UnHookMouse() = 0;
    virtual void ShowMovement() = 0;
    virtual void HideMovement() = 0;
    virtual void TrapRight() = 0;
    virtual void TrapMiddle() = 0;
};

// The whole screen as a drawing surface for the trail, with one saved copy per monitor slot.
class TrailScreen : public Canvas {
public:
    // Binds the surface to a new device context for the whole screen, releasing the one it held.
    virtual void BindToScreen() = 0;
    virtual void SetPen(Colour colour, int width) = 0;
    // Copies the screen area at bounds into slot (0 to 8).
    virtual void SaveArea(int slot, Rect bounds) = 0;
    // Copies slot's copy back onto the screen at bounds and frees it.
    virtual void RestoreArea(int slot, Rect bounds) = 0;
};

} // namespace traxo
