#pragma once
// The main window as data: every control with its kind, its panel, its place in 96-DPI units,
// its text in the main window's text table and its look. The kit's builder scales the table to
// the display; the window creates what the builder returns and never places a control by hand.

#include "platform/PaintCanvas.h"
#include "ui/kit/ControlTable.h"
#include "ui/main/MainWindowTexts.h"

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

using MainLayoutRow = ControlRow<MainControl>;
using PlacedMainControl = PlacedControl<MainControl>;

// The table itself, parents before their children.
const std::vector<MainLayoutRow>& MainWindowLayoutTable();
const MainLayoutRow& LayoutRow(MainControl id);

// The client area in 96-DPI units. The designed 526 rows counted the system's caption bar,
// which the window gives up for its own; the lowest buttons need the extra height.
inline constexpr Size kMainClientSize{788, 456 + 93};

// The table placed at the scale, its texts in the language.
std::vector<PlacedMainControl> BuildMainWindowLayout(DpiScale scale, Language language);

// The look a row starts from: no colours, quick fades, a centred caption on a plain rectangle.
DynamicLook PlainTableLook();

// Bold, and underlined as well while the cursor is over it (lblVersion underlines only).
FontSpec LabelFont(MainControl label, bool hover, DpiScale scale);

} // namespace traxo
