#pragma once
// The program-launch editor: created once at start, owned by the application window, shown when asked.

#include "ui/FormWindow_win.h"

namespace traxo {

class TfrmProgram final : public PlaceholderForm {
public:
    explicit TfrmProgram(HWND owner) : PlaceholderForm(L"TfrmProgram", L"Program", owner) {}
};

} // namespace traxo
