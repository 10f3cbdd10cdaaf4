#pragma once
// The rows of the motion list and the action button laid over the selected one. The list draws
// every row through ListBox1DrawItem on a paint canvas; the window only hands over the row
// rectangle and the owner-draw state, and moves the action panel as PlaceActionPanel says.

#include "platform/DpiScale.h"
#include "platform/Language.h"
#include "platform/PaintCanvas.h"
#include "sets/MotionSet.h"

#include <optional>
#include <string>

namespace traxo {

inline constexpr int kMotionRowHeight = 50;       // 96-DPI units
inline constexpr int kActionDisplayLength = 1000; // longest action text shown in a row or button

inline constexpr Colour kListColour = Rgb(255, 255, 255);
inline constexpr Colour kSelectedRowColour = Rgb(230, 232, 240);
inline constexpr Colour kNumberColour = Rgb(233, 235, 243);
inline constexpr Colour kSelectedNumberColour = Rgb(160, 175, 186);
inline constexpr Colour kThumbnailPen = Rgb(128, 128, 128);
inline constexpr Colour kSelectedThumbnailPen = Rgb(65, 111, 186);
inline constexpr Colour kAssignedActionColour = Rgb(73, 109, 169);
inline constexpr Colour kEmptyActionColour = Rgb(209, 58, 58);
inline constexpr Colour kRowTextColour = Rgb(0, 0, 0);
inline constexpr Colour kOwnActionsColour = Rgb(128, 128, 128);
inline constexpr Colour kSwitchedOffColour = Rgb(192, 192, 192);

// The colours a row is drawn in: the list's own, or the system's while high contrast is on.
struct MotionRowColours {
    Colour list = kListColour;
    Colour selectedRow = kSelectedRowColour;
    Colour number = kNumberColour;
    Colour selectedNumber = kSelectedNumberColour;
    Colour thumbnail = kThumbnailPen;
    Colour selectedThumbnail = kSelectedThumbnailPen;
    Colour assignedAction = kAssignedActionColour;
    Colour emptyAction = kEmptyActionColour;
    Colour rowText = kRowTextColour;
    Colour ownActions = kOwnActionsColour;
    Colour switchedOff = kSwitchedOffColour;
    Colour selectedOwnActions = kOwnActionsColour;
    Colour selectedSwitchedOff = kSwitchedOffColour;
};

// The two fonts of a row, already scaled: numlabel's large digits and comboActions' text.
struct MotionListFonts {
    FontSpec number{u"Trebuchet MS", 56, true};
    FontSpec text{u"Tahoma", 11};
};
MotionListFonts ScaledMotionListFonts(DpiScale scale);

// What a row shows of its motion's actions, before any drawing.
struct RowActions {
    std::u16string shown;       // the default action, or the first rule's own action in its place
    std::optional<int> appIcon; // the imgApps index drawn beside it
    int own = 0;         // P: rules with an action of their own, less one shown for the default
    int switchedOff = 0; // M: programs in which a gesture that has a default does nothing
};
// knownAppCount bounds the icons: a rule naming a program the set does not hold shows no icon.
RowActions SummariseRowActions(const Motion& motion, int knownAppCount);

struct MotionRowState {
    bool selected = false;
    bool focused = false;
};

// Draws motion `index` into row (device pixels). language picks the action texts.
void ListBox1DrawItem(PaintCanvas& canvas, const MotionSet& set, int index, Rect row,
                      MotionRowState state, Language language, const MotionListFonts& fonts,
                      DpiScale scale, const MotionRowColours& colours = {});

// The caption of btnAssign: the default action's text, else the first rule's own action's,
// else the text of the empty action.
std::u16string AssignCaption(const Motion& motion, Language language);

// comboActionsPanel as the list last left it. tag is the motion it shows, -1 for none. shown is
// the part of the panel inside the list, in the panel's own coordinates: the panel never shows
// outside the list.
struct ActionPanel {
    int tag = -1;
    int left = 0;
    int top = 0;
    bool visible = false;
    std::u16string caption;
    Rect shown{};
};

// Where the panel (of panelSize) goes for the selected row S (client coordinates of the list, of
// listSize): top S.top + 15, left 50 and a new caption when it moves to another motion; hidden
// while it lies wholly outside the list, as when S is scrolled out of view. Nothing changes when
// it already sits over S for this motion; `changed` tells the window whether to touch the
// controls.
struct ActionPanelPlacement {
    ActionPanel panel;
    bool changed = false;
    bool captionChanged = false;
};
ActionPanelPlacement PlaceActionPanel(const ActionPanel& current, const MotionSet& set,
                                      int selected, Rect selectedRow, Size listSize, Size panelSize,
                                      Language language, DpiScale scale);

// Hidden and owning no row: after a refill of the list, an edit of the action, a lost selection.
ActionPanel HiddenActionPanel(ActionPanel panel);

} // namespace traxo
