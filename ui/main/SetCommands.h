#pragma once
// The set commands of the main window that talk to the user: the save question, New set, Load
// set, Save set, Save as and Delete gesture. The window supplies the dialogs and its controls;
// the rules of what is saved, when, and what a refusal keeps live here.

#include "app/SetLoading.h"
#include "sets/SetDocument.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace traxo {

inline constexpr std::u16string_view kSaveChangesQuestion =
    u"You've modified this set. Do you want to save changes?";

// The results of the save question's custom buttons, in the order they are added.
enum class SaveChangesAnswer : int { Yes = 100, No = 101, Cancel = 102 };

// What the commands ask of the window.
class SetCommandsUi {
public:
    virtual ~SetCommandsUi() = default;
    virtual SaveChangesAnswer AskSaveChanges() = 0;                    // dlgSaveChanges
    virtual std::optional<std::filesystem::path> ChooseSaveFile() = 0; // the save dialog
    virtual std::optional<std::filesystem::path> ChooseOpenFile() { return std::nullopt; }
    virtual void ShowSaveFailed(const std::filesystem::path& file) = 0;
    virtual void ShowLoadFailed(const std::filesystem::path& /*file*/) {}
    virtual void SetPadIdle() = 0;
    virtual void ShowFileName(const std::filesystem::path& file) = 0; // lblFile
    virtual void UpdateButtons() = 0;
    virtual void SaveSettings() = 0;
    // The hourglass while a set is read or written; every Busy(true) is followed by Busy(false).
    virtual void Busy(bool /*busy*/) {}
    virtual void ClearPad() {}           // white, grey pen
    virtual void StartPadReminder() {}   // the pad's reminder timer
    virtual void RefreshList() {}        // updateList and the list's selection
    virtual void ShowSelectedMotion() {} // as after a click on the list
    virtual void GetAppIcons() {}
};

// Beside the current file (in untitledFolder for a set without one): its stem followed by
// " (recovered).mtd", or " (recovered 2).mtd" and so on, the first name that names no file.
std::filesystem::path RecoveryFileName(const std::filesystem::path& currentFile,
                                       const std::filesystem::path& untitledFolder);

class SetCommands {
public:
    // Both must outlive the commands.
    SetCommands(SetDocument& document, SetCommandsUi& ui) : document_(document), ui_(ui) {}

    // Before New set, Load set and closing: true when the caller may go on. A modified set is
    // asked about; "Yes" saves it, and a save that fails or is abandoned stops the caller too, so
    // that unsaved gestures are never thrown away behind a failed save.
    bool ConfirmSaveChanges();

    // New set: no motions, no known programs, no file. False when the question stopped it.
    bool btnClearClick();
    // Load set: the file the user chooses becomes the set and the current file. A file that
    // cannot be read or decoded is reported and leaves the set, its name and the label as they
    // were. True when a set was loaded.
    bool btnLoadClick();
    // Log-off or shutdown asks whether the session may end (true: it may). A modified set is asked
    // about as closing does, and "Cancel" (or a failed save) holds the session end up. A session
    // end that cannot wait (critical) is never held up by a question: the set is written to a
    // recovery file (RecoveryFileName) instead, so that nothing is lost and no file the user
    // named is overwritten without being asked.
    bool ConfirmSessionEnd(bool critical, const std::filesystem::path& untitledFolder);

    // Save set: to the current file, or through Save as when there is none. True when saved.
    bool btnSaveClick();
    // Save as: to a file the user chooses, which becomes the current one. True when saved.
    bool btnSaveAsClick();
    // Delete gesture: the selected motion goes, without a question; its neighbour is selected.
    void btnDeleteClick();

private:
    bool SaveTo(const std::filesystem::path& file);

    SetDocument& document_;
    SetCommandsUi& ui_;
};

} // namespace traxo
