#pragma once
// The child window the windowed animated controls share: it registers its class once (wide
// name, double clicks, no background brush), paints through an off-screen bitmap copied in one
// block and never erases separately, runs the 10 ms fade timer only while a fade needs it, and
// turns mouse messages into the control's events (leave tracking, capture while pressed). Its
// messages come through the one window procedure and its guard.

#include "controls/AccessibleObject_win.h"
#include "controls/DynamicEvents.h"
#include "controls/DynamicPainters.h"
#include "controls/DynamicState.h"
#include "platform/GdiPaintCanvas_win.h"
#include "platform/OffscreenBitmap_win.h"
#include "platform/WindowBase_win.h"

#include <windows.h>

namespace traxo {

class DynamicWindow : public DynamicControlEvents, public DynamicControl, public WindowBase {
public:
    ~DynamicWindow() override;

    void SetBounds(Rect boundsInParent) override;
    Rect Bounds() const; // in the parent's client coordinates
    void SetVisible(bool visible);
    bool Visible() const;

    // Repaints now-ish (through WM_PAINT).
    void Invalidate();
    // The control's GDI objects: an owner adds pictures drawn at run time here.
    GdiObjectCache& Objects() { return objects_; }
    // What a screen reader is told of the control (WM_GETOBJECT); nothing until a provider is set.
    AccessibleHost& Accessible() { return accessible_; }

protected:
    // Creates the child window (visible) of class `className` in `parent`; `style` adds to the
    // child's own (WS_TABSTOP for a control the keyboard reaches).
    DynamicWindow(const wchar_t* className, HWND parent, Rect boundsInParent, DWORD style = 0);

    // Paints the whole control into `canvas`, in control pixels.
    virtual void Paint(GdiPaintCanvas& canvas, Size size) = 0;
    // One fade tick (OnFading, the state's tick, a repaint when the colour moved).
    virtual void FadeTick() = 0;
    // Whether a fade is under way, so that the timer must run.
    virtual bool TimerNeeded() const = 0;
    // Mouse: the control's state reacts; the base fires the owner's events after.
    virtual void MouseEntered() {}
    virtual void MouseLeft() {}
    virtual void MouseMoved() {}
    virtual void MousePressed(int /*button*/) {}
    // True when the release completes a click; the base has already checked that the left
    // button went down on the control.
    virtual bool MouseReleased(int button, bool inside) { return button == 0 && inside; }
    // Whether the owner hears of mouse events (a disabled control keeps them to itself).
    virtual bool EventsEnabled() const { return true; }

    // The keyboard cues to paint, as the window's UI state gives them: the focus cue only once
    // the keyboard has been used in the window, the access keys once Alt has been pressed.
    bool FocusCueShown() const;
    bool AccessKeysShown() const;
    // Alt is held while the message is handled (the owner repaints as it goes down and up).
    static bool AltHeld() { return GetKeyState(VK_MENU) < 0; }

    // Runs the fade timer exactly while TimerNeeded().
    void SyncFadeTimer();
    CaptionHooks Hooks() const { return {OnCustomTextExtent, OnCustomTextRender}; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();
    void TrackMouse(LPARAM lParam);
    void HandleButton(UINT message, LPARAM lParam);
    void SetInside(bool inside);
    // Space presses the focused control as the left button does and releases it with the key;
    // Enter clicks it at once.
    void HandleKey(UINT message, WPARAM key, LPARAM flags);
    void EndPress(bool inside);

    OffscreenBitmap offscreen_;
    GdiObjectCache objects_;
    AccessibleHost accessible_;
    bool timerRunning_ = false;
    bool inside_ = false;   // the cursor is over the control (as far as we have seen)
    bool tracking_ = false; // a leave notification is requested
    bool leftDown_ = false; // the left button went down on the control
    bool capturing_ = false;
    bool spaceDown_ = false;   // Space went down on the focused control
    WPARAM wParamButtons_ = 0; // the buttons still down, as the last button message gave them
};

} // namespace traxo
