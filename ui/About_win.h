#pragma once
// The about box: created once at start, owned by the application window, shown when asked.

#include "ui/FormWindow_win.h"

namespace traxo {

class TfrmAbout final : public PlaceholderForm {
public:
    explicit TfrmAbout(HWND owner) : PlaceholderForm(L"TfrmAbout", L"About Traxo", owner) {}
};

} // namespace traxo
