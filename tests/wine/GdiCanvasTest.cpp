// The GDI canvas draws what DrawInRect asks into a real device context: a memory DC over a
// 32-bit DIB section whose pixels are read back.
#include "platform/GdiCanvas_win.h"
#include "platform/GdiColour_win.h"
#include "recognition/MotionGeometry.h"

#include <windows.h>

#include <cstdint>
#include <gtest/gtest.h>
#include <memory>

namespace traxo {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPen = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

// A white surface with a blue pen selected, as a caller of DrawInRect sets it up.
class DibSurface {
public:
    DibSurface(int width, int height) : width_(width), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const std::uint32_t*>(bits);
        oldBitmap_ = SelectObject(dc_, bitmap_);
        oldPen_ = SelectObject(dc_, GetStockObject(DC_PEN));
        SetDCPenColor(dc_, kPen);
        PatBlt(dc_, 0, 0, width, height, WHITENESS);
    }
    ~DibSurface() {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    bool Ready() const { return dc_ != nullptr && bitmap_ != nullptr && bits_ != nullptr; }
    HDC Dc() const { return dc_; }

    COLORREF Pixel(int x, int y) const {
        GdiFlush();
        const std::uint32_t bgr = bits_[y * width_ + x];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }

private:
    int width_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    const std::uint32_t* bits_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    HGDIOBJ oldPen_ = nullptr;
};

std::unique_ptr<MotionPath> PathOf(std::initializer_list<Point> points) {
    auto path = std::make_unique<MotionPath>();
    for (const Point& p : points) {
        SetPointAt(*path, path->count++, p);
    }
    return path;
}

TEST(GdiCanvas, DrawInRectPaintsTheRedStartAndThePath) {
    DibSurface surface(200, 200);
    ASSERT_TRUE(surface.Ready());
    {
        GdiCanvas canvas(surface.Dc());
        // (10, 50), (90, 50), (90, 90) map to (20, 100), (180, 100), (180, 180).
        DrawInRect(*PathOf({{10, 50}, {90, 50}, {90, 90}}), canvas, {0, 0, 200, 200});
    }
    EXPECT_EQ(surface.Pixel(19, 101), kRed);  // inside the start marker, off the line
    EXPECT_EQ(surface.Pixel(17, 100), kPen);  // the marker's outline
    EXPECT_EQ(surface.Pixel(100, 100), kPen); // along the first line
    EXPECT_EQ(surface.Pixel(180, 140), kPen); // along the second
    EXPECT_EQ(surface.Pixel(100, 90), kWhite);
    EXPECT_EQ(surface.Pixel(140, 140), kWhite);
}

TEST(GdiCanvas, FillsSolidInTheBrushColourAndLeavesClearShapesHollow) {
    DibSurface surface(120, 60);
    ASSERT_TRUE(surface.Ready());
    {
        GdiCanvas canvas(surface.Dc());
        canvas.SetBrushColour(RGB(0, 160, 0));
        canvas.Ellipse({10, 10, 50, 50});
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.SetBrushColour(RGB(255, 0, 0));
        canvas.Ellipse({60, 10, 100, 50});
    }
    EXPECT_EQ(surface.Pixel(30, 30), RGB(0, 160, 0));
    EXPECT_EQ(surface.Pixel(10, 30), kPen);
    EXPECT_EQ(surface.Pixel(80, 30), kWhite);
    EXPECT_EQ(surface.Pixel(60, 30), kPen);
}

// "clHighlight" and the other system colours the settings accept are stored as 0xFF000000
// plus the colour's index; they draw in the system's colour, not near-black.
TEST(GdiCanvas, SystemColoursOfTheSettingsDrawAsTheSystemShowsThem) {
    for (const int index : {COLOR_HIGHLIGHT, COLOR_BTNFACE, COLOR_WINDOW}) {
        DibSurface surface(60, 60);
        ASSERT_TRUE(surface.Ready());
        {
            GdiCanvas canvas(surface.Dc());
            canvas.SetBrushColour(0xFF000000u | static_cast<Colour>(index));
            canvas.Ellipse({10, 10, 50, 50});
        }
        EXPECT_EQ(surface.Pixel(30, 30), GetSysColor(index)) << index;
    }
    EXPECT_EQ(GdiColour(0xFF00000Du), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(GdiColour(Rgb(1, 2, 3)), RGB(1, 2, 3));
}

TEST(GdiCanvas, GivesTheDcBackItsBrush) {
    DibSurface surface(10, 10);
    ASSERT_TRUE(surface.Ready());
    const HGDIOBJ brushBefore = GetCurrentObject(surface.Dc(), OBJ_BRUSH);
    const COLORREF colourBefore = GetDCBrushColor(surface.Dc());
    {
        GdiCanvas canvas(surface.Dc());
        canvas.SetBrushColour(RGB(1, 2, 3));
        canvas.SetBrushStyle(BrushStyle::Clear);
        EXPECT_EQ(GetCurrentObject(surface.Dc(), OBJ_BRUSH), GetStockObject(NULL_BRUSH));
    }
    EXPECT_EQ(GetCurrentObject(surface.Dc(), OBJ_BRUSH), brushBefore);
    EXPECT_EQ(GetDCBrushColor(surface.Dc()), colourBefore);
}

} // namespace
} // namespace traxo
