#pragma once
// TfrmTutorial: a small borderless topmost window that walks the user through the main window
// stage by stage. It is created once at start and hidden; ShowTutorial starts it at the first
// stage. The stages and every decision come from ui/TutorialScript; this window draws the
// frame, the picture and the text, moves itself beside the control a stage points at, and hears
// the events the program reports (Report).

// Before <windows.h>, which would rename the paint canvas's DrawText.
#include "controls/DynamicFrame_win.h"
#include "controls/DynamicOpaqueButton_win.h"
#include "platform/DpiScale.h"
#include "platform/GdiPaintCanvas_win.h"
#include "platform/Language.h"
#include "platform/OffscreenBitmap_win.h"
#include "platform/ScopedWin_win.h"
#include "ui/kit/FormWindow_win.h"
#include "ui/tutorial/TutorialScript.h"

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace traxo {

// The tutorial's pictures, by resource number (Traxo.rc), drawn by tools/make-tutorial-pictures.py.
inline constexpr int kTutorialPictureBase = 230;

// What the tutorial asks of the program.
struct TutorialHost {
    // The screen position of the centre of the control named so (main window first, then the
    // assign dialog); none when no such control exists.
    std::function<std::optional<Point>(std::u16string_view name)> screenCentreOf;
    std::function<Rect()> mainWindowBounds; // screen coordinates
    std::function<Language()> language;
    std::function<int()> triggerMode;
};

class TfrmTutorial final : public FormWindow {
public:
    explicit TfrmTutorial(HWND owner);
    ~TfrmTutorial() override;

    void Connect(TutorialHost host) { host_ = std::move(host); }

    // ShowTutorial: the first stage, shown.
    void ShowTutorial();
    // Shows the current stage at the top of the topmost windows without activating.
    void FormShow();
    // Cancel, the end of the script and the assign dialog's hand-over: hidden, nothing awaited.
    void FormClose();
    bool Visible() const;
    // Keeps it above another topmost-wanting window (the assign dialog) without the focus.
    void KeepOnTop();

    // The event a reporter compares with its own name.
    const std::u16string& WaitingFor() const { return guide_.WaitingFor(); }
    // A reporter: moves on at once when the stage waits for exactly this event.
    void Report(std::u16string_view event);
    int Stage() const { return guide_.Stage(); }
    std::u16string MemoText() const;

    void btnNextClick(TutorialGuide::Sender sender);
    void btnBackClick();
    void btnCancelClick() { FormClose(); }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void TranslateMe();
    void LoadStage(StageSource from);
    void Place(const StagePlan& plan);
    void OnPaint();
    Language CurrentLanguage() const {
        return host_.language ? host_.language() : Language::English;
    }

    TutorialHost host_;
    TutorialGuide guide_;
    DpiScale scale_;
    std::unique_ptr<TDynamicFrame> frame_;
    std::unique_ptr<TDynamicOpaqueButton> btnBack_;
    std::unique_ptr<TDynamicOpaqueButton> btnCancel_;
    std::unique_ptr<TDynamicOpaqueButton> btnNext_;
    std::unique_ptr<TDynamicOpaqueButton> btnFinish_;
    HWND dMemo_ = nullptr;
    ScopedFont memoFont_;
    ScopedBrush white_;
    std::optional<int> picture_;
    OffscreenBitmap offscreen_;
    GdiObjectCache objects_;
};

} // namespace traxo
