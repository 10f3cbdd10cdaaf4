#include "ui/main/MainWindowLayout.h"

#include "actions/ActionLists.h"
#include "ui/kit/Pictures.h"
#include "ui/main/MainKeyMap.h"

#include <array>
#include <stdexcept>

namespace traxo {
namespace {

constexpr int kTahoma8 = 11; // pixels at 96 DPI
constexpr int kTahoma10 = 13;

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kCaptionBarColour = Rgb(46, 60, 75);
constexpr Colour kShapeColour = Rgb(181, 200, 221);
constexpr Colour kToolbarColour = Rgb(60, 78, 91);
constexpr Colour kFileLabelColour = Rgb(81, 105, 132);
constexpr Colour kCopyrightColour = Rgb(161, 198, 203);
constexpr Colour kVersionColour = Rgb(200, 214, 224);
constexpr Colour kActionPanelColour = Rgb(230, 232, 240);

Rect Box(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

FontSpec Tahoma(int height, bool bold = false) {
    FontSpec font;
    font.face = u"Tahoma";
    font.height = height;
    font.bold = bold;
    return font;
}

} // namespace

DynamicLook PlainTableLook() {
    DynamicLook look;
    look.Colour = kColourNone;
    look.SelectedColour = kColourNone;
    look.MouseDownColour = kColourNone;
    look.BorderColour = kColourNone;
    look.SelectedBorderColour = kColourNone;
    look.StaticSectionColour = kColourNone;
    look.FontColour = 0;
    look.SelectedFontColour = 0;
    look.Alignment = taCenter;
    look.FadeInTime = 10;
    look.FadeOutTime = 10;
    look.MarginWidth = 7;
    look.CornerWidth = 3;
    look.FrameWidth = 1;
    look.StaticSectionWidth = 0;
    look.Shape = fsRectangle;
    look.TransparentMode = tmOpaque;
    return look;
}

namespace {

void SetFont(DynamicLook& look, FontSpec font) {
    look.Font = font;
    look.SelectedFont = std::move(font);
}

void SetGlyph(DynamicLook& look, int glyph, int side) {
    look.Glyph = Picture{glyph, {side, side}};
}

DynamicLook ToolbarLook(TDynamicShape shape, int glyph) {
    DynamicLook look = PlainTableLook();
    look.Colour = kToolbarColour;
    look.SelectedColour = Rgb(94, 121, 142);
    look.MouseDownColour = Rgb(70, 91, 106);
    look.BorderColour = Rgb(79, 102, 119);
    look.SelectedBorderColour = Rgb(86, 112, 131);
    look.FontColour = kWhite;
    look.SelectedFontColour = kWhite;
    SetFont(look, Tahoma(kTahoma10));
    look.FadeInTime = 10;
    look.FadeOutTime = 10;
    look.MarginWidth = 7;
    look.CornerWidth = 3;
    look.Shape = shape;
    look.TransparentMode = tmWhenInactive;
    if (glyph != 0) {
        SetGlyph(look, glyph, kGlyphSize);
    }
    // The caption follows the glyph; a button without one centres it.
    look.Alignment = glyph != 0 ? taLeftJustify : taCenter;
    look.CustomTextRenderer = true;
    return look;
}

DynamicLook HideLook() {
    DynamicLook look = ToolbarLook(fsJaggedLeft, 0);
    look.Colour = Rgb(117, 153, 193);
    look.SelectedColour = Rgb(88, 132, 180);
    look.MouseDownColour = Rgb(61, 95, 133);
    look.BorderColour = Rgb(77, 120, 168);
    look.SelectedBorderColour = Rgb(77, 120, 168);
    look.FadeInTime = 100;
    look.FadeOutTime = 200;
    look.Alignment = taRightJustify;
    look.TransparentMode = tmOpaque;
    return look;
}

DynamicLook ExitLook() {
    DynamicLook look = ToolbarLook(fsJaggedRight, kGlyphExit);
    look.MarginWidth = 8;
    return look;
}

DynamicLook PadButtonLook(TDynamicShape shape) {
    DynamicLook look = PlainTableLook();
    look.Colour = kCaptionBarColour;
    look.SelectedColour = Rgb(81, 106, 123);
    look.MouseDownColour = Rgb(31, 41, 48);
    look.BorderColour = kCaptionBarColour;
    look.SelectedBorderColour = Rgb(81, 106, 123);
    look.FontColour = kWhite;
    look.SelectedFontColour = kWhite;
    SetFont(look, Tahoma(kTahoma10));
    look.FadeInTime = 50;
    look.FadeOutTime = 300;
    look.MarginWidth = 7;
    look.CornerWidth = 5;
    look.Shape = shape;
    look.CustomTextRenderer = true;
    return look;
}

DynamicLook AssignLook() {
    DynamicLook look = PlainTableLook();
    look.Colour = Rgb(214, 234, 239);
    look.SelectedColour = Rgb(227, 239, 240);
    look.MouseDownColour = Rgb(168, 206, 234);
    look.BorderColour = Rgb(170, 209, 221);
    look.SelectedBorderColour = Rgb(213, 217, 227);
    look.FontColour = Rgb(45, 98, 113);
    look.SelectedFontColour = Rgb(0, 77, 113);
    SetFont(look, Tahoma(kTahoma8));
    look.Alignment = taLeftJustify;
    look.FadeInTime = 20;
    look.FadeOutTime = 100;
    look.MarginWidth = 5;
    look.CornerWidth = 5;
    look.Shape = fsJaggedSE;
    look.CustomTextRenderer = true;
    return look;
}

DynamicLook KnownAppsLook() {
    DynamicLook look = AssignLook();
    look.Colour = Rgb(245, 250, 252);
    look.SelectedColour = Rgb(227, 239, 240);
    look.MouseDownColour = Rgb(205, 227, 243);
    look.BorderColour = Rgb(170, 209, 221);
    look.SelectedBorderColour = Rgb(170, 209, 221);
    look.StaticSectionColour = kWhite;
    look.StaticSectionWidth = 33;
    look.SelectedFontColour = Rgb(0, 128, 192);
    look.MarginWidth = 10;
    SetGlyph(look, kGlyphKnownApps, kKnownAppsGlyphSize);
    return look;
}

DynamicLook TabLook() {
    DynamicLook look = PlainTableLook();
    look.Colour = kCaptionBarColour;
    look.SelectedColour = kCaptionBarColour;
    look.MouseDownColour = kCaptionBarColour;
    look.BorderColour = kCaptionBarColour;
    look.FontColour = kWhite;
    look.SelectedFontColour = kWhite;
    SetFont(look, Tahoma(kTahoma8, true));
    look.Alignment = taLeftJustify; // the tab is as wide as its caption, at the left
    look.CornerWidth = 3;
    look.Shape = fsTab;
    look.CustomTextRenderer = true;
    return look;
}

DynamicLook FrameLook() {
    DynamicLook look = PlainTableLook();
    look.BorderColour = kCaptionBarColour;
    look.SelectedBorderColour = kCaptionBarColour;
    look.FrameWidth = 2;
    look.CornerWidth = 3;
    look.TransparentMode = tmAlways;
    return look;
}

DynamicLook TextLook(FontSpec font, Colour colour, TAlignment align = taLeftJustify) {
    DynamicLook look = PlainTableLook();
    SetFont(look, std::move(font));
    look.FontColour = colour;
    look.SelectedFontColour = colour;
    look.Alignment = align;
    return look;
}

using MC = MainControl;
using CK = ControlKind;
constexpr int kWidth = kMainClientSize.width;

std::vector<MainLayoutRow> MakeTable() {
    const int panel1Height = kMainClientSize.height - 93;
    return {
        {MC::panelCaptionBar,
         "panelCaptionBar",
         CK::Panel,
         {},
         kEveryPage,
         Box(0, 0, kWidth, 27),
         {},
         {},
         kCaptionBarColour},
        {MC::Shape1,
         "Shape1",
         CK::Shape,
         MC::panelCaptionBar,
         kEveryPage,
         Box(0, 0, kWidth, 27),
         {},
         {},
         kShapeColour},
        {MC::Image3,
         "Image3",
         CK::Icon,
         MC::panelCaptionBar,
         kEveryPage,
         Box(3, 5, 16, 16),
         {},
         {}},
        {MC::Label1, "Label1", CK::Label, MC::panelCaptionBar, kEveryPage, Box(23, 5, 40, 17),
         MainText::DialogTitle, TextLook(Tahoma(kTahoma10), Rgb(0, 0, 0))},
        {MC::lblFile, "lblFile", CK::Label, MC::panelCaptionBar, kEveryPage, Box(64, 7, 660, 14),
         MainText::NoSetLoaded, TextLook(Tahoma(kTahoma8), kFileLabelColour)},
        {MC::btnHide, "btnHide", CK::DynamicButton, MC::panelCaptionBar, kEveryPage,
         Box(735, 3, 53, 21), MainText::HideCaption, HideLook()},

        {MC::Panel2,
         "Panel2",
         CK::Panel,
         {},
         kEveryPage,
         Box(0, 27, kWidth, 66),
         {},
         {},
         kToolbarColour},
        {MC::Image2,
         "Image2",
         CK::Picture,
         MC::Panel2,
         kEveryPage,
         Box((kWidth - 600) / 2, 0, 600, 66),
         {},
         {}},
        {MC::btnActive, "btnActive", CK::DynamicButton, MC::Panel2, kEveryPage, Box(13, 16, 74, 36),
         MainText::ActiveCaption, ToolbarLook(fsJaggedLeft, kGlyphActive)},
        {MC::btnClear, "btnClear", CK::DynamicButton, MC::Panel2, kEveryPage, Box(88, 16, 83, 36),
         MainText::NewSetCaption, ToolbarLook(fsRectangle, kGlyphNewSet)},
        {MC::btnLoad, "btnLoad", CK::DynamicButton, MC::Panel2, kEveryPage, Box(172, 16, 82, 36),
         MainText::LoadSetCaption, ToolbarLook(fsRectangle, kGlyphLoadSet)},
        {MC::btnSave, "btnSave", CK::DynamicButton, MC::Panel2, kEveryPage, Box(255, 16, 80, 36),
         MainText::SaveSetCaption, ToolbarLook(fsJaggedNW, kGlyphSaveSet)},
        {MC::btnSaveAs, "btnSaveAs", CK::DynamicButton, MC::Panel2, kEveryPage,
         Box(336, 16, 61, 36), MainText::SaveAsCaption, ToolbarLook(fsJaggedSE, 0)},
        {MC::btnOptions, "btnOptions", CK::DynamicButton, MC::Panel2, kEveryPage,
         Box(398, 16, 77, 36), MainText::OptionsCaption, ToolbarLook(fsRectangle, kGlyphOptions)},
        {MC::btnHelp, "btnHelp", CK::DynamicButton, MC::Panel2, kEveryPage, Box(476, 16, 65, 36),
         MainText::HelpCaption, ToolbarLook(fsRectangle, kGlyphHelp)},
        {MC::btnExit, "btnExit", CK::DynamicButton, MC::Panel2, kEveryPage, Box(542, 16, 61, 36),
         MainText::ExitCaption, ExitLook()},
        // The version text is built by MainWindowText; the row only places it.
        {MC::lblVersion,
         "lblVersion",
         CK::Label,
         MC::Panel2,
         kEveryPage,
         Box(594, 20, 160, 14),
         {},
         TextLook(Tahoma(kTahoma8), kVersionColour, taRightJustify)},
        {MC::lblCopyright, "lblCopyright", CK::Label, MC::Panel2, kEveryPage, Box(609, 35, 145, 14),
         MainText::AboutCaption,
         TextLook(Tahoma(kTahoma8, true), kCopyrightColour, taRightJustify)},

        {MC::Panel1,
         "Panel1",
         CK::Panel,
         {},
         kEveryPage,
         Box(0, 93, kWidth, panel1Height),
         {},
         {},
         kWhite},
        {MC::lblSet, "lblSet", CK::DynamicLabel, MC::Panel1, kEveryPage, Box(3, 4, 295, 21),
         MainText::GestureSetTab, TabLook()},
        {MC::lblStatus, "lblStatus", CK::DynamicLabel, MC::Panel1, kEveryPage, Box(302, 4, 143, 21),
         MainText::StatusTesting, TabLook()},
        {MC::DynamicFrame1,
         "DynamicFrame1",
         CK::DynamicFrame,
         MC::Panel1,
         kEveryPage,
         Box(3, 24, 301, 404),
         {},
         FrameLook()},
        {MC::DynamicFrame2,
         "DynamicFrame2",
         CK::DynamicFrame,
         MC::Panel1,
         kEveryPage,
         Box(301, 24, 487, 404),
         {},
         FrameLook()},
        {MC::ListPanel,
         "ListPanel",
         CK::Panel,
         MC::Panel1,
         kEveryPage,
         Box(5, 26, 296, 359),
         {},
         {},
         kWhite},
        {MC::ListBox1,
         "ListBox1",
         CK::MotionList,
         MC::ListPanel,
         kEveryPage,
         Box(0, 0, 296, 359),
         {},
         {},
         kWhite},
        {MC::comboActionsPanel,
         "comboActionsPanel",
         CK::Panel,
         MC::ListPanel,
         kEveryPage,
         Box(50, 0, 165, 21),
         {},
         {},
         kActionPanelColour},
        {MC::btnAssign,
         "btnAssign",
         CK::DynamicOpaqueButton,
         MC::comboActionsPanel,
         kEveryPage,
         Box(0, 0, 165, 21),
         {},
         AssignLook()},
        {MC::btnKnownApps, "btnKnownApps", CK::DynamicOpaqueButton, MC::Panel1, kEveryPage,
         Box(8, 389, 290, 34), MainText::ConfigurePrograms, KnownAppsLook()},
        {MC::image1,
         "image1",
         CK::Pad,
         MC::Panel1,
         kEveryPage,
         Box(303, 26, 483, 400),
         {},
         {},
         kWhite},
        {MC::btnCreate, "btnCreate", CK::DynamicOpaqueButton, MC::Panel1, kEveryPage,
         Box(3, 428, 134, 26), MainText::CreateGesture, PadButtonLook(fsRectangle)},
        {MC::btnDelete, "btnDelete", CK::DynamicOpaqueButton, MC::Panel1, kEveryPage,
         Box(139, 428, 112, 26), MainText::DeleteGesture, PadButtonLook(fsJaggedSE)},
        {MC::btnRecord, "btnRecord", CK::DynamicOpaqueButton, MC::Panel1, kEveryPage,
         Box(302, 428, 112, 26), MainText::RecordAgain, PadButtonLook(fsJaggedSE)},
    };
}

} // namespace

const std::vector<MainLayoutRow>& MainWindowLayoutTable() {
    static const std::vector<MainLayoutRow> table = MakeTable();
    return table;
}

const MainLayoutRow& LayoutRow(MainControl id) {
    for (const MainLayoutRow& row : MainWindowLayoutTable()) {
        if (row.id == id) {
            return row;
        }
    }
    throw std::out_of_range("control not in the main window's layout");
}

std::vector<PlacedMainControl> BuildMainWindowLayout(DpiScale scale, Language language) {
    std::vector<PlacedMainControl> placed =
        PlaceControls(std::span<const MainLayoutRow>(MainWindowLayoutTable()), scale, language);
    for (PlacedMainControl& control : placed) {
        if (control.id == MainControl::lblVersion) {
            control.text = MainWindowText(MainText::VersionLabel, language);
        }
        if (control.look) {
            control.look->AccessKey = MainAccessKeyOf(control.id);
        }
    }
    return placed;
}

FontSpec LabelFont(MainControl label, bool hover, DpiScale scale) {
    FontSpec font = Tahoma(scale(kTahoma8), label == MainControl::lblCopyright);
    font.underline = hover;
    return font;
}

} // namespace traxo
