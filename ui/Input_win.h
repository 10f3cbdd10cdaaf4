#pragma once
// The input dialog: created once at start, owned by the application window, shown when asked.

#include "ui/FormWindow_win.h"

namespace traxo {

class TfrmInput final : public PlaceholderForm {
public:
    explicit TfrmInput(HWND owner) : PlaceholderForm(L"TfrmInput", L"Traxo", owner) {}
};

} // namespace traxo
