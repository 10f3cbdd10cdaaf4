// High contrast: when the mode counts as on, and what every animated control, the main
// window's panels, the list rows and the pad draw with while it is on.
#include "controls/HighContrast.h"

#include "SetTestSupport.h"
#include "platform/RecordingPaintCanvas.h"
#include "ui/main/MainWindowContrast.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace traxo {
namespace {

// Every colour told apart from the others and from the looks' own.
constexpr SystemColours kSystem{Rgb(1, 0, 0), Rgb(2, 0, 0), Rgb(3, 0, 0), Rgb(4, 0, 0),
                                Rgb(5, 0, 0), Rgb(6, 0, 0), Rgb(7, 0, 0)};

TEST(HighContrastMode, TheSystemDecidesWhereItReportsTheFeatureElseTheStoredSetting) {
    struct Case {
        std::uint32_t reported;
        std::optional<std::u16string> stored;
        bool on;
    };
    const Case cases[] = {
        {kHighContrastAvailable | kHighContrastOn, std::nullopt, true},
        {kHighContrastAvailable, u"127", false}, // the system's answer wins where it has one
        {0, u"127", true},
        {0, u"126", false},
        {0, u"1", true},
        {0, u"4294967295", true},
        {0, u"4294967297", false},  // beyond 32 bits
        {0, u"00000000001", false}, // more than ten digits
        {0, u"", false},
        {0, u" 1", false},
        {0, u"-1", false},
        {0, u"0x1", false},
        {0, std::nullopt, false},
        {kHighContrastOn, std::nullopt, false}, // "on" from a system that has no such feature
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HighContrastOn(c.reported, c.stored), c.on)
            << c.reported << " "
            << (c.stored ? std::string(c.stored->begin(), c.stored->end()) : std::string("(none)"));
    }
}

class RecordingSystem final : public HighContrastSystem {
public:
    std::uint32_t reported = 0;
    std::optional<std::u16string> stored;
    int storedReads = 0;

    std::uint32_t ReportedFlags() override { return reported; }
    std::optional<std::u16string> StoredFlags() override {
        ++storedReads;
        return stored;
    }
    SystemColours Colours() override { return kSystem; }
};

TEST(HighContrastMode, TheStoredSettingIsReadOnlyWhereTheSystemDoesNotReportTheFeature) {
    RecordingSystem windows;
    windows.reported = kHighContrastAvailable | kHighContrastOn;
    windows.stored = u"0";
    EXPECT_EQ(ReadHighContrast(windows), kSystem);
    EXPECT_EQ(windows.storedReads, 0);

    RecordingSystem wine;
    wine.stored = u"127";
    EXPECT_EQ(ReadHighContrast(wine), kSystem);
    EXPECT_EQ(wine.storedReads, 1);
    wine.stored = u"126";
    EXPECT_EQ(ReadHighContrast(wine), std::nullopt);
}

// A look of the main window's, with a caption and, around it, a panel colour of its own.
DynamicLook MainLook(MainControl id) {
    DynamicLook look = *LayoutRow(id).look;
    look.Caption = u"Caption";
    look.OutsideColour = Rgb(255, 255, 255);
    return look;
}

DynamicLook WithMode(DynamicLook look, TTransparentMode mode) {
    look.TransparentMode = mode;
    return look;
}

enum class Painter { Opaque, Windowless, Label, Frame };

RecordingPaintCanvas PaintInHighContrast(Painter painter, const DynamicLook& look, bool hover,
                                         bool enabled) {
    const DynamicPaintState state{{80, 36}, Rgb(99, 99, 99), hover, enabled, true};
    const ControlPaint paint = PaintWith(look, state, &kSystem);
    RecordingPaintCanvas canvas;
    switch (painter) {
    case Painter::Opaque:
        PaintOpaqueButton(canvas, paint.look, paint.state, {});
        break;
    case Painter::Windowless:
        PaintButton(canvas, paint.look, paint.state, {});
        break;
    case Painter::Label:
        PaintLabel(canvas, paint.look, paint.state, paint.look.FontColour, {});
        break;
    case Painter::Frame:
        PaintFrame(canvas, paint.look, paint.state);
        break;
    }
    return canvas;
}

TEST(HighContrastLooks, EveryControlDrawsInSystemColoursOnly) {
    struct Case {
        const char* name;
        Painter painter;
        DynamicLook look;
        bool hover;
        bool enabled;
        std::optional<Colour> outside; // the fill around the shape, for the controls with one
        Colour shapeFill;
        Colour shapePen;
        std::optional<Colour> caption;
    };
    const SystemColours& c = kSystem;
    const Case cases[] = {
        {"toolbar button at rest",
         Painter::Windowless,
         MainLook(MainControl::btnLoad),
         false,
         true,
         {},
         c.buttonFace,
         c.windowText,
         c.buttonText},
        {"toolbar button under the cursor",
         Painter::Windowless,
         MainLook(MainControl::btnLoad),
         true,
         true,
         {},
         c.highlight,
         c.windowText,
         c.highlightText},
        {"button that never fills, under the cursor",
         Painter::Windowless,
         WithMode(MainLook(MainControl::btnLoad), tmAlways),
         true,
         true,
         {},
         c.highlight,
         c.windowText,
         c.buttonText},
        {"disabled button", Painter::Opaque, MainLook(MainControl::btnCreate), true, false,
         c.buttonFace, c.buttonFace, c.windowText, c.grayText},
        {"opaque button under the cursor", Painter::Opaque, MainLook(MainControl::btnCreate), true,
         true, c.buttonFace, c.highlight, c.windowText, c.highlightText},
        {"tab label", Painter::Label, MainLook(MainControl::lblSet), false, true, c.buttonFace,
         c.buttonFace, c.windowText, c.buttonText},
        {"disabled label", Painter::Label, MainLook(MainControl::lblSet), false, false,
         c.buttonFace, c.buttonFace, c.windowText, c.grayText},
        {"frame",
         Painter::Frame,
         MainLook(MainControl::DynamicFrame1),
         false,
         true,
         {},
         c.buttonFace,
         c.windowText,
         {}},
    };
    for (const Case& one : cases) {
        SCOPED_TRACE(one.name);
        const RecordingPaintCanvas canvas =
            PaintInHighContrast(one.painter, one.look, one.hover, one.enabled);
        ASSERT_FALSE(canvas.calls.empty());
        std::size_t shape = 0;
        if (one.outside) {
            EXPECT_EQ(canvas.calls[0].op, PaintOp::Fill);
            EXPECT_EQ(canvas.calls[0].brushColour, *one.outside);
            shape = 1;
        }
        ASSERT_GT(canvas.calls.size(), shape);
        EXPECT_EQ(canvas.calls[shape].brushColour, one.shapeFill);
        EXPECT_EQ(canvas.calls[shape].penColour, one.shapePen);
        const std::vector<PaintCall> texts = canvas.CallsOf(PaintOp::Text);
        ASSERT_EQ(texts.size(), one.caption ? 1u : 0u);
        if (one.caption) {
            EXPECT_EQ(texts[0].fontColour, *one.caption);
        }
        // The glyph is drawn as it is, greyed only when the control is disabled.
        const std::vector<PaintCall> pictures = canvas.CallsOf(PaintOp::Picture);
        ASSERT_EQ(pictures.size(), one.look.Glyph ? 1u : 0u);
        for (const PaintCall& picture : pictures) {
            EXPECT_EQ(picture.pictureId, one.look.Glyph->id);
            EXPECT_EQ(picture.greyed, !one.enabled);
        }
    }
}

TEST(HighContrastLooks, OffLeavesLookAndStateAsTheyAre) {
    const DynamicLook look = MainLook(MainControl::btnLoad);
    const DynamicPaintState state{{80, 36}, Rgb(99, 99, 99), true, true, true};
    const ControlPaint paint = PaintWith(look, state, nullptr);
    EXPECT_EQ(paint.state.current, Rgb(99, 99, 99));
    EXPECT_EQ(paint.look.Colour, look.Colour);
    EXPECT_EQ(paint.look.SelectedFontColour, look.SelectedFontColour);
    EXPECT_EQ(paint.look.DisabledFontColour, kColourNone);
}

TEST(HighContrastLooks, AbsentColoursAndSystemColourReferencesStay) {
    DynamicLook look = DefaultLabelLook(); // no border; the outside is the button face reference
    look.Colour = kColourNone;
    const DynamicLook result = HighContrastLook(look, kSystem);
    EXPECT_EQ(result.Colour, kColourNone);
    EXPECT_EQ(result.BorderColour, kColourNone);
    EXPECT_EQ(result.OutsideColour, kColourBtnFace);
}

TEST(HighContrastLooks, AFillThatShowsAChosenColourKeepsIt) {
    DynamicLook swatch = DefaultFrameLook(); // the options' trail colour
    swatch.Colour = Rgb(255, 0, 0);
    swatch.BorderColour = Rgb(10, 10, 10);
    swatch.FillIsContent = true;
    const DynamicLook result = HighContrastLook(swatch, kSystem);
    EXPECT_EQ(result.Colour, Rgb(255, 0, 0));
    EXPECT_EQ(result.BorderColour, kSystem.windowText);
}

TEST(HighContrastMainWindow, PanelsRowsAndPadTakeTheirSystemColours) {
    const SystemColours& c = kSystem;
    struct Case {
        MainControl panel;
        Colour back;
        Colour text;
    };
    const Case cases[] = {
        {MainControl::panelCaptionBar, c.highlight, c.highlightText},
        {MainControl::Shape1, c.highlight, c.highlightText},
        {MainControl::Panel2, c.buttonFace, c.buttonText},
        {MainControl::Panel1, c.buttonFace, c.buttonText},
        {MainControl::ListPanel, c.window, c.windowText},
        {MainControl::image1, c.window, c.windowText},
    };
    for (const Case& one : cases) {
        const ColourPair pair = HighContrastPanel(one.panel, c);
        EXPECT_EQ(pair.back, one.back) << int(one.panel);
        EXPECT_EQ(pair.text, one.text) << int(one.panel);
    }
    EXPECT_EQ(HighContrastPad(c).back, c.window);
    EXPECT_EQ(HighContrastPad(c).text, c.windowText);
}

TEST(HighContrastMainWindow, RowsOnWindowColoursAndTheSelectedOneOnHighlight) {
    auto set = testing::EmptySet();
    Motion& motion = set->motions[0];
    motion.path.points[1] = {100, 100};
    motion.path.count = 2;
    motion.defaultAction.Assign(u"Ctrl+C");
    set->motionCount = 1;
    const Rect row{0, 0, 296, 50};
    for (const bool selected : {false, true}) {
        RecordingPaintCanvas canvas;
        ListBox1DrawItem(canvas, *set, 0, row, {selected, false}, Language::English,
                         MotionListFonts{}, DpiScale{}, HighContrastRows(kSystem));
        const std::vector<PaintCall> fills = canvas.CallsOf(PaintOp::Fill);
        ASSERT_FALSE(fills.empty());
        EXPECT_EQ(fills[0].brushColour, selected ? kSystem.highlight : kSystem.window);
        const std::vector<PaintCall> number = canvas.TextCalls(u"1");
        ASSERT_EQ(number.size(), 1u);
        EXPECT_EQ(number[0].fontColour, selected ? kSystem.highlightText : kSystem.grayText);
        const std::vector<PaintCall> action = canvas.TextCalls(u"Ctrl+C");
        ASSERT_EQ(action.size(), selected ? 0u : 1u); // the action button shows it when selected
        if (!selected) {
            EXPECT_EQ(action[0].fontColour, kSystem.windowText);
        }
        const std::vector<PaintCall> lines = canvas.CallsOf(PaintOp::Line);
        ASSERT_FALSE(lines.empty()); // the gesture's picture
        for (const PaintCall& line : lines) {
            EXPECT_EQ(line.penColour, selected ? kSystem.highlightText : kSystem.windowText);
        }
    }
}

} // namespace
} // namespace traxo
