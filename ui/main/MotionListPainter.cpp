#include "ui/main/MotionListPainter.h"

#include "actions/ActionModel.h"
#include "recognition/MotionGeometry.h"

#include <algorithm>
#include <string>

namespace traxo {
namespace {

// Counts read from a damaged file may lie outside their slots.
int LiveRules(const Motion& motion) {
    return std::min<int>(motion.ruleCount, kRuleSlots);
}

bool StartsWithHttp(std::u16string_view text) {
    if (text.size() < 4) {
        return false;
    }
    constexpr std::u16string_view kHttp = u"http";
    for (std::size_t i = 0; i < kHttp.size(); ++i) {
        char16_t c = text[i];
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c - u'A' + u'a');
        }
        if (c != kHttp[i]) {
            return false;
        }
    }
    return true;
}

std::u16string Counter(char16_t sign, int value) {
    const std::string digits = std::to_string(value);
    std::u16string text(1, sign);
    text.append(digits.begin(), digits.end());
    return text;
}

// The longest start of the text that fits the width with an ellipsis after it, or the whole text
// when it fits: a row's action never ends in a cut character. A surrogate pair stays whole.
std::u16string FitWithEllipsis(PaintCanvas& canvas, std::u16string_view text, int width) {
    if (canvas.MeasureText(text).width <= width) {
        return std::u16string(text);
    }
    constexpr std::u16string_view kEllipsis = u"\u2026";
    std::size_t length = text.size();
    while (length > 0) {
        --length;
        if (length > 0 && text[length] >= 0xDC00 && text[length] <= 0xDFFF) {
            --length; // never keep the first half of a pair alone
        }
        std::u16string fitted(text.substr(0, length));
        fitted += kEllipsis;
        if (canvas.MeasureText(fitted).width <= width) {
            return fitted;
        }
    }
    return std::u16string(kEllipsis);
}

} // namespace

MotionListFonts ScaledMotionListFonts(DpiScale scale) {
    MotionListFonts fonts;
    fonts.number.height = scale(fonts.number.height);
    fonts.text.height = scale(fonts.text.height);
    return fonts;
}

RowActions SummariseRowActions(const Motion& motion, int knownAppCount) {
    RowActions row;
    const std::u16string defaultAction = motion.defaultAction.View();
    row.shown = defaultAction;
    row.own = defaultAction.empty() ? -1 : 0;
    if (!defaultAction.empty()) {
        row.appIcon = 0;
    }
    for (int r = 0; r < LiveRules(motion); ++r) {
        const ProgramRule& rule = motion.rules[r];
        const std::u16string action = rule.action.View();
        if (row.shown.empty() && !action.empty()) {
            row.shown = action;
            if (rule.appIndex < knownAppCount) {
                row.appIcon = rule.appIndex + 1;
            }
        }
        if (!action.empty()) {
            ++row.own;
        } else if (!defaultAction.empty()) {
            ++row.switchedOff;
        }
    }
    return row;
}

void ListBox1DrawItem(PaintCanvas& canvas, const MotionSet& set, int index, Rect row,
                      MotionRowState state, Language language, const MotionListFonts& fonts,
                      DpiScale scale, const MotionRowColours& colours) {
    if (index < 0 || index >= std::min(static_cast<int>(set.motionCount), kMaxMotions)) {
        canvas.FillRect(row, colours.list);
        return;
    }
    const Motion& motion = set.motions[index];
    canvas.PushClip(row);
    canvas.FillRect(row, state.selected ? colours.selectedRow : colours.list);

    // The large digits stand behind the row's content and are cut at its edges.
    const std::string digits = std::to_string(index + 1);
    const std::u16string number(digits.begin(), digits.end());
    canvas.SetFont(fonts.number, state.selected ? colours.selectedNumber : colours.number);
    const Size numberSize = canvas.MeasureText(number);
    canvas.DrawText({row.right - numberSize.width, row.top - scale(8)}, number);

    canvas.SetPen(state.selected ? colours.selectedThumbnail : colours.thumbnail, 1);
    DrawInRect(
        motion.path, canvas,
        {row.left + scale(10), row.top + scale(5), row.left + scale(45), row.top + scale(40)});

    const RowActions actions = SummariseRowActions(motion, set.knownAppCount);
    const Point iconAt{row.right - scale(79), row.top + scale(18)};
    if (actions.appIcon) {
        canvas.DrawAppIcon(*actions.appIcon, iconAt);
    }

    if (!state.selected) {
        FontSpec font = fonts.text;
        Colour colour = motion.defaultAction.IsEmpty() ? colours.rowText : colours.assignedAction;
        if (actions.shown.empty()) {
            colour = colours.emptyAction;
        } else if (actions.shown.find(u'@') != std::u16string::npos) {
            colour = colours.assignedAction;
        } else {
            font.underline = StartsWithHttp(actions.shown);
        }
        canvas.SetFont(font, colour);
        const Rect textBox{row.left + scale(57), row.top + scale(19), row.right - scale(84),
                           row.bottom};
        const std::u16string text =
            ActionToDisplayString(actions.shown, kActionDisplayLength, language);
        canvas.DrawTextClipped(textBox,
                               FitWithEllipsis(canvas, text, textBox.right - textBox.left));
    }

    const int countersLeft = row.right - scale(60);
    if (actions.own > 0) {
        canvas.SetFont(fonts.text,
                       state.selected ? colours.selectedOwnActions : colours.ownActions);
        const int top = actions.switchedOff > 0 ? row.top + scale(12) : row.top + scale(19);
        canvas.DrawText({countersLeft, top}, Counter(u'+', actions.own));
    }
    if (actions.switchedOff > 0) {
        canvas.SetFont(fonts.text,
                       state.selected ? colours.selectedSwitchedOff : colours.switchedOff);
        const int top = actions.own > 0 ? row.bottom - scale(24) : row.top + scale(19);
        canvas.DrawText({countersLeft, top}, Counter(u'-', actions.switchedOff));
    }
    canvas.PopClip();

    if (state.focused) {
        canvas.DrawFocusRect(row);
    }
    canvas.SetBrushStyle(BrushStyle::Solid);
}

std::u16string AssignCaption(const Motion& motion, Language language) {
    std::u16string action = motion.defaultAction.View();
    for (int r = 0; action.empty() && r < LiveRules(motion); ++r) {
        action = motion.rules[r].action.View();
    }
    return ActionToDisplayString(action, kActionDisplayLength, language);
}

namespace {

// The part of the panel at (left, top) that lies inside the list, in the panel's coordinates;
// empty (all zero) when none does.
Rect PanelInsideList(int left, int top, Size listSize, Size panelSize) {
    const Rect inside{std::max(0, -left), std::max(0, -top),
                      std::min(panelSize.width, listSize.width - left),
                      std::min(panelSize.height, listSize.height - top)};
    if (inside.left >= inside.right || inside.top >= inside.bottom) {
        return {};
    }
    return inside;
}

} // namespace

ActionPanelPlacement PlaceActionPanel(const ActionPanel& current, const MotionSet& set,
                                      int selected, Rect selectedRow, Size listSize, Size panelSize,
                                      Language language, DpiScale scale) {
    ActionPanelPlacement placement{current};
    if (selected < 0 || selected >= std::min(static_cast<int>(set.motionCount), kMaxMotions)) {
        return placement;
    }
    ActionPanel& panel = placement.panel;
    const int top = selectedRow.top + scale(15);
    if (panel.tag != selected || panel.top != top) {
        panel.top = top;
        if (panel.tag != selected) {
            panel.tag = selected;
            panel.caption = AssignCaption(set.motions[selected], language);
            panel.left = scale(50);
            placement.captionChanged = true;
        }
        placement.changed = true;
    }
    const Rect shown = PanelInsideList(panel.left, panel.top, listSize, panelSize);
    const bool visible = shown.right > shown.left;
    if (panel.visible != visible || panel.shown != shown) {
        panel.visible = visible;
        panel.shown = shown;
        placement.changed = true;
    }
    return placement;
}

ActionPanel HiddenActionPanel(ActionPanel panel) {
    panel.tag = -1;
    panel.visible = false;
    return panel;
}

} // namespace traxo
