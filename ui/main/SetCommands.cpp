#include "ui/main/SetCommands.h"

#include "sets/SetFile.h"

#include <exception>
#include <string>

namespace traxo {
namespace {

// The hourglass for as long as a file is read or written, whatever way the work ends.
class BusyCursor {
public:
    explicit BusyCursor(SetCommandsUi& ui) : ui_(ui) { ui_.Busy(true); }
    ~BusyCursor() { ui_.Busy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    SetCommandsUi& ui_;
};

} // namespace

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

bool SetCommands::btnClearClick() {
    if (!ConfirmSaveChanges()) {
        return false;
    }
    ui_.ClearPad();
    document_.NewSet();
    ui_.ShowFileName({});
    ui_.RefreshList();
    ui_.UpdateButtons();
    ui_.GetAppIcons();
    ui_.SetPadIdle();
    ui_.StartPadReminder();
    return true;
}

bool SetCommands::btnLoadClick() {
    ui_.SetPadIdle();
    if (!ConfirmSaveChanges()) {
        return false;
    }
    const std::optional<std::filesystem::path> chosen = ui_.ChooseOpenFile();
    if (!chosen) {
        return false;
    }
    bool loaded = false;
    {
        BusyCursor busy(ui_);
        try {
            loaded = document_.LoadSet(*chosen);
        } catch (const std::exception&) {
            // Undecodable or unreadable: the loader has left the set as it was.
            loaded = false;
        }
        // Also after a failure: a half-converted set may name other programs.
        ui_.GetAppIcons();
    }
    if (loaded) {
        document_.SelectMotion(-1);
    } else {
        ui_.ShowLoadFailed(*chosen);
    }
    ui_.ShowFileName(document_.currentFileName());
    ui_.UpdateButtons();
    ui_.RefreshList();
    ui_.SaveSettings();
    return loaded;
}

std::filesystem::path RecoveryFileName(const std::filesystem::path& currentFile,
                                       const std::filesystem::path& untitledFolder) {
    const std::filesystem::path folder =
        currentFile.empty() ? untitledFolder : currentFile.parent_path();
    const std::u16string stem = currentFile.empty() ? u"Untitled" : currentFile.stem().u16string();
    for (int n = 1;; ++n) {
        std::u16string fileName = stem + u" (recovered";
        if (n > 1) {
            const std::string number = std::to_string(n);
            fileName += u' ';
            fileName.append(number.begin(), number.end());
        }
        const std::filesystem::path name = folder / (fileName + u").mtd");
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
        {
            BusyCursor busy(ui_);
            saved = document_.SaveSetAs(*chosen);
        }
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

void SetCommands::btnDeleteClick() {
    document_.DeleteGesture();
    ui_.RefreshList();
    ui_.UpdateButtons();
    ui_.ShowSelectedMotion();
}

bool SetCommands::SaveTo(const std::filesystem::path& file) {
    bool saved = false;
    {
        BusyCursor busy(ui_);
        saved = document_.saveMotions(file);
    }
    if (!saved) {
        ui_.ShowSaveFailed(file);
    }
    return saved;
}

} // namespace traxo
