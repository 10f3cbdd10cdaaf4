// The GDI paint canvas drawing into an off-screen bitmap, read back pixel by pixel.
#include "platform/GdiPaintCanvas_win.h"
#include "platform/OffscreenBitmap_win.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace traxo {
namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);
constexpr Colour kGreen = Rgb(0, 160, 0);

class GdiPaintCanvasTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bitmap.Resize(120, 80));
        PatBlt(bitmap.Dc(), 0, 0, 120, 80, WHITENESS);
    }
    int CountNot(Colour colour, Rect area) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                count += bitmap.Pixel(x, y) != colour ? 1 : 0;
            }
        }
        return count;
    }
    OffscreenBitmap bitmap;
    GdiObjectCache cache;
};

TEST_F(GdiPaintCanvasTest, FillsRectanglesAndPolygonsWithPenAndBrush) {
    {
        GdiPaintCanvas canvas(bitmap.Dc(), &cache);
        canvas.FillRect({0, 0, 10, 10}, kRed);
        canvas.FillRect({10, 0, 20, 10}, kColourNone); // no colour: nothing
        canvas.SetPen(kBlue, 1);
        canvas.SetBrushColour(kGreen);
        const Point triangle[] = {{30, 10}, {70, 10}, {30, 50}};
        canvas.Polygon(triangle);
        canvas.SetPen(kColourNone, 1);
        canvas.Rectangle({80, 10, 100, 30});
    }
    EXPECT_EQ(bitmap.Pixel(5, 5), kRed);
    EXPECT_EQ(bitmap.Pixel(9, 9), kRed);
    EXPECT_EQ(bitmap.Pixel(10, 5), kWhite); // the right edge is exclusive
    EXPECT_EQ(bitmap.Pixel(15, 5), kWhite);
    EXPECT_EQ(bitmap.Pixel(38, 18), kGreen); // inside the triangle
    EXPECT_EQ(bitmap.Pixel(50, 10), kBlue);  // its top edge
    EXPECT_EQ(bitmap.Pixel(65, 40), kWhite); // beyond its long side
    EXPECT_EQ(bitmap.Pixel(90, 20), kGreen); // no pen: brush only
    EXPECT_EQ(bitmap.Pixel(80, 20), kGreen);
}

TEST_F(GdiPaintCanvasTest, DrawsWideTextTransparentlyAndMeasuresIt) {
    Size measured;
    {
        GdiPaintCanvas canvas(bitmap.Dc(), &cache);
        canvas.FillRect({0, 0, 120, 80}, kGreen);
        canvas.SetFont(FontSpec{}, kBlue);
        measured = canvas.MeasureText(u"Gesture");
        canvas.DrawText({4, 4}, u"Gesture");
    }
    EXPECT_GT(measured.width, 20);
    EXPECT_GE(measured.height, 10);
    const Rect box{4, 4, 4 + measured.width, 4 + measured.height};
    EXPECT_GT(CountNot(kGreen, box), 10); // the text is there
    EXPECT_EQ(bitmap.Pixel(box.left, box.bottom - 1), kGreen) << "no opaque text background";
    EXPECT_EQ(CountNot(kGreen, {box.right + 2, 0, 120, 80}), 0);
}

TEST_F(GdiPaintCanvasTest, ClipKeepsDrawingInsideAndIsGivenBack) {
    {
        GdiPaintCanvas canvas(bitmap.Dc(), &cache);
        canvas.PushClip({20, 20, 40, 40});
        canvas.FillRect({0, 0, 120, 80}, kRed);
        canvas.PushClip({30, 0, 120, 80}); // nested: the intersection
        canvas.FillRect({0, 0, 120, 80}, kBlue);
        canvas.PopClip();
        canvas.PopClip();
        canvas.FillRect({100, 60, 110, 70}, kGreen); // no clip any more
        canvas.PushClip({0, 0, 5, 5});               // left pushed: the canvas gives it back
    }
    EXPECT_EQ(bitmap.Pixel(25, 25), kRed);
    EXPECT_EQ(bitmap.Pixel(35, 35), kBlue);
    EXPECT_EQ(bitmap.Pixel(19, 25), kWhite);
    EXPECT_EQ(bitmap.Pixel(50, 25), kWhite);
    EXPECT_EQ(CountNot(kWhite, {0, 0, 120, 19}), 0);
    EXPECT_EQ(bitmap.Pixel(105, 65), kGreen);
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(bitmap.Dc(), clip), 0);
    DeleteObject(clip);
}

TEST_F(GdiPaintCanvasTest, PicturesLeaveOutTheirTopLeftColourAndGreyOnRequest) {
    // A 4 by 4 picture: magenta (transparent) with a pure red 2 by 2 centre.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = -4;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(picture, nullptr);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int i = 0; i < 16; ++i) {
        const int x = i % 4;
        const int y = i / 4;
        const bool centre = x >= 1 && x <= 2 && y >= 1 && y <= 2;
        pixels[i] = centre ? 0x00FF0000u : 0x00FF00FFu; // 0x00RRGGBB
    }
    ASSERT_TRUE(cache.AddPicture(42, picture));
    {
        GdiPaintCanvas canvas(bitmap.Dc(), &cache);
        canvas.FillRect({0, 0, 120, 80}, kGreen);
        canvas.DrawPicture(Picture{42, {4, 4}}, {10, 10}, false);
        canvas.DrawPicture(Picture{42, {4, 4}}, {20, 10}, true);
        canvas.DrawPicture(Picture{999, {4, 4}}, {30, 10}, false); // missing: nothing
    }
    EXPECT_EQ(bitmap.Pixel(10, 10), kGreen);
    EXPECT_EQ(bitmap.Pixel(11, 11), kRed);
    EXPECT_EQ(bitmap.Pixel(20, 10), kGreen);
    EXPECT_EQ(bitmap.Pixel(21, 11), Rgb(76, 76, 76)); // red in grey levels
    EXPECT_EQ(CountNot(kGreen, {28, 8, 40, 20}), 0);

    // Asked for at twice its size (a window at 192 DPI), the picture and its transparency are
    // stretched together: the red centre becomes 4 by 4 inside a transparent 8 by 8 square.
    {
        GdiPaintCanvas canvas(bitmap.Dc(), &cache);
        canvas.DrawPicture(Picture{42, {8, 8}}, {50, 40}, false);
    }
    EXPECT_EQ(CountNot(kGreen, {50, 40, 58, 48}), 16);
    EXPECT_EQ(bitmap.Pixel(52, 42), kRed);
    EXPECT_EQ(bitmap.Pixel(55, 45), kRed);
    EXPECT_EQ(bitmap.Pixel(51, 41), kGreen);
    EXPECT_EQ(bitmap.Pixel(56, 46), kGreen);
    DeleteObject(picture);
}

TEST_F(GdiPaintCanvasTest, GivesTheDcBackItsObjects) {
    const HGDIOBJ pen = GetCurrentObject(bitmap.Dc(), OBJ_PEN);
    const HGDIOBJ font = GetCurrentObject(bitmap.Dc(), OBJ_FONT);
    const int mode = GetBkMode(bitmap.Dc());
    {
        GdiPaintCanvas canvas(bitmap.Dc()); // with a cache of its own, gone with it
        canvas.SetPen(kRed, 3);
        canvas.SetFont(FontSpec{u"Tahoma", 20, true}, kRed);
        canvas.DrawText({0, 0}, u"x");
    }
    EXPECT_EQ(GetCurrentObject(bitmap.Dc(), OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(bitmap.Dc(), OBJ_FONT), font);
    EXPECT_EQ(GetBkMode(bitmap.Dc()), mode);
}

TEST(OffscreenBitmap, KeepsItsBitmapForTheSameSizeAndCopiesInOneBlock) {
    OffscreenBitmap bitmap;
    ASSERT_TRUE(bitmap.Resize(10, 10));
    const HGDIOBJ first = GetCurrentObject(bitmap.Dc(), OBJ_BITMAP);
    ASSERT_TRUE(bitmap.Resize(10, 10));
    EXPECT_EQ(GetCurrentObject(bitmap.Dc(), OBJ_BITMAP), first);
    ASSERT_TRUE(bitmap.Resize(30, 20));
    EXPECT_EQ(bitmap.Width(), 30);
    EXPECT_EQ(bitmap.Pixel(30, 0), OffscreenBitmap::kNoPixel);
    PatBlt(bitmap.Dc(), 0, 0, 30, 20, BLACKNESS);
    OffscreenBitmap target;
    ASSERT_TRUE(target.Resize(40, 40));
    PatBlt(target.Dc(), 0, 0, 40, 40, WHITENESS);
    bitmap.Copy(target.Dc(), 5, 5);
    EXPECT_EQ(target.Pixel(5, 5), Rgb(0, 0, 0));
    EXPECT_EQ(target.Pixel(34, 24), Rgb(0, 0, 0));
    EXPECT_EQ(target.Pixel(35, 24), kWhite);
    EXPECT_EQ(target.Pixel(4, 5), kWhite);
}

} // namespace
} // namespace traxo
