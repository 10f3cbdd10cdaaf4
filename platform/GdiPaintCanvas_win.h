#pragma once
// PaintCanvas over a GDI device context. The GDI objects it needs (pens, fonts per FontSpec,
// prepared pictures) live in a GdiObjectCache, which a window keeps for its life so that a fade
// repainting 100 times a second creates nothing; the canvas gives the DC back its pen, brush,
// font, text colour, background mode and clip when it goes.

#include "platform/PaintCanvas.h"
#include "platform/ScopedWin_win.h"

#include <windows.h>

#include <commctrl.h>
#include <map>
#include <memory>
#include <vector>

// <windows.h> maps DrawText to DrawTextW, which would rename PaintCanvas::DrawText wherever the
// two meet; the program calls the wide routine by its own name.
#ifdef DrawText
#undef DrawText
#endif

namespace traxo {

// 0x00BBGGRR as is; system colours (0xFF000000 plus index) as the system gives them now.
COLORREF ResolveColour(Colour colour);

class GdiObjectCache {
public:
    // Pictures are bitmap resources of `module` (the program's own when null).
    explicit GdiObjectCache(HINSTANCE module = nullptr);
    ~GdiObjectCache();
    GdiObjectCache(const GdiObjectCache&) = delete;
    GdiObjectCache& operator=(const GdiObjectCache&) = delete;

    HFONT Font(const FontSpec& font);
    HPEN Pen(COLORREF colour, int width);

    // A bitmap ready for drawing with its transparent colour (the top-left pixel) left out:
    // the picture with those pixels black, and a mask white where they are.
    struct PreparedPicture {
        ScopedBitmap image;
        ScopedBitmap mask;
        int width = 0;
        int height = 0;
    };
    // Null when the module has no such bitmap.
    const PreparedPicture* Picture(int id, bool greyed);
    // Makes `bitmap` (copied; the caller keeps it) the picture of `id`, in place of a
    // resource: for pictures drawn at run time.
    bool AddPicture(int id, HBITMAP bitmap);

private:
    bool Prepare(HBITMAP bitmap, bool greyed, PreparedPicture& prepared);

    struct FontKey {
        FontSpec spec;
        bool operator<(const FontKey& other) const;
    };
    HINSTANCE module_;
    std::map<FontKey, ScopedFont> fonts_;
    std::map<std::pair<COLORREF, int>, ScopedPen> pens_;
    std::map<std::pair<int, bool>, PreparedPicture> pictures_;
};

class GdiPaintCanvas final : public PaintCanvas {
public:
    // The DC and the cache must outlive the canvas; without a cache the canvas keeps its own.
    explicit GdiPaintCanvas(HDC dc, GdiObjectCache* cache = nullptr);
    ~GdiPaintCanvas() override;
    GdiPaintCanvas(const GdiPaintCanvas&) = delete;
    GdiPaintCanvas& operator=(const GdiPaintCanvas&) = delete;

    HDC Dc() const { return dc_; }
    // The list DrawAppIcon draws from (the set's program icons); not owned.
    void SetAppIcons(HIMAGELIST icons) { appIcons_ = icons; }

    void SetBrushColour(Colour colour) override;
    void SetBrushStyle(BrushStyle style) override;
    void MoveTo(Point to) override;
    void LineTo(Point to) override;
    void Ellipse(Rect bounds) override;

    void SetPen(Colour colour, int width) override;
    void FillRect(Rect rect, Colour colour) override;
    void Rectangle(Rect rect) override;
    void RoundRect(Rect rect, int cornerWidth, int cornerHeight) override;
    void Polygon(std::span<const Point> points) override;
    void SetFont(const FontSpec& font, Colour colour) override;
    Size MeasureText(std::u16string_view text) override;
    void DrawText(Point topLeft, std::u16string_view text) override;
    void DrawTextClipped(Rect clip, std::u16string_view text) override;
    void DrawPicture(const Picture& picture, Point topLeft, bool greyed) override;
    void DrawAppIcon(int index, Point topLeft) override;
    void DrawFocusRect(Rect rect) override;
    void PushClip(Rect rect) override;
    void PopClip() override;

private:
    HDC dc_;
    std::unique_ptr<GdiObjectCache> ownCache_;
    GdiObjectCache* cache_;
    HIMAGELIST appIcons_ = nullptr;
    // What the DC had before, given back at the end.
    HGDIOBJ oldPen_, oldBrush_, oldFont_;
    COLORREF oldBrushColour_, oldTextColour_;
    int oldBkMode_;
    UINT oldTextAlign_;
    // One saved clip region per PushClip (null: there was no clip).
    std::vector<ScopedRegion> savedClips_;
};

} // namespace traxo
