#include "ui/editors/Program_win.h"

#include "platform/AppPaths.h"
#include "platform/WideText_win.h"
#include "ui/options/FolderChooser_win.h"

namespace traxo {

TfrmProgram::TfrmProgram(HWND owner)
    : ModalForm(L"TfrmProgram", owner, SIZE{460, 150},
                {
                    FormControl(kLblFile, ControlKind::Static, 0, 0, 12, 10, 400, 18,
                                DialogText::ProgramFile),
                    FormControl(kEdtFile, ControlKind::Edit,
                                ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER, 0, 12, 30, 400, 23),
                    FormControl(kBtnBrowseFile, ControlKind::Button, BS_PUSHBUTTON | WS_TABSTOP, 0,
                                418, 30, 30, 23, DialogText::ProgramBrowse),
                    FormControl(kLblDir, ControlKind::Static, 0, 0, 12, 62, 400, 18,
                                DialogText::ProgramFolder),
                    FormControl(kEdtWorkinDir, ControlKind::Edit,
                                ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER, 0, 12, 82, 400, 23),
                    FormControl(kBtnBrowseFolder, ControlKind::Button, BS_PUSHBUTTON | WS_TABSTOP,
                                0, 418, 82, 30, 23, DialogText::ProgramBrowse),
                    FormControl(IDOK, ControlKind::Button, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 292,
                                116, 75, 25, DialogText::ButtonOk),
                    FormControl(IDCANCEL, ControlKind::Button, BS_PUSHBUTTON | WS_TABSTOP, 0, 373,
                                116, 75, 25, DialogText::ButtonCancel),
                },
                DialogText::ProgramCaption) {}

void TfrmProgram::SetFields(const ProgramFields& fields) {
    SetControlText(kEdtFile, fields.file);
    SetControlText(kEdtWorkinDir, fields.workingDirectory);
}

ProgramFields TfrmProgram::Fields() const {
    return {ControlText(kEdtFile), ControlText(kEdtWorkinDir)};
}

void TfrmProgram::FormShow() {
    TranslateMe(CurrentLanguage());
    SetFocus(Control(kEdtFile));
}

void TfrmProgram::btnBrowseFileClick() {
    const auto chosen = ChooseActionFile(hwnd(), CurrentLanguage());
    if (!chosen) {
        return;
    }
    const std::u16string folder = ProgramFolder();
    const std::wstring wideFolder = WideText(folder);
    SetCurrentDirectoryW(wideFolder.c_str());
    SetControlText(kEdtFile, PathRelativeToFolder(*chosen, folder));
    SetFocus(Control(kEdtFile));
    SendMessageW(Control(kEdtFile), EM_SETSEL, 0, -1);
}

void TfrmProgram::btnBrowseFolderClick() {
    if (const auto folder = ChooseFolder(hwnd(), CurrentLanguage())) {
        SetControlText(kEdtWorkinDir, *folder);
    }
}

void TfrmProgram::OnCommand(int id, int code, HWND control) {
    if (id == kBtnBrowseFile) {
        btnBrowseFileClick();
    } else if (id == kBtnBrowseFolder) {
        btnBrowseFolderClick();
    } else {
        ModalForm::OnCommand(id, code, control);
    }
}

} // namespace traxo
