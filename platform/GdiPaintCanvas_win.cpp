#include "platform/GdiPaintCanvas_win.h"

#include "platform/WideText_win.h"

#include <algorithm>
#include <cstring>
#include <tuple>

namespace traxo {

COLORREF ResolveColour(Colour colour) {
    if ((colour & 0xFF000000u) == 0xFF000000u) {
        return GetSysColor(int(colour & 0xFFu));
    }
    return colour & 0x00FFFFFFu;
}

namespace {

// The bitmap as top-down 32-bit pixels (0x00RRGGBB each), or an empty vector.
std::vector<std::uint32_t> PixelsOf(HBITMAP bitmap, int width, int height) {
    std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
    if (GetDIBits(dc.get(), bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS) !=
        height) {
        pixels.clear();
    }
    return pixels;
}

HBITMAP BitmapOf(const std::vector<std::uint32_t>& pixels, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        std::memcpy(bits, pixels.data(), pixels.size() * sizeof(std::uint32_t));
    }
    return bitmap;
}

} // namespace

bool GdiObjectCache::FontKey::operator<(const FontKey& other) const {
    return std::tie(spec.face, spec.height, spec.bold, spec.underline, spec.angle) <
           std::tie(other.spec.face, other.spec.height, other.spec.bold, other.spec.underline,
                    other.spec.angle);
}

GdiObjectCache::GdiObjectCache(HINSTANCE module)
    : module_(module != nullptr ? module : GetModuleHandleW(nullptr)) {}

GdiObjectCache::~GdiObjectCache() = default;

HFONT GdiObjectCache::Font(const FontSpec& spec) {
    const auto found = fonts_.find(FontKey{spec});
    if (found != fonts_.end()) {
        return found->second;
    }
    LOGFONTW logical{};
    logical.lfHeight = -spec.height; // the character height, as the windows give font sizes
    logical.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    logical.lfUnderline = spec.underline ? TRUE : FALSE;
    logical.lfEscapement = spec.angle * 10;
    logical.lfOrientation = spec.angle * 10;
    logical.lfCharSet = DEFAULT_CHARSET; // the system links in what Chinese captions need
    logical.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = WideText(spec.face).substr(0, LF_FACESIZE - 1);
    std::copy(face.begin(), face.end(), logical.lfFaceName);
    HFONT font = CreateFontIndirectW(&logical);
    if (font == nullptr) {
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    fonts_.emplace(FontKey{spec}, ScopedFont(font));
    return font;
}

HPEN GdiObjectCache::Pen(COLORREF colour, int width) {
    const auto key = std::make_pair(colour, width);
    const auto found = pens_.find(key);
    if (found != pens_.end()) {
        return found->second;
    }
    HPEN pen = CreatePen(PS_SOLID, std::max(width, 1), colour);
    if (pen == nullptr) {
        return static_cast<HPEN>(GetStockObject(BLACK_PEN));
    }
    pens_.emplace(key, ScopedPen(pen));
    return pen;
}

const GdiObjectCache::PreparedPicture* GdiObjectCache::Picture(int id, bool greyed) {
    const auto key = std::make_pair(id, greyed);
    const auto found = pictures_.find(key);
    if (found != pictures_.end()) {
        return found->second.image.get() != nullptr ? &found->second : nullptr;
    }
    PreparedPicture& prepared = pictures_[key]; // an empty entry remembers a missing bitmap
    const ScopedBitmap loaded(static_cast<HBITMAP>(
        LoadImageW(module_, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (loaded.get() == nullptr) {
        return nullptr;
    }
    const bool ready = Prepare(loaded, greyed, prepared);
    return ready ? &prepared : nullptr;
}

bool GdiObjectCache::AddPicture(int id, HBITMAP bitmap) {
    for (const bool greyed : {false, true}) {
        PreparedPicture& prepared = pictures_[std::make_pair(id, greyed)];
        prepared = {};
        if (!Prepare(bitmap, greyed, prepared)) {
            return false;
        }
    }
    return true;
}

bool GdiObjectCache::Prepare(HBITMAP bitmap, bool greyed, PreparedPicture& prepared) {
    BITMAP info{};
    if (GetObjectW(bitmap, sizeof(info), &info) == 0) {
        return false;
    }
    const int width = info.bmWidth;
    const int height = std::abs(info.bmHeight);
    std::vector<std::uint32_t> pixels = PixelsOf(bitmap, width, height);
    if (pixels.empty()) {
        return false;
    }
    // The top-left pixel names the transparent colour; those pixels become black in the image
    // (so they add nothing when or-ed in) and white in the mask (so the target shows).
    const std::uint32_t transparent = pixels[0] & 0x00FFFFFFu;
    std::vector<std::uint32_t> maskPixels(pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint32_t rgb = pixels[i] & 0x00FFFFFFu;
        if (rgb == transparent) {
            maskPixels[i] = 0x00FFFFFFu;
            pixels[i] = 0;
            continue;
        }
        maskPixels[i] = 0;
        pixels[i] = rgb;
        if (greyed) {
            const std::uint32_t r = (rgb >> 16) & 0xFF;
            const std::uint32_t g = (rgb >> 8) & 0xFF;
            const std::uint32_t b = rgb & 0xFF;
            const std::uint32_t level = (r * 299 + g * 587 + b * 114 + 500) / 1000;
            pixels[i] = (level << 16) | (level << 8) | level;
        }
    }
    prepared.image.reset(BitmapOf(pixels, width, height));
    prepared.mask.reset(BitmapOf(maskPixels, width, height));
    prepared.width = width;
    prepared.height = height;
    if (prepared.image.get() == nullptr || prepared.mask.get() == nullptr) {
        prepared = {};
        return false;
    }
    return true;
}

GdiPaintCanvas::GdiPaintCanvas(HDC dc, GdiObjectCache* cache)
    : dc_(dc), ownCache_(cache == nullptr ? std::make_unique<GdiObjectCache>() : nullptr),
      cache_(cache != nullptr ? cache : ownCache_.get()), oldPen_(GetCurrentObject(dc, OBJ_PEN)),
      oldBrush_(GetCurrentObject(dc, OBJ_BRUSH)), oldFont_(GetCurrentObject(dc, OBJ_FONT)),
      oldBrushColour_(GetDCBrushColor(dc)), oldTextColour_(GetTextColor(dc)),
      oldBkMode_(GetBkMode(dc)), oldTextAlign_(GetTextAlign(dc)) {
    SelectObject(dc_, GetStockObject(DC_BRUSH));
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

GdiPaintCanvas::~GdiPaintCanvas() {
    while (!savedClips_.empty()) {
        PopClip();
    }
    // The cached objects must not stay selected: the cache may go first.
    SelectObject(dc_, oldPen_);
    SelectObject(dc_, oldBrush_);
    SelectObject(dc_, oldFont_);
    SetDCBrushColor(dc_, oldBrushColour_);
    SetTextColor(dc_, oldTextColour_);
    SetBkMode(dc_, oldBkMode_);
    SetTextAlign(dc_, oldTextAlign_);
}

void GdiPaintCanvas::SetBrushColour(Colour colour) {
    SetDCBrushColor(dc_, ResolveColour(colour));
}

void GdiPaintCanvas::SetBrushStyle(BrushStyle style) {
    SelectObject(dc_, GetStockObject(style == BrushStyle::Solid ? DC_BRUSH : NULL_BRUSH));
}

void GdiPaintCanvas::MoveTo(Point to) {
    MoveToEx(dc_, to.x, to.y, nullptr);
}

void GdiPaintCanvas::LineTo(Point to) {
    ::LineTo(dc_, to.x, to.y);
}

void GdiPaintCanvas::Ellipse(Rect bounds) {
    ::Ellipse(dc_, bounds.left, bounds.top, bounds.right, bounds.bottom);
}

void GdiPaintCanvas::SetPen(Colour colour, int width) {
    if (colour == kColourNone) {
        SelectObject(dc_, GetStockObject(NULL_PEN));
        return;
    }
    SelectObject(dc_, cache_->Pen(ResolveColour(colour), width));
}

void GdiPaintCanvas::FillRect(Rect rect, Colour colour) {
    if (colour == kColourNone) {
        return;
    }
    // ExtTextOut with an opaque rectangle fills without touching the brush.
    const COLORREF oldBack = SetBkColor(dc_, ResolveColour(colour));
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    SetBkColor(dc_, oldBack);
}

void GdiPaintCanvas::Rectangle(Rect rect) {
    ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void GdiPaintCanvas::RoundRect(Rect rect, int cornerWidth, int cornerHeight) {
    ::RoundRect(dc_, rect.left, rect.top, rect.right, rect.bottom, cornerWidth, cornerHeight);
}

void GdiPaintCanvas::Polygon(std::span<const Point> points) {
    if (points.size() < 2) {
        return;
    }
    std::vector<POINT> corners(points.size());
    std::transform(points.begin(), points.end(), corners.begin(), [](Point p) {
        return POINT{p.x, p.y};
    });
    ::Polygon(dc_, corners.data(), int(corners.size()));
}

void GdiPaintCanvas::SetFont(const FontSpec& font, Colour colour) {
    SelectObject(dc_, cache_->Font(font));
    SetTextColor(dc_, ResolveColour(colour));
}

Size GdiPaintCanvas::MeasureText(std::u16string_view text) {
    SIZE size{};
    const std::wstring wide = WideText(text);
    GetTextExtentPoint32W(dc_, wide.c_str(), int(wide.size()), &size);
    return {size.cx, size.cy};
}

void GdiPaintCanvas::DrawText(Point topLeft, std::u16string_view text) {
    const std::wstring wide = WideText(text);
    ExtTextOutW(dc_, topLeft.x, topLeft.y, 0, nullptr, wide.c_str(), UINT(wide.size()), nullptr);
}

void GdiPaintCanvas::DrawTextClipped(Rect clip, std::u16string_view text) {
    const std::wstring wide = WideText(text);
    const RECT area{clip.left, clip.top, clip.right, clip.bottom};
    ExtTextOutW(dc_, clip.left, clip.top, ETO_CLIPPED, &area, wide.c_str(), UINT(wide.size()),
                nullptr);
}

void GdiPaintCanvas::DrawPicture(const Picture& picture, Point topLeft, bool greyed) {
    const GdiObjectCache::PreparedPicture* prepared = cache_->Picture(picture.id, greyed);
    if (prepared == nullptr) {
        return;
    }
    const ScopedMemoryDc source(CreateCompatibleDC(nullptr));
    if (source.get() == nullptr) {
        return;
    }
    // Mask first (AND: the target stays where the mask is white, black under the picture),
    // then the picture with its transparent pixels black (OR: only the picture is added).
    const COLORREF oldText = SetTextColor(dc_, RGB(0, 0, 0));
    const COLORREF oldBack = SetBkColor(dc_, RGB(255, 255, 255));
    // A picture asked for at another size (a scaled window) is stretched to it.
    const bool stretched =
        picture.size.width > 0 && picture.size.height > 0 &&
        (picture.size.width != prepared->width || picture.size.height != prepared->height);
    const auto copy = [&](HBITMAP bitmap, DWORD operation) {
        const ScopedSelection selected(source.get(), bitmap);
        if (stretched) {
            StretchBlt(dc_, topLeft.x, topLeft.y, picture.size.width, picture.size.height,
                       source.get(), 0, 0, prepared->width, prepared->height, operation);
        } else {
            BitBlt(dc_, topLeft.x, topLeft.y, prepared->width, prepared->height, source.get(), 0, 0,
                   operation);
        }
    };
    const int oldMode = SetStretchBltMode(dc_, COLORONCOLOR); // the mask and the picture alike
    copy(prepared->mask, SRCAND);
    copy(prepared->image, SRCPAINT);
    SetStretchBltMode(dc_, oldMode);
    SetTextColor(dc_, oldText);
    SetBkColor(dc_, oldBack);
}

void GdiPaintCanvas::DrawAppIcon(int index, Point topLeft) {
    if (appIcons_ != nullptr) {
        ImageList_Draw(appIcons_, index, dc_, topLeft.x, topLeft.y, ILD_TRANSPARENT);
    }
}

void GdiPaintCanvas::DrawFocusRect(Rect rect) {
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    ::DrawFocusRect(dc_, &area);
}

void GdiPaintCanvas::PushClip(Rect rect) {
    // The clip in force is kept as a region rather than with SaveDC, which would also bring
    // back old pens and fonts on the way out.
    ScopedRegion saved(CreateRectRgn(0, 0, 0, 0));
    if (saved.get() != nullptr && GetClipRgn(dc_, saved) != 1) {
        saved.reset();
    }
    savedClips_.push_back(std::move(saved));
    IntersectClipRect(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void GdiPaintCanvas::PopClip() {
    if (savedClips_.empty()) {
        return;
    }
    const ScopedRegion saved = std::move(savedClips_.back());
    savedClips_.pop_back();
    SelectClipRgn(dc_, saved); // null: no clip
}

} // namespace traxo
