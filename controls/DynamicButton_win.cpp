#include "controls/DynamicButton_win.h"

#include "controls/HighContrast_win.h"
namespace traxo {

TDynamicButton::TDynamicButton(HWND parent, Rect boundsInParent, DynamicLook look)
    : TDynamicOpaqueButton(L"TDynamicButton", parent, boundsInParent, std::move(look)) {}

void TDynamicButton::Paint(GdiPaintCanvas& canvas, Size size) {
    const Rect area = Bounds();
    HDC dc = canvas.Dc();
    // The parent draws in its own coordinates: move the origin so that its pixels under the
    // button land at (0, 0) of the bitmap.
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, -area.left, -area.top, nullptr);
    if (PaintParentBackground) {
        canvas.PushClip(area);
        PaintParentBackground(canvas, area);
        canvas.PopClip();
    } else {
        const HWND parent = GetParent(hwnd());
        RECT inParent{area.left, area.top, area.right, area.bottom};
        ::FillRect(dc, &inParent, GetSysColorBrush(COLOR_BTNFACE));
        SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    }
    RestoreDC(dc, saved); // the canvas's pen, brush and font as they were, origin at 0
    const ControlPaint paint = PaintWith(state_.Look(), PaintState(size), HighContrastColours());
    PaintButton(canvas, paint.look, paint.state, Hooks());
}

} // namespace traxo
