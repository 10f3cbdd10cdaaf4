#include "ui/SetCommands.h"

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
