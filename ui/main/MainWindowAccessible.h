#pragma once
// The main window for a screen reader, as data: each animated control's role and item, the
// motion list's rows named by what they show, the pad with its messages, and which message a
// reader announces.

#include "app/ResultPopup.h"
#include "sets/MotionSet.h"
#include "ui/kit/AccessibleRole.h"
#include "ui/main/MainWindowLayout.h"

#include <optional>
#include <string>
#include <vector>

namespace traxo {

// btnActive is a check button (in while gestures are active); the rest as their kind is.
AccessibleRole MainControlRole(MainControl id);

// An animated control of the main window: its facts as the window reads them, named by its
// caption in the language.
AccessibleItem DescribeMainControl(MainControl id, const ControlFacts& facts, Language language);

// The window's client area: its two frames come first among its children, as groupings named
// for what they hold (the list, the pad), `place` their rectangle; its child windows follow.
AccessibleItem DescribeMainClient(std::u16string_view title);
AccessibleItem DescribeFrame(MainControl frame, Rect place, Language language);

// "Gesture 3: Browser: back": what row `index` (from 0) shows, its number and its action.
std::u16string MotionRowName(const MotionSet& set, int index, Language language);

struct MotionRowFacts {
    bool selected = false;
    bool focused = false;
    Rect place{}; // in the list's client area
};
AccessibleItem DescribeMotionList(Language language);
AccessibleItem DescribeMotionRow(const MotionSet& set, int index, const MotionRowFacts& facts,
                                 Language language);

// The pad: a graphic whose value is what its messages say; while it shows any, its one child
// is an alert that says the last of them.
AccessibleItem DescribePad(const std::vector<std::u16string>& messages, Language language);
int PadChildCount(const std::vector<std::u16string>& messages);
AccessibleItem DescribePadAlert(const std::vector<std::u16string>& messages);

// The message a reader announces when the pad goes from `before` to `after`: the newest one,
// once, when the messages changed and it is not among the old ones.
std::optional<std::u16string> PadAnnouncement(const std::vector<std::u16string>& before,
                                              const std::vector<std::u16string>& after);

// What the result popup says aloud: the gesture's number and its action, or that none matched.
AccessibleItem DescribePopup(const PopupContent& content, Language language);

} // namespace traxo
