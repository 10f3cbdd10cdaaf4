#include "ui/update/About_win.h"

#include "app/AboutTexts.h"
#include "app/ProductInfo.h"
#include "controls/DynamicOpaqueButton_win.h"
#include "platform/WideText_win.h"
#include "ui/kit/DynamicAccessible_win.h"
#include "ui/main/MainWindowTexts.h"

#include <commctrl.h>
#include <shellapi.h>

namespace traxo {
namespace {

constexpr UINT_PTR kDonateSubclass = 1;

HFONT DerivedFont(HFONT base, bool bold, bool underline, int height) {
    LOGFONTW font{};
    GetObjectW(base, sizeof(font), &font);
    if (bold) {
        font.lfWeight = FW_BOLD;
    }
    font.lfUnderline = underline ? TRUE : FALSE;
    if (height != 0) {
        font.lfHeight = height;
    }
    return CreateFontIndirectW(&font);
}

} // namespace

TfrmAbout::TfrmAbout(HWND owner)
    : ModalForm(L"TfrmAbout", owner, SIZE{221, 182},
                {
                    FormControl(kImage1, ControlKind::Static, SS_ICON, 0, 94, 8, 32, 32),
                    FormControl(kLblAboutTitle, ControlKind::Static, SS_CENTER, 0, 49, 43, 122, 23),
                    FormControl(kLblNotice, ControlKind::Static, SS_CENTER, 0, 31, 72, 160, 16),
                    FormControl(kLblTrans, ControlKind::Static, SS_CENTER, 0, 8, 94, 205,
                                28), // room for two lines
                    FormControl(kLblDonate, ControlKind::Static, SS_CENTER | SS_NOTIFY, 0, 8, 158,
                                205, 16),
                },
                DialogText::AboutCaption, true) {
    // The product's own words, the same in every language.
    SetControlText(kLblAboutTitle, kAboutTitle);
    SetControlText(kLblNotice, kAboutNotice);
    SetControlText(kLblDonate, Text(AboutText::Donate, Language::English));
    const HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    SendMessageW(Control(kImage1), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    boldFont_.reset(DerivedFont(Font(), true, false, -Scale(16)));
    underlineFont_.reset(DerivedFont(Font(), false, true, 0));
    SendMessageW(Control(kLblAboutTitle), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.get()),
                 FALSE);
    SetWindowSubclass(Control(kLblDonate), DonateProc, kDonateSubclass,
                      reinterpret_cast<DWORD_PTR>(this));

    DynamicLook look = DefaultOpaqueButtonLook();
    look.Colour = Rgb(65, 133, 207);
    look.SelectedColour = Rgb(81, 106, 123);
    look.MouseDownColour = Rgb(31, 41, 48);
    look.BorderColour = Rgb(65, 133, 207);
    look.SelectedBorderColour = Rgb(81, 106, 123);
    look.OutsideColour = Rgb(255, 255, 255);
    look.FontColour = Rgb(255, 255, 255);
    look.SelectedFontColour = Rgb(255, 255, 255);
    look.CornerWidth = 2;
    look.Shape = fsRectangle;
    look.Alignment = taCenter;
    look.Caption = u"OK";
    look.Font.height = Scale(look.Font.height);
    btnCancel_ = std::make_unique<TDynamicOpaqueButton>(
        hwnd(), Rect{Scale(84), Scale(123), Scale(84 + 54), Scale(123 + 26)}, look);
    btnCancel_->OnClick = [this] { CloseWith(kModalResultOk); };
    MakeAccessibleButton(
        *btnCancel_, [this] { return MainWindowText(MainText::PressAction, CurrentLanguage()); });
}

TfrmAbout::~TfrmAbout() {
    if (hwnd() != nullptr) {
        RemoveWindowSubclass(Control(kLblDonate), DonateProc, kDonateSubclass);
    }
    btnCancel_.reset();
    if (hwnd() != nullptr) {
        DestroyWindow(hwnd());
    }
}

void TfrmAbout::DpiChanged(int oldDpi) {
    boldFont_.reset(DerivedFont(Font(), true, false, -Scale(16)));
    underlineFont_.reset(DerivedFont(Font(), false, true, 0));
    SendMessageW(Control(kLblAboutTitle), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.get()),
                 TRUE);
    SendMessageW(Control(kLblDonate), WM_SETFONT,
                 reinterpret_cast<WPARAM>(overDonate_ ? underlineFont_.get() : Font()), TRUE);
    DynamicLook look = btnCancel_->Look();
    look.Font.height = MulDiv(look.Font.height, Dpi(), oldDpi);
    btnCancel_->SetLook(look);
    btnCancel_->SetBounds({Scale(84), Scale(123), Scale(84 + 54), Scale(123 + 26)});
}

void TfrmAbout::SetAboutTitle(std::u16string_view title) {
    SetControlText(kLblAboutTitle, title);
}

void TfrmAbout::TranslateMe(Language language) {
    ModalForm::TranslateMe(language);
    std::u16string credit(Text(AboutText::TranslationCredit, language));
    credit += kTranslatorName;
    SetControlText(kLblTrans, credit);
    SetControlText(kLblDonate, Text(AboutText::Donate, language));
}

void TfrmAbout::FormShow() {
    TranslateMe(CurrentLanguage());
    SetFocus(btnCancel_->hwnd());
}

void TfrmAbout::OnCommand(int id, int code, HWND control) {
    if (id == kLblDonate && code == STN_CLICKED) {
        lblDonateClick();
        return;
    }
    // Enter and Esc both close the box, as its one button does.
    if (id == IDOK || id == IDCANCEL) {
        CloseWith(kModalResultOk);
        return;
    }
    ModalForm::OnCommand(id, code, control);
}

LRESULT TfrmAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == Control(kLblDonate)) {
        const LRESULT brush = ModalForm::HandleMessage(message, wParam, lParam);
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(65, 133, 207));
        return brush;
    }
    return ModalForm::HandleMessage(message, wParam, lParam);
}

void TfrmAbout::lblDonateClick() {
    const std::wstring address = WideText(kDonationPageAddress);
    ShellExecuteW(hwnd(), nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TfrmAbout::lblDonateMouseEnter() {
    SendMessageW(Control(kLblDonate), WM_SETFONT, reinterpret_cast<WPARAM>(underlineFont_.get()),
                 TRUE);
}

void TfrmAbout::lblDonateMouseLeave() {
    SendMessageW(Control(kLblDonate), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
}

LRESULT CALLBACK TfrmAbout::DonateProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR data) {
    auto* about = reinterpret_cast<TfrmAbout*>(data);
    const bool handled =
        RunGuarded([&] { return about->DonateMessage(window, message); }, [] { return false; });
    return handled ? TRUE : DefSubclassProc(window, message, wParam, lParam);
}

// True when the message is answered here (the hand cursor); otherwise the label handles it too.
bool TfrmAbout::DonateMessage(HWND window, UINT message) {
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return true;
    case WM_MOUSEMOVE:
        if (!overDonate_) {
            overDonate_ = true;
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
            TrackMouseEvent(&track);
            lblDonateMouseEnter();
        }
        return false;
    case WM_MOUSELEAVE:
        overDonate_ = false;
        lblDonateMouseLeave();
        return false;
    default:
        return false;
    }
}

} // namespace traxo
