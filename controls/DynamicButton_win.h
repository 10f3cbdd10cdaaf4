#pragma once
// The button without a background of its own: it shows its parent through it (outline, glyph
// and caption only, in tmAlways, or in tmWhenInactive until the mouse is over it). It is a child
// window that first has its parent's background painted into its off-screen bitmap, then
// paints itself over it, so that it never flickers.

#include "controls/DynamicOpaqueButton_win.h"

namespace traxo {

class TDynamicButton : public TDynamicOpaqueButton {
public:
    TDynamicButton(HWND parent, Rect boundsInParent, DynamicLook look = DefaultButtonLook());

    // Paints the parent's background for `areaInParent`: the canvas is in the parent's client
    // coordinates and clipped to the area. When empty, the parent is asked to paint itself
    // (WM_ERASEBKGND and WM_PRINTCLIENT into the bitmap).
    std::function<void(PaintCanvas&, Rect areaInParent)> PaintParentBackground;

protected:
    void Paint(GdiPaintCanvas& canvas, Size size) override;
};

} // namespace traxo
