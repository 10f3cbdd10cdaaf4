#include "ui/SetCommands.h"

#include "sets/SetFile.h"

#include <string>

namespace traxo {

bool SetCommands::ConfirmSaveChanges() {
    if (!document_.IsModified()) {
        return true;
    }
    switch (ui_.AskSaveChanges()) {
    case SaveChangesAnswer::Yes:
        return btnSaveClick();
    case SaveChangesAnswer::No:
        return true;
    case SaveChangesAnswer::Cancel:
        break;
    }
    return false;
}

std::filesystem::path RecoveryFileName(const std::filesystem::path& currentFile,
                                       const std::filesystem::path& untitledFolder) {
    const std::filesystem::path folder =
        currentFile.empty() ? untitledFolder : currentFile.parent_path();
    const std::u16string stem = currentFile.empty() ? u"Untitled" : currentFile.stem().u16string();
    for (int n = 1;; ++n) {
        const std::string number = n == 1 ? "" : " " + std::to_string(n);
        const std::filesystem::path name =
            folder /
            (stem + u" (recovered" + std::u16string(number.begin(), number.end()) + u").mtd");
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::symlink_status(name, ec)) || n == 9999) {
            return name;
        }
    }
}

bool SetCommands::ConfirmSessionEnd(bool critical, const std::filesystem::path& untitledFolder) {
    if (!document_.IsModified()) {
        return true;
    }
    if (!critical) {
        return ConfirmSaveChanges();
    }
    // The set stays modified and its current file untouched: the recovery file is a copy.
    WriteSetFile(document_.motionSet(),
                 RecoveryFileName(document_.currentFileName(), untitledFolder));
    return true;
}

bool SetCommands::btnSaveClick() {
    if (document_.currentFileName().empty()) {
        return btnSaveAsClick();
    }
    ui_.SetPadIdle();
    const bool saved = SaveTo(document_.currentFileName());
    ui_.UpdateButtons();
    return saved;
}

bool SetCommands::btnSaveAsClick() {
    ui_.SetPadIdle();
    const std::optional<std::filesystem::path> chosen = ui_.ChooseSaveFile();
    bool saved = false;
    if (chosen) {
        saved = document_.SaveSetAs(*chosen);
        if (saved) {
            ui_.ShowFileName(*chosen);
            ui_.SaveSettings();
        } else {
            ui_.ShowSaveFailed(*chosen);
        }
    }
    ui_.UpdateButtons();
    return saved;
}

bool SetCommands::SaveTo(const std::filesystem::path& file) {
    if (document_.saveMotions(file)) {
        return true;
    }
    ui_.ShowSaveFailed(file);
    return false;
}

} // namespace traxo
