#pragma once
// The options dialog: created once at start, owned by the application window, shown when asked.

#include "ui/FormWindow_win.h"

namespace traxo {

class TfrmOptions final : public PlaceholderForm {
public:
    explicit TfrmOptions(HWND owner) : PlaceholderForm(L"TfrmOptions", L"Options", owner) {}
};

} // namespace traxo
