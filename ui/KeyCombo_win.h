#pragma once
// The key-combination editor: created once at start, owned by the application window, shown when asked.

#include "ui/FormWindow_win.h"

namespace traxo {

class TfrmKeyCombo final : public PlaceholderForm {
public:
    explicit TfrmKeyCombo(HWND owner) : PlaceholderForm(L"TfrmKeyCombo", L"Key combination", owner) {}
};

} // namespace traxo
