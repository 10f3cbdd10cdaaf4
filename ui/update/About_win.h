#pragma once
// The about box: created once at start, reused. The main window sets the title line before each
// showing (SetAboutTitle) and shows it with ShowModal.

// Before <windows.h>, which would rename the paint canvas's DrawText.
#include "controls/DynamicOpaqueButton_win.h"
#include "platform/Language.h"
#include "platform/ScopedWin_win.h"
#include "ui/kit/ModalForm_win.h"

#include <memory>
#include <string_view>

namespace traxo {

class TfrmAbout final : public ModalForm {
public:
    enum : int { kImage1 = 101, kLblAboutTitle, kLblNotice, kLblTrans, kLblDonate };

    explicit TfrmAbout(HWND owner);
    ~TfrmAbout() override;

    void SetAboutTitle(std::u16string_view title);
    // What FormShow puts into the language-dependent lines.
    void TranslateMe(Language language) override;

protected:
    void FormShow() override;
    void DpiChanged(int oldDpi) override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void lblDonateClick();
    void lblDonateMouseEnter();
    void lblDonateMouseLeave();
    static LRESULT CALLBACK DonateProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    bool DonateMessage(HWND window, UINT message);

    std::unique_ptr<TDynamicOpaqueButton> btnCancel_;
    ScopedFont boldFont_;
    ScopedFont underlineFont_;
    bool overDonate_ = false;
};

} // namespace traxo
