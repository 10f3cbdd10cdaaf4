#pragma once
// The main window as data: every control with its kind, its panel, its place in 96-DPI units,
// its texts in both languages and its look. One builder scales the table to the display; the
// window creates what the builder returns and never places a control by hand.

#include "platform/DpiScale.h"
#include "platform/Language.h"
#include "platform/PaintCanvas.h"
#include "ui/main/MainWindowTexts.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace traxo {

enum class MainControl {
    panelCaptionBar,
    Shape1,
    Image3,
    Label1,
    lblFile,
    btnHide,
    Panel2,
    Image2,
    btnActive,
    btnClear,
    btnLoad,
    btnSave,
    btnSaveAs,
    btnOptions,
    btnHelp,
    btnExit,
    lblVersion,
    lblCopyright,
    Panel1,
    lblSet,
    lblStatus,
    DynamicFrame1,
    DynamicFrame2,
    ListPanel,
    ListBox1,
    comboActionsPanel,
    btnAssign,
    btnKnownApps,
    image1,
    btnCreate,
    btnDelete,
    btnRecord,
    None,
};

enum class ControlKind {
    Panel,   // an area the window paints itself
    Shape,   // a filled shape the window paints
    Icon,    // the program icon the window paints
    Picture, // a picture the window paints
    Label,   // text the window paints
    DynamicButton,
    DynamicOpaqueButton,
    DynamicLabel,
    DynamicFrame,
    ListBox, // the owner-drawn motion list
    Pad,     // the recording pad
};

enum class LookShape { Rectangle, JaggedLeft, JaggedRight, JaggedTopLeft, JaggedBottomRight, Tab };
enum class LookTransparency { Opaque, WhenInactive, Always };
enum class TextAlign { Left, Centre, Right };

// How a custom control looks, in 96-DPI units until the builder scales it.
struct ControlLook {
    Colour colour = kColourNone;
    Colour hoverColour = kColourNone;
    Colour pressedColour = kColourNone;
    Colour borderColour = kColourNone;
    Colour hoverBorderColour = kColourNone;
    Colour staticSectionColour = kColourNone;
    Colour fontColour = 0;
    Colour hoverFontColour = 0;
    FontSpec font;
    TextAlign align = TextAlign::Centre;
    int fadeIn = 10;  // ms
    int fadeOut = 10; // ms
    int margin = 7;
    int corner = 3;
    int frameWidth = 1;
    int staticSectionWidth = 0;
    LookShape shape = LookShape::Rectangle;
    LookTransparency transparency = LookTransparency::Opaque;
    int glyph = 0;           // picture number (ui/kit/Pictures.h), 0 for none
    bool customText = false; // the caption is measured and drawn by the window's renderer
    friend bool operator==(const ControlLook&, const ControlLook&) = default;
};

struct ControlTexts {
    std::u16string_view english;
    std::u16string_view chinese;
};

// One row of the table. place is left, top, right, bottom in the parent panel.
struct MainLayoutRow {
    MainControl id;
    std::string_view name;
    ControlKind kind;
    MainControl parent;
    Rect place;
    ControlTexts texts;
    std::optional<ControlLook> look;
    Colour background = kColourNone; // panels and plain labels
};

// The table itself, parents before their children.
const std::vector<MainLayoutRow>& MainWindowLayoutTable();
const MainLayoutRow& LayoutRow(MainControl id);

// The client area in 96-DPI units. The designed 526 rows counted the system's caption bar,
// which the window gives up for its own; the lowest buttons need the extra height.
inline constexpr Size kMainClientSize{788, 456 + 93};

// A control ready to create: scaled, its place also in client coordinates, its text in the
// chosen language.
struct PlacedControl {
    MainControl id;
    std::string_view name;
    ControlKind kind;
    MainControl parent;
    Rect place;  // in the parent
    Rect client; // in the window's client area
    std::u16string text;
    std::optional<ControlLook> look;
    Colour background;
};

std::vector<PlacedControl> BuildMainWindowLayout(DpiScale scale, Language language);
const PlacedControl& Find(const std::vector<PlacedControl>& layout, MainControl id);

// Bold, and underlined as well while the cursor is over it (lblVersion underlines only).
FontSpec LabelFont(MainControl label, bool hover, DpiScale scale);

} // namespace traxo
