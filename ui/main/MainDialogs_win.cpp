#include "ui/main/MainDialogs_win.h"

namespace traxo {

MainDialogs::AssignEditors::AssignEditors(HWND owner)
    : keyCombo(owner), input(owner), keystrokes(owner), program(owner), assign(owner) {
    assign.UseEditors(keystrokes, keyCombo, input, program);
}

TfrmAssign& MainDialogs::Assign() {
    if (!editors_) {
        editors_ = std::make_unique<AssignEditors>(owner_);
    }
    return editors_->assign;
}

TfrmAbout& MainDialogs::About() {
    if (!about_) {
        about_ = std::make_unique<TfrmAbout>(owner_);
    }
    return *about_;
}

TfrmOptions& MainDialogs::Options() {
    if (!options_) {
        options_ = std::make_unique<TfrmOptions>(owner_);
    }
    return *options_;
}

TfrmTutorial& MainDialogs::Tutorial() {
    if (!tutorial_) {
        tutorial_ = std::make_unique<TfrmTutorial>(owner_);
        if (onTutorialMade) {
            onTutorialMade(*tutorial_);
        }
    }
    return *tutorial_;
}

} // namespace traxo
