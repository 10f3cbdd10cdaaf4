#pragma once
// The dialogs the main window opens, each made the first time it is wanted and kept for the
// rest of the run: a tray tool that is never configured makes none of their windows, fonts and
// pictures, and starts without waiting for them.

#include "ui/editors/Assign_win.h"
#include "ui/editors/Input_win.h"
#include "ui/editors/KeyCombo_win.h"
#include "ui/editors/Keystrokes_win.h"
#include "ui/editors/Program_win.h"
#include "ui/options/Options_win.h"
#include "ui/tutorial/Tutorial_win.h"
#include "ui/update/About_win.h"

#include <functional>
#include <memory>

namespace traxo {

class MainDialogs {
public:
    explicit MainDialogs(HWND owner) : owner_(owner) {}

    TfrmAssign& Assign();
    TfrmAbout& About();
    TfrmOptions& Options();
    TfrmTutorial& Tutorial();

    // The dialog when it has been made, else nullptr; asking never makes it.
    TfrmAssign* MadeAssign() const { return editors_ ? &editors_->assign : nullptr; }
    TfrmTutorial* MadeTutorial() const { return tutorial_.get(); }

    // Runs once, when the tutorial has just been made.
    std::function<void(TfrmTutorial&)> onTutorialMade;

private:
    // The assign dialog with the editors it opens.
    struct AssignEditors {
        explicit AssignEditors(HWND owner);
        TfrmKeyCombo keyCombo;
        TfrmInput input;
        TfrmKeystrokes keystrokes;
        TfrmProgram program;
        TfrmAssign assign;
    };

    HWND owner_;
    std::unique_ptr<TfrmTutorial> tutorial_;
    std::unique_ptr<TfrmOptions> options_;
    std::unique_ptr<TfrmAbout> about_;
    std::unique_ptr<AssignEditors> editors_;
};

} // namespace traxo
