// What the four painters put on the canvas: fills and outlines, transparency, the tab, the
// caption's place, font and colour, the glyph, and the owner's text hooks.
#include "controls/DynamicPainters.h"

#include "platform/RecordingPaintCanvas.h"

#include <gtest/gtest.h>

namespace traxo {
namespace {

constexpr Colour kShown = Rgb(200, 100, 50);

DynamicPaintState Showing(Size size, bool hover = false, bool enabled = true) {
    return {size, kShown, hover, enabled, true};
}

DynamicLook GlyphButton() {
    DynamicLook look = DefaultOpaqueButtonLook();
    look.Caption = u"Save set";
    look.FontColour = Rgb(0, 0, 128);
    look.Glyph = Picture{7, {16, 16}};
    return look;
}

TEST(ButtonPainting, TransparentModeDecidesTheBrush) {
    struct Case {
        TTransparentMode mode;
        bool hover;
        bool solid;
    };
    const Case cases[] = {
        {tmOpaque, false, true}, {tmOpaque, true, true},         {tmAlways, false, false},
        {tmAlways, true, false}, {tmWhenInactive, false, false}, {tmWhenInactive, true, true},
    };
    for (const Case& c : cases) {
        DynamicLook look = DefaultButtonLook();
        look.TransparentMode = c.mode;
        RecordingPaintCanvas canvas;
        PaintButton(canvas, look, Showing({80, 36}, c.hover), {});
        // The windowless button has no background of its own: the shape comes first.
        ASSERT_FALSE(canvas.calls.empty());
        EXPECT_EQ(canvas.calls[0].op, PaintOp::Polygon);
        EXPECT_EQ(canvas.calls[0].brushSolid, c.solid) << int(c.mode) << " hover " << c.hover;
        EXPECT_EQ(canvas.calls[0].brushColour, kShown);
    }
}

TEST(ButtonPainting, OpaqueButtonFillsOutsideThenDrawsItsShapeWithTheHoverBorder) {
    DynamicLook look = DefaultOpaqueButtonLook();
    look.BorderColour = Rgb(1, 1, 1);
    look.SelectedBorderColour = Rgb(2, 2, 2);
    look.SelectedFont.bold = true;
    look.Caption = u"Go";
    for (const bool hover : {false, true}) {
        RecordingPaintCanvas canvas;
        PaintOpaqueButton(canvas, look, Showing({60, 25}, hover), {});
        ASSERT_GE(canvas.calls.size(), 3u);
        EXPECT_EQ(canvas.calls[0].op, PaintOp::Fill);
        EXPECT_EQ(canvas.calls[0].rect, (Rect{0, 0, 60, 25}));
        EXPECT_EQ(canvas.calls[0].brushColour, kColourBtnFace);
        EXPECT_EQ(canvas.calls[1].op, PaintOp::Polygon);
        EXPECT_TRUE(canvas.calls[1].brushSolid);
        EXPECT_EQ(canvas.calls[1].penColour, hover ? Rgb(2, 2, 2) : Rgb(1, 1, 1));
        const auto text = canvas.TextCalls(u"Go");
        ASSERT_EQ(text.size(), 1u);
        EXPECT_EQ(text[0].font.bold, hover);
    }
}

TEST(ButtonPainting, ABorderOfNoColourTakesTheFill) {
    DynamicLook look = DefaultOpaqueButtonLook();
    look.BorderColour = kColourNone;
    RecordingPaintCanvas canvas;
    PaintOpaqueButton(canvas, look, Showing({60, 25}), {});
    ASSERT_EQ(canvas.CallsOf(PaintOp::Polygon).size(), 1u);
    EXPECT_EQ(canvas.CallsOf(PaintOp::Polygon)[0].penColour, kShown);
}

TEST(ButtonPainting, StaticSectionIsDrawnInItsOwnColourOverTheLeftEdge) {
    DynamicLook look = DefaultOpaqueButtonLook();
    look.StaticSectionWidth = 24;
    look.StaticSectionColour = Rgb(9, 9, 9);
    RecordingPaintCanvas canvas;
    PaintOpaqueButton(canvas, look, Showing({80, 25}), {});
    const auto shapes = canvas.CallsOf(PaintOp::Polygon);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[1].points, ShapeOutline(fsSemiJagged, 24, 25, 3, 1));
    EXPECT_EQ(shapes[1].brushColour, Rgb(9, 9, 9));
}

TEST(ButtonPainting, DisabledCaptionIsGreyAndGlyphGreyLevels) {
    for (const bool enabled : {true, false}) {
        for (const bool opaque : {true, false}) {
            RecordingPaintCanvas canvas;
            if (opaque) {
                PaintOpaqueButton(canvas, GlyphButton(), Showing({100, 30}, false, enabled), {});
            } else {
                PaintButton(canvas, GlyphButton(), Showing({100, 30}, false, enabled), {});
            }
            const auto text = canvas.TextCalls(u"Save set");
            const auto glyph = canvas.CallsOf(PaintOp::Picture);
            ASSERT_EQ(text.size(), 1u);
            ASSERT_EQ(glyph.size(), 1u);
            EXPECT_EQ(text[0].fontColour, enabled ? Rgb(0, 0, 128) : kButtonDisabledFontColour);
            EXPECT_EQ(glyph[0].greyed, !enabled);
            EXPECT_EQ(glyph[0].pictureId, 7);
            // Glyph at the left margin, the caption after it.
            EXPECT_EQ(glyph[0].rect.left, 7);
            EXPECT_EQ(text[0].rect.left, 7 + 16 + 3);
        }
    }
}

TEST(ButtonPainting, OwnerHooksMeasureAndDrawTheCaption) {
    DynamicLook look = DefaultOpaqueButtonLook();
    look.Caption = u"\u4fdd\u5b58"; // two Chinese characters
    look.Alignment = taRightJustify;
    std::vector<Point> rendered;
    CaptionHooks hooks;
    hooks.extent = [](PaintCanvas&, std::u16string_view) { return Size{50, 10}; };
    hooks.render = [&](PaintCanvas&, int x, int y, std::u16string_view text) {
        EXPECT_EQ(text, u"\u4fdd\u5b58");
        rendered.push_back({x, y});
    };
    {
        RecordingPaintCanvas canvas;
        look.CustomTextRenderer = true;
        PaintOpaqueButton(canvas, look, Showing({100, 30}), hooks);
        EXPECT_TRUE(canvas.CallsOf(PaintOp::Text).empty());
        ASSERT_EQ(rendered.size(), 1u);
        EXPECT_EQ(rendered[0], (Point{100 - 50 - 7, 10}));
    }
    {
        RecordingPaintCanvas canvas;
        look.CustomTextRenderer = false; // measured by the owner, drawn by the canvas
        PaintOpaqueButton(canvas, look, Showing({100, 30}), hooks);
        const auto text = canvas.TextCalls(u"\u4fdd\u5b58");
        ASSERT_EQ(text.size(), 1u);
        EXPECT_EQ(text[0].rect.left, 43);
        EXPECT_EQ(rendered.size(), 1u);
    }
}

TEST(ButtonPainting, InvisibleControlsPaintNothing) {
    RecordingPaintCanvas canvas;
    DynamicPaintState hidden = Showing({50, 20});
    hidden.visible = false;
    PaintOpaqueButton(canvas, GlyphButton(), hidden, {});
    PaintButton(canvas, GlyphButton(), hidden, {});
    PaintLabel(canvas, DefaultLabelLook(), hidden, 0, {});
    PaintFrame(canvas, DefaultFrameLook(), hidden);
    EXPECT_TRUE(canvas.calls.empty());
}

TEST(LabelPainting, TabIsJustWideEnoughForTheCaptionAndUnderlinesTheLabel) {
    DynamicLook look = DefaultLabelLook();
    look.Shape = fsTab;
    look.Caption = u"Gesture set";
    RecordingPaintCanvas canvas; // 7 pixels a character: 77
    PaintLabel(canvas, look, Showing({300, 22}), Rgb(0, 0, 0), {});
    const auto tab = canvas.CallsOf(PaintOp::Polygon);
    ASSERT_EQ(tab.size(), 1u);
    const int width = 2 * 3 + 77 + 5;
    EXPECT_EQ(TabWidth(look, 77), width);
    EXPECT_EQ(tab[0].points, ShapeOutline(fsJaggedNW, width, 22, 3, 1));
    const auto lines = canvas.CallsOf(PaintOp::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points, (std::vector<Point>{{0, 21}, {300, 21}}));
    ASSERT_EQ(canvas.TextCalls(u"Gesture set").size(), 1u);
    EXPECT_EQ(canvas.TextCalls(u"Gesture set")[0].rect.left, 3);
}

TEST(LabelPainting, HiddenCaptionDisabledColourAndOtherShapes) {
    DynamicLook look = DefaultLabelLook();
    {
        RecordingPaintCanvas canvas;
        PaintLabel(canvas, look, Showing({150, 25}, false, false), Rgb(0, 0, 0), {});
        ASSERT_EQ(canvas.TextCalls(u"Label").size(), 1u);
        EXPECT_EQ(canvas.TextCalls(u"Label")[0].fontColour, kLabelDisabledFontColour);
        const auto shape = canvas.CallsOf(PaintOp::Polygon);
        ASSERT_EQ(shape.size(), 1u);
        EXPECT_EQ(shape[0].points, ShapeOutline(fsJaggedRect, 150, 25, 3, 1));
        EXPECT_EQ(shape[0].penColour, kShown); // no border colour: the fill's
        EXPECT_TRUE(canvas.CallsOf(PaintOp::Line).empty());
    }
    {
        look.InitiallyHidden = true;
        RecordingPaintCanvas canvas;
        PaintLabel(canvas, look, Showing({150, 25}), Rgb(0, 0, 0), {});
        EXPECT_EQ(canvas.CallsOf(PaintOp::Polygon).size(), 1u);
        EXPECT_TRUE(canvas.CallsOf(PaintOp::Text).empty());
    }
}

TEST(LabelPainting, TurnedCaptionIsPlacedByItsBoundingBox) {
    struct Case {
        int angle;
        int fontAngle;
        Point origin;
    };
    // "abcd" is 28 by 13; the label 100 by 50, margin 3, left-aligned.
    const Case cases[] = {
        {90, 90, {3, 11 + 28}},        // reads upwards: starts at the bottom
        {-90, 270, {3 + 13, 11}},      // reads downwards, kept within 0 to 360
        {180, 180, {3 + 28, 18 + 13}}, // upside down
    };
    for (const Case& c : cases) {
        DynamicLook look = DefaultLabelLook();
        look.Caption = u"abcd";
        look.Angle = c.angle;
        RecordingPaintCanvas canvas;
        PaintLabel(canvas, look, Showing({100, 50}), 0, {});
        const auto text = canvas.TextCalls(u"abcd");
        ASSERT_EQ(text.size(), 1u) << c.angle;
        EXPECT_EQ(text[0].font.angle, c.fontAngle) << c.angle;
        EXPECT_EQ((Point{text[0].rect.left, text[0].rect.top}), c.origin) << c.angle;
    }
}

TEST(FramePainting, DrawsAtItsPlaceWithItsPenAndLeavesOutWhatHasNoColour) {
    DynamicLook look = DefaultFrameLook();
    look.FrameWidth = 2;
    {
        RecordingPaintCanvas canvas;
        PaintFrame(canvas, look, Showing({40, 20}), {10, 5});
        const auto shape = canvas.CallsOf(PaintOp::Polygon);
        ASSERT_EQ(shape.size(), 1u);
        EXPECT_EQ(shape[0].points[0], (Point{11, 8})); // inset 1 for a 2-pixel pen, corner 3
        EXPECT_EQ(shape[0].penWidth, 2);
        EXPECT_EQ(shape[0].penColour, Rgb(128, 128, 128));
        EXPECT_TRUE(shape[0].brushSolid);
    }
    {
        look.Colour = kColourNone;
        RecordingPaintCanvas canvas;
        PaintFrame(canvas, look, Showing({40, 20}));
        ASSERT_EQ(canvas.CallsOf(PaintOp::Polygon).size(), 1u);
        EXPECT_FALSE(canvas.CallsOf(PaintOp::Polygon)[0].brushSolid);
    }
    {
        look.BorderColour = kColourNone;
        RecordingPaintCanvas canvas;
        PaintFrame(canvas, look, Showing({40, 20}));
        EXPECT_TRUE(canvas.calls.empty());
    }
}

} // namespace
} // namespace traxo

namespace traxo {
namespace {

TEST(KeyboardCues, TheAccessKeyIsTheCaptionsFirstLetterOfEitherCase) {
    struct Case {
        std::u16string_view caption;
        char16_t key;
        std::size_t index;
    };
    const Case cases[] = {
        {u"Load set", u'L', 0},
        {u"Active", u'T', 2},
        {u"as...", u'A', 0},
        {u"\u542f\u52a8", u'T', std::u16string::npos}, // a Chinese caption
        {u"Exit", 0, std::u16string::npos},            // no key
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AccessKeyIndex(c.caption, c.key), c.index) << char(c.key);
    }
}

TEST(KeyboardCues, UnderlineTipAndFocusCueAppearOnlyWhenTheWindowShowsThem) {
    DynamicLook look = DefaultOpaqueButtonLook();
    look.AccessKey = u'A';
    look.Alignment = taLeftJustify;
    look.MarginWidth = 5;
    look.FontColour = Rgb(0, 0, 128);
    look.Font.height = 16;
    struct Case {
        std::u16string_view caption;
        bool cues;
        bool altHeld;
        std::vector<std::vector<Point>> lines; // the underline's ends
        std::u16string_view tip;
    };
    // "a" is the second letter of "Save": 7 pixels in from the caption at x 5, its cell 7 wide.
    const std::vector<std::vector<Point>> underline{{{12, 22}, {19, 22}}};
    const Case cases[] = {
        {u"Save", false, false, {}, u""},
        {u"Save", false, true, {}, u""},
        {u"Save", true, true, underline, u""},
        {u"\u4fdd\u5b58", true, false, {}, u""}, // no letter: nothing until Alt is held
        {u"\u4fdd\u5b58", true, true, {}, u"A"},
    };
    for (const Case& c : cases) {
        look.Caption = c.caption;
        RecordingPaintCanvas canvas;
        DynamicPaintState state = Showing({80, 32});
        state.focusCue = c.cues;
        state.accessKeyCue = c.cues;
        state.keyTip = c.altHeld;
        PaintOpaqueButton(canvas, look, state, {});
        std::vector<std::vector<Point>> lines;
        for (const PaintCall& line : canvas.CallsOf(PaintOp::Line)) {
            lines.push_back(line.points);
            EXPECT_EQ(line.penColour, look.FontColour);
        }
        EXPECT_EQ(lines, c.lines);
        const auto tip = canvas.TextCalls(u"A");
        EXPECT_EQ(tip.size(), c.tip.empty() ? 0u : 1u);
        if (!tip.empty()) { // in the fill's colour at the bottom-right corner
            EXPECT_EQ(tip[0].fontColour, kShown);
            EXPECT_EQ(tip[0].rect.right, 80 - 4);
        }
        const auto focus = canvas.CallsOf(PaintOp::FocusRect);
        ASSERT_EQ(focus.size(), c.cues ? 1u : 0u);
        if (c.cues) {
            EXPECT_EQ(focus[0].rect, (Rect{4, 4, 76, 28}));
        }
    }
}

} // namespace
} // namespace traxo
