#pragma once
// The update check's prompts as the tests see them: every message and dialog shown, every
// address opened, and a set answer to the dialogs.

#include "ui/update/UpdateCheck.h"

#include <string>
#include <vector>

namespace traxo::testing {

class RecordingUpdatePrompts final : public UpdatePrompts {
public:
    explicit RecordingUpdatePrompts(int answer = TaskButtonResult(0)) : answer_(answer) {}

    void ShowNetworkError(std::u16string_view text) override { errors.emplace_back(text); }
    int ShowDialog(const TaskDialogContent& dialog) override {
        dialogs.push_back(dialog);
        return answer_;
    }
    void OpenAddress(std::u16string_view address) override { opened.emplace_back(address); }
    void LogFailure(std::u16string_view text) override { logged.emplace_back(text); }

    bool NothingShown() const { return errors.empty() && dialogs.empty() && opened.empty(); }

    std::vector<std::u16string> errors;
    std::vector<TaskDialogContent> dialogs;
    std::vector<std::u16string> opened;
    std::vector<std::u16string> logged;

private:
    int answer_;
};

} // namespace traxo::testing
