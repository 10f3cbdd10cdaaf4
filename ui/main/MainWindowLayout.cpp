#include "ui/main/MainWindowLayout.h"

#include "actions/ActionLists.h"
#include "ui/kit/Pictures.h"

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

ControlLook ToolbarLook(LookShape shape, int glyph) {
    ControlLook look;
    look.colour = kToolbarColour;
    look.hoverColour = Rgb(94, 121, 142);
    look.pressedColour = Rgb(70, 91, 106);
    look.borderColour = Rgb(79, 102, 119);
    look.hoverBorderColour = Rgb(86, 112, 131);
    look.fontColour = kWhite;
    look.hoverFontColour = kWhite;
    look.font = Tahoma(kTahoma10);
    look.fadeIn = 10;
    look.fadeOut = 10;
    look.margin = 7;
    look.corner = 3;
    look.shape = shape;
    look.transparency = LookTransparency::WhenInactive;
    look.glyph = glyph;
    // The caption follows the glyph; a button without one centres it.
    look.align = glyph != 0 ? TextAlign::Left : TextAlign::Centre;
    look.customText = true;
    return look;
}

ControlLook HideLook() {
    ControlLook look = ToolbarLook(LookShape::JaggedLeft, 0);
    look.colour = Rgb(117, 153, 193);
    look.hoverColour = Rgb(88, 132, 180);
    look.pressedColour = Rgb(61, 95, 133);
    look.borderColour = Rgb(77, 120, 168);
    look.hoverBorderColour = Rgb(77, 120, 168);
    look.fadeIn = 100;
    look.fadeOut = 200;
    look.align = TextAlign::Right;
    look.transparency = LookTransparency::Opaque;
    return look;
}

ControlLook PadButtonLook(LookShape shape) {
    ControlLook look;
    look.colour = kCaptionBarColour;
    look.hoverColour = Rgb(81, 106, 123);
    look.pressedColour = Rgb(31, 41, 48);
    look.borderColour = kCaptionBarColour;
    look.hoverBorderColour = Rgb(81, 106, 123);
    look.fontColour = kWhite;
    look.hoverFontColour = kWhite;
    look.font = Tahoma(kTahoma10);
    look.fadeIn = 50;
    look.fadeOut = 300;
    look.margin = 7;
    look.corner = 5;
    look.shape = shape;
    look.customText = true;
    return look;
}

ControlLook AssignLook() {
    ControlLook look;
    look.colour = Rgb(214, 234, 239);
    look.hoverColour = Rgb(227, 239, 240);
    look.pressedColour = Rgb(168, 206, 234);
    look.borderColour = Rgb(170, 209, 221);
    look.hoverBorderColour = Rgb(213, 217, 227);
    look.fontColour = Rgb(45, 98, 113);
    look.hoverFontColour = Rgb(0, 77, 113);
    look.font = Tahoma(kTahoma8);
    look.align = TextAlign::Left;
    look.fadeIn = 20;
    look.fadeOut = 100;
    look.margin = 5;
    look.corner = 5;
    look.shape = LookShape::JaggedBottomRight;
    look.customText = true;
    return look;
}

ControlLook KnownAppsLook() {
    ControlLook look = AssignLook();
    look.colour = Rgb(245, 250, 252);
    look.hoverColour = Rgb(227, 239, 240);
    look.pressedColour = Rgb(205, 227, 243);
    look.borderColour = Rgb(170, 209, 221);
    look.hoverBorderColour = Rgb(170, 209, 221);
    look.staticSectionColour = kWhite;
    look.staticSectionWidth = 33;
    look.hoverFontColour = Rgb(0, 128, 192);
    look.margin = 10;
    look.glyph = kGlyphKnownApps;
    return look;
}

ControlLook TabLook() {
    ControlLook look;
    look.colour = kCaptionBarColour;
    look.hoverColour = kCaptionBarColour;
    look.pressedColour = kCaptionBarColour;
    look.borderColour = kCaptionBarColour;
    look.fontColour = kWhite;
    look.hoverFontColour = kWhite;
    look.font = Tahoma(kTahoma8, true);
    look.align = TextAlign::Left; // the tab is as wide as its caption, at the left
    look.corner = 3;
    look.shape = LookShape::Tab;
    look.customText = true;
    return look;
}

ControlLook FrameLook() {
    ControlLook look;
    look.borderColour = kCaptionBarColour;
    look.hoverBorderColour = kCaptionBarColour;
    look.frameWidth = 2;
    look.corner = 3;
    look.transparency = LookTransparency::Always;
    return look;
}

ControlLook TextLook(FontSpec font, Colour colour, TextAlign align = TextAlign::Left) {
    ControlLook look;
    look.font = std::move(font);
    look.fontColour = colour;
    look.hoverFontColour = colour;
    look.align = align;
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
         MC::None,
         Box(0, 0, kWidth, 27),
         {},
         {},
         kCaptionBarColour},
        {MC::Shape1,
         "Shape1",
         CK::Shape,
         MC::panelCaptionBar,
         Box(0, 0, kWidth, 27),
         {},
         {},
         kShapeColour},
        {MC::Image3, "Image3", CK::Icon, MC::panelCaptionBar, Box(3, 5, 16, 16), {}, {}},
        {MC::Label1,
         "Label1",
         CK::Label,
         MC::panelCaptionBar,
         Box(23, 5, 40, 17),
         {u"Traxo", u"Traxo"},
         TextLook(Tahoma(kTahoma10), Rgb(0, 0, 0))},
        {MC::lblFile,
         "lblFile",
         CK::Label,
         MC::panelCaptionBar,
         Box(64, 7, 660, 14),
         {u"no set loaded", u"no set loaded"},
         TextLook(Tahoma(kTahoma8), kFileLabelColour)},
        {MC::btnHide,
         "btnHide",
         CK::DynamicButton,
         MC::panelCaptionBar,
         Box(735, 3, 53, 21),
         {u"hide", u"隐藏"},
         HideLook()},

        {MC::Panel2, "Panel2", CK::Panel, MC::None, Box(0, 27, kWidth, 66), {}, {}, kToolbarColour},
        {MC::Image2,
         "Image2",
         CK::Picture,
         MC::Panel2,
         Box((kWidth - 600) / 2, 0, 600, 66),
         {},
         {}},
        {MC::btnActive,
         "btnActive",
         CK::DynamicButton,
         MC::Panel2,
         Box(13, 16, 74, 36),
         {u"Active", u"启动"},
         ToolbarLook(LookShape::JaggedLeft, kGlyphActive)},
        {MC::btnClear,
         "btnClear",
         CK::DynamicButton,
         MC::Panel2,
         Box(88, 16, 83, 36),
         {u"New set", u"新建"},
         ToolbarLook(LookShape::Rectangle, kGlyphNewSet)},
        {MC::btnLoad,
         "btnLoad",
         CK::DynamicButton,
         MC::Panel2,
         Box(172, 16, 82, 36),
         {u"Load set", u"载入"},
         ToolbarLook(LookShape::Rectangle, kGlyphLoadSet)},
        {MC::btnSave,
         "btnSave",
         CK::DynamicButton,
         MC::Panel2,
         Box(255, 16, 80, 36),
         {u"Save set", u"保存"},
         ToolbarLook(LookShape::JaggedTopLeft, kGlyphSaveSet)},
        {MC::btnSaveAs,
         "btnSaveAs",
         CK::DynamicButton,
         MC::Panel2,
         Box(336, 16, 61, 36),
         {u"as...", u"另存为"},
         ToolbarLook(LookShape::JaggedBottomRight, 0)},
        {MC::btnOptions,
         "btnOptions",
         CK::DynamicButton,
         MC::Panel2,
         Box(398, 16, 77, 36),
         {u"Options", u"选项"},
         ToolbarLook(LookShape::Rectangle, kGlyphOptions)},
        {MC::btnHelp,
         "btnHelp",
         CK::DynamicButton,
         MC::Panel2,
         Box(476, 16, 65, 36),
         {u"Help", u"帮助"},
         ToolbarLook(LookShape::Rectangle, kGlyphHelp)},
        {MC::btnExit,
         "btnExit",
         CK::DynamicButton,
         MC::Panel2,
         Box(542, 16, 61, 36),
         {u"Exit", u"退出"},
         [] {
             ControlLook look = ToolbarLook(LookShape::JaggedRight, kGlyphExit);
             look.margin = 8;
             return look;
         }()},
        // The version text is built by MainWindowText; the row only places it.
        {MC::lblVersion,
         "lblVersion",
         CK::Label,
         MC::Panel2,
         Box(594, 20, 160, 14),
         {},
         TextLook(Tahoma(kTahoma8), kVersionColour, TextAlign::Right)},
        {MC::lblCopyright,
         "lblCopyright",
         CK::Label,
         MC::Panel2,
         Box(609, 35, 145, 14),
         {u"about/donate", u"关于Traxo"},
         TextLook(Tahoma(kTahoma8, true), kCopyrightColour, TextAlign::Right)},

        {MC::Panel1,
         "Panel1",
         CK::Panel,
         MC::None,
         Box(0, 93, kWidth, panel1Height),
         {},
         {},
         kWhite},
        {MC::lblSet,
         "lblSet",
         CK::DynamicLabel,
         MC::Panel1,
         Box(3, 4, 295, 21),
         {u"Gesture set", u"手势组"},
         TabLook()},
        {MC::lblStatus,
         "lblStatus",
         CK::DynamicLabel,
         MC::Panel1,
         Box(302, 4, 143, 21),
         {u"Testing", u"测试"},
         TabLook()},
        {MC::DynamicFrame1,
         "DynamicFrame1",
         CK::DynamicFrame,
         MC::Panel1,
         Box(3, 24, 301, 404),
         {},
         FrameLook()},
        {MC::DynamicFrame2,
         "DynamicFrame2",
         CK::DynamicFrame,
         MC::Panel1,
         Box(301, 24, 487, 404),
         {},
         FrameLook()},
        {MC::ListPanel, "ListPanel", CK::Panel, MC::Panel1, Box(5, 26, 296, 359), {}, {}, kWhite},
        {MC::ListBox1, "ListBox1", CK::ListBox, MC::ListPanel, Box(0, 0, 296, 359), {}, {}, kWhite},
        {MC::comboActionsPanel,
         "comboActionsPanel",
         CK::Panel,
         MC::ListPanel,
         Box(50, 0, 165, 21),
         {},
         {},
         kActionPanelColour},
        {MC::btnAssign,
         "btnAssign",
         CK::DynamicOpaqueButton,
         MC::comboActionsPanel,
         Box(0, 0, 165, 21),
         {},
         AssignLook()},
        {MC::btnKnownApps,
         "btnKnownApps",
         CK::DynamicOpaqueButton,
         MC::Panel1,
         Box(8, 389, 290, 34),
         {u"Configure programs...", u"配置程序…"},
         KnownAppsLook()},
        {MC::image1, "image1", CK::Pad, MC::Panel1, Box(303, 26, 483, 400), {}, {}, kWhite},
        {MC::btnCreate,
         "btnCreate",
         CK::DynamicOpaqueButton,
         MC::Panel1,
         Box(3, 428, 134, 26),
         {u"Create gesture", u"创建"},
         PadButtonLook(LookShape::Rectangle)},
        {MC::btnDelete,
         "btnDelete",
         CK::DynamicOpaqueButton,
         MC::Panel1,
         Box(139, 428, 112, 26),
         {u"Delete gesture", u"删除"},
         PadButtonLook(LookShape::JaggedBottomRight)},
        {MC::btnRecord,
         "btnRecord",
         CK::DynamicOpaqueButton,
         MC::Panel1,
         Box(302, 428, 112, 26),
         {u"Record again", u"重新录制"},
         PadButtonLook(LookShape::JaggedBottomRight)},
    };
}

ControlLook Scaled(ControlLook look, DpiScale scale) {
    look.font.height = scale(look.font.height);
    look.margin = scale(look.margin);
    look.corner = scale(look.corner);
    look.frameWidth = scale(look.frameWidth);
    look.staticSectionWidth = scale(look.staticSectionWidth);
    return look;
}

Rect Offset(Rect rect, Rect origin) {
    return {rect.left + origin.left, rect.top + origin.top, rect.right + origin.left,
            rect.bottom + origin.top};
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

std::vector<PlacedControl> BuildMainWindowLayout(DpiScale scale, Language language) {
    // Every edge is scaled from its place in the whole window, so that an edge shared by a panel
    // and its child stays shared at any scale.
    std::vector<PlacedControl> placed;
    std::vector<Rect> unscaled;
    for (const MainLayoutRow& row : MainWindowLayoutTable()) {
        Rect absolute = row.place;
        Rect parentClient{};
        if (row.parent != MainControl::None) {
            const PlacedControl& parent = Find(placed, row.parent);
            const auto index = static_cast<std::size_t>(&parent - placed.data());
            absolute = Offset(row.place, unscaled[index]);
            parentClient = parent.client;
        }
        PlacedControl control{row.id,          row.name, row.kind, row.parent,    {},
                              scale(absolute), {},       row.look, row.background};
        control.place = {
            control.client.left - parentClient.left, control.client.top - parentClient.top,
            control.client.right - parentClient.left, control.client.bottom - parentClient.top};
        control.text =
            std::u16string(language == Language::Chinese ? row.texts.chinese : row.texts.english);
        if (row.id == MainControl::lblVersion) {
            control.text = MainWindowText(MainText::VersionLabel, language);
        }
        if (control.look) {
            control.look = Scaled(*control.look, scale);
        }
        placed.push_back(std::move(control));
        unscaled.push_back(absolute);
    }
    return placed;
}

const PlacedControl& Find(const std::vector<PlacedControl>& layout, MainControl id) {
    for (const PlacedControl& control : layout) {
        if (control.id == id) {
            return control;
        }
    }
    throw std::out_of_range("control not in the main window's layout");
}

FontSpec LabelFont(MainControl label, bool hover, DpiScale scale) {
    FontSpec font = Tahoma(scale(kTahoma8), label == MainControl::lblCopyright);
    font.underline = hover;
    return font;
}

} // namespace traxo
