#pragma once
// The per-program assign dialog: created once at start, owned by the application window, shown when asked.

#include "ui/FormWindow_win.h"

namespace traxo {

class TfrmAssign final : public PlaceholderForm {
public:
    explicit TfrmAssign(HWND owner) : PlaceholderForm(L"TfrmAssign", L"Assign action", owner) {}
};

} // namespace traxo
