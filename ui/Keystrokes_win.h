#pragma once
// The keystroke editor: created once at start, owned by the application window, shown when asked.

#include "ui/FormWindow_win.h"

namespace traxo {

class TfrmKeystrokes final : public PlaceholderForm {
public:
    explicit TfrmKeystrokes(HWND owner) : PlaceholderForm(L"TfrmKeystrokes", L"Keystrokes", owner) {}
};

} // namespace traxo
