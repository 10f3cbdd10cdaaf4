#pragma once
// The launch-program editor: the program (with its parameters) and the working folder.

#include "actions/AssignRules.h"
#include "ui/kit/ModalForm_win.h"

namespace traxo {

class TfrmProgram final : public ModalForm {
public:
    enum : int {
        kLblFile = 101,
        kEdtFile,
        kBtnBrowseFile,
        kLblDir,
        kEdtWorkinDir,
        kBtnBrowseFolder
    };

    explicit TfrmProgram(HWND owner);

    void SetFields(const ProgramFields& fields);
    ProgramFields Fields() const;

protected:
    void FormShow() override;
    void OnCommand(int id, int code, HWND control) override;

private:
    void btnBrowseFileClick();
    void btnBrowseFolderClick();
};

} // namespace traxo
