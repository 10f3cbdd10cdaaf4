#pragma once
// The whole screen as the trail's drawing surface: a device context for the entire virtual
// desktop (the primary monitor at 0, 0), a solid pen of the trail's colour and width, and one
// saved copy per monitor slot. Everything is given back by the destructor.

#include "capture/CaptureDesktop.h"
#include "capture/GestureCapture.h" // kBackgroundSlots
#include "platform/GdiCanvas_win.h"
#include "platform/ScopedWin_win.h"

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <type_traits>

namespace traxo {

class WindowsTrailScreen final : public TrailScreen {
public:
    WindowsTrailScreen() = default;
    ~WindowsTrailScreen() override;
    WindowsTrailScreen(const WindowsTrailScreen&) = delete;
    WindowsTrailScreen& operator=(const WindowsTrailScreen&) = delete;

    void BindToScreen() override;
    void SetPen(Colour colour, int width) override;
    void SaveArea(int slot, Rect bounds) override;
    void RestoreArea(int slot, Rect bounds) override;

    // Until the first BindToScreen there is nothing to draw on, and drawing does nothing.
    void SetBrushColour(Colour colour) override;
    void SetBrushStyle(BrushStyle style) override;
    void MoveTo(Point to) override;
    void LineTo(Point to) override;
    void Ellipse(Rect bounds) override;

private:
    using OwnedPen = ScopedPen;
    using OwnedBitmap = ScopedBitmap;

    void ReleaseScreen();

    // Destroyed in reverse order: the canvas and the screen DC let go of the pen before it is
    // deleted, and the bitmaps are never selected anywhere when they go.
    std::array<OwnedBitmap, kBackgroundSlots> saved_;
    OwnedPen pen_;
    Colour penColour_ = 0;
    int penWidth_ = 0;
    std::optional<ScopedWindowDc> screenDc_;
    HDC screen_ = nullptr; // lent by screenDc_
    HGDIOBJ originalPen_ = nullptr;
    std::optional<GdiCanvas> canvas_;
};

} // namespace traxo
