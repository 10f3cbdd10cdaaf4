#pragma once
// The canvas over a GDI device context. Fills use the DC brush (selected from the start, in the
// DC's current DC brush colour), or the hollow stock brush for the clear style; the pen is
// whatever the caller selected into the DC.

#include "platform/Canvas.h"

#include <windows.h>

namespace traxo {

class GdiCanvas final : public Canvas {
public:
    // The DC must outlive the canvas, which gives it back its brush and DC brush colour.
    explicit GdiCanvas(HDC dc);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    void SetBrushColour(Colour colour) override;
    void SetBrushStyle(BrushStyle style) override;
    void MoveTo(Point to) override;
    void LineTo(Point to) override;
    void Ellipse(Rect bounds) override;

private:
    HDC dc_;
    HGDIOBJ originalBrush_;
    COLORREF originalBrushColour_;
};

} // namespace traxo
