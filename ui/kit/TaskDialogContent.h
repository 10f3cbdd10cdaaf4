#pragma once
// A question or message to the user as the program asks it: a title, a main instruction,
// content, an optional footer and icon, and custom buttons whose results are 100, 101, 102 in
// the order they were added.

#include <string>
#include <vector>

namespace traxo {

inline constexpr int kFirstTaskButtonResult = 100;

// Program: the program's own icon.
enum class TaskDialogIcon { None, Information, Question, Warning, Error, Program };

struct TaskDialogContent {
    std::u16string title;
    std::u16string mainInstruction;
    std::u16string content;
    std::u16string footer;
    TaskDialogIcon icon = TaskDialogIcon::None;
    std::vector<std::u16string> buttons;
    // Whether Esc and the close box may end the dialog without one of the buttons.
    bool cancellable = true;
};

// The result of the button at this position.
constexpr int TaskButtonResult(std::size_t position) {
    return kFirstTaskButtonResult + static_cast<int>(position);
}

} // namespace traxo
