#pragma once
// The tutorial: created once at start, owned by the application window, shown when asked.

#include "ui/FormWindow_win.h"

namespace traxo {

class TfrmTutorial final : public PlaceholderForm {
public:
    explicit TfrmTutorial(HWND owner) : PlaceholderForm(L"TfrmTutorial", L"Tutorial", owner) {}
};

} // namespace traxo
