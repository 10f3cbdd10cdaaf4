#pragma once
// TfrmInfo: the small always-on-top popup that tells, after a gesture drawn on the screen, what
// was recognised. It is never activated, sits in the bottom-right corner of the primary screen
// for a second and then slides down out of it. The main window creates it on first use and
// keeps it for the rest of the run.

#include "app/ResultPopup.h"
#include "ui/kit/FormWindow_win.h"

#include <windows.h>

#include <memory>

namespace traxo {

class TfrmInfo final : public FormWindow {
public:
    static constexpr UINT_PTR kHideTimerId = 1;

    explicit TfrmInfo(HWND owner);
    ~TfrmInfo() override;

    // Places the popup in the corner, paints the content and starts the second of display,
    // without taking the focus from any window. A screen reader announces it in `language`.
    void ShowResult(const PopupContent& content, Language language = Language::English);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Impl;
    void timerHideTimer();
    void Apply(const PopupSlide::Step& step);
    void Paint(HDC dc);
    void FollowDpi(int dpi);

    std::unique_ptr<Impl> impl_;
};

} // namespace traxo
