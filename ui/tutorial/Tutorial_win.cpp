#include "ui/tutorial/Tutorial_win.h"

#include "platform/WideText_win.h"
#include "ui/kit/ControlWindows_win.h"
#include "ui/kit/DynamicAccessible_win.h"
#include "ui/kit/TaskDialog_win.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/tutorial/TutorialLayout.h"

#include <string>
#include <unordered_map>

namespace traxo {
namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);

// Leaving the topmost band and taking it again raises the window for real: where no window
// manager keeps that band (Wine on a bare display), an activated window may have covered it.
void RaiseTopmost(HWND window, Point at, UINT flags) {
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(window, HWND_TOPMOST, at.x, at.y, 0, 0, flags | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The memo's breaks are line feed then carriage return; the system's text drawing takes the
// usual order as one break.
std::wstring DisplayedMemo(std::u16string_view memo) {
    std::u16string text(memo);
    for (std::size_t at = text.find(u"\n\r"); at != std::u16string::npos;
         at = text.find(u"\n\r", at + 2)) {
        text[at] = u'\r';
        text[at + 1] = u'\n';
    }
    return WideText(text);
}

int ScreenDpi() {
    const ScopedWindowDc screen(nullptr);
    return screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
}

} // namespace

TfrmTutorial::TfrmTutorial(HWND owner) : scale_{ScreenDpi()} {
    const std::wstring caption = WideText(Text(TutorialText::Caption, Language::English));
    CreateForm(L"TfrmTutorial", caption.c_str(), WS_POPUP | WS_CLIPCHILDREN,
               WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
               SIZE{scale_(kTutorialSize.width), scale_(kTutorialSize.height)}, owner);
    white_.reset(CreateSolidBrush(RGB(255, 255, 255)));
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    memoFont_.reset(CreateFontIndirectW(&metrics.lfMessageFont));
    using TC = TutorialControl;
    const std::unordered_map<TC, std::unique_ptr<TDynamicOpaqueButton>*> buttons{
        {TC::Back, &btnBack_},
        {TC::Cancel, &btnCancel_},
        {TC::Next, &btnNext_},
        {TC::Finish, &btnFinish_}};
    for (const PlacedControl<TC>& control : PlaceTutorialControls(scale_, Language::English)) {
        if (control.kind == ControlKind::DynamicFrame) {
            frame_ = std::make_unique<TDynamicFrame>(hwnd(), control.client, *control.look);
        } else if (control.kind == ControlKind::DynamicOpaqueButton) {
            *buttons.at(control.id) =
                std::make_unique<TDynamicOpaqueButton>(hwnd(), control.client, *control.look);
        } else {
            dMemo_ = CreateStandardControl(hwnd(), 0, control.kind, control.client,
                                           WS_VISIBLE | StandardWindowOf(control.kind).style, 0,
                                           u"", memoFont_.get());
        }
    }
    btnFinish_->SetVisible(false);
    btnBack_->OnClick = [this] { btnBackClick(); };
    btnCancel_->OnClick = [this] { btnCancelClick(); };
    btnNext_->OnClick = [this] { btnNextClick(TutorialGuide::Sender::NextButton); };
    btnFinish_->OnClick = [this] { btnNextClick(TutorialGuide::Sender::FinishButton); };
    for (TDynamicOpaqueButton* button :
         {btnBack_.get(), btnCancel_.get(), btnNext_.get(), btnFinish_.get()}) {
        MakeAccessibleButton(
            *button, [this] { return MainWindowText(MainText::PressAction, CurrentLanguage()); });
    }
    TranslateMe();
}

TfrmTutorial::~TfrmTutorial() {
    btnBack_.reset();
    btnCancel_.reset();
    btnNext_.reset();
    btnFinish_.reset();
    frame_.reset();
    if (hwnd() != nullptr) {
        DestroyWindow(hwnd());
    }
}

void TfrmTutorial::TranslateMe() {
    const Language language = CurrentLanguage();
    btnBack_->SetCaption(std::u16string(Text(TutorialText::Back, language)));
    btnCancel_->SetCaption(std::u16string(Text(TutorialText::Cancel, language)));
    btnNext_->SetCaption(std::u16string(Text(TutorialText::Next, language)));
    btnFinish_->SetCaption(std::u16string(Text(TutorialText::Finish, language)));
}

void TfrmTutorial::ShowTutorial() {
    guide_.Start();
    FormShow();
}

void TfrmTutorial::FormShow() {
    if (hwnd() == nullptr) {
        return;
    }
    RaiseTopmost(hwnd(), {}, SWP_NOMOVE | SWP_SHOWWINDOW);
    TranslateMe();
    guide_.PrepareScripts();
    LoadStage(StageSource::Window);
}

void TfrmTutorial::FormClose() {
    guide_.Close();
    if (hwnd() != nullptr) {
        ShowWindow(hwnd(), SW_HIDE);
    }
}

bool TfrmTutorial::Visible() const {
    return hwnd() != nullptr && IsWindowVisible(hwnd());
}

void TfrmTutorial::KeepOnTop() {
    if (Visible()) {
        RaiseTopmost(hwnd(), {}, SWP_NOMOVE);
    }
}

void TfrmTutorial::Report(std::u16string_view event) {
    if (guide_.Awaits(event)) {
        btnNextClick(TutorialGuide::Sender::Reporter);
    }
}

std::u16string TfrmTutorial::MemoText() const {
    const int length = GetWindowTextLengthW(dMemo_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(dMemo_, text.data(), length + 1)));
    return Utf16Text(text);
}

void TfrmTutorial::btnNextClick(TutorialGuide::Sender sender) {
    if (const std::optional<std::u16string> prompt = guide_.Next(sender)) {
        const Language language = CurrentLanguage();
        TaskDialogContent dlgProceed;
        dlgProceed.title = std::u16string(Text(TutorialText::ProceedTitle, language));
        dlgProceed.content = *prompt;
        dlgProceed.icon = TaskDialogIcon::Information;
        dlgProceed.buttons = {std::u16string(Text(TutorialText::ProceedOk, language))};
        ShowTaskDialog(hwnd(), dlgProceed);
        return;
    }
    LoadStage(StageSource::NextButton);
}

void TfrmTutorial::btnBackClick() {
    guide_.Back();
    LoadStage(StageSource::BackButton);
}

void TfrmTutorial::LoadStage(StageSource from) {
    const StagePlan plan =
        guide_.LoadStage(from, CurrentLanguage(), host_.triggerMode ? host_.triggerMode() : 1);
    if (plan.close) {
        FormClose();
        return;
    }
    btnBack_->SetVisible(plan.backVisible);
    btnFinish_->SetVisible(plan.finishVisible);
    btnNext_->SetVisible(!plan.finishVisible);
    picture_ = plan.picture;
    SetWindowTextW(dMemo_, L"");
    SetWindowPos(dMemo_, nullptr, scale_(plan.memoLeft), scale_(kTutorialMemo.top),
                 scale_(plan.memoWidth), scale_(kTutorialMemo.bottom - kTutorialMemo.top),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowTextW(dMemo_, DisplayedMemo(plan.memo).c_str());
    Place(plan);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void TfrmTutorial::Place(const StagePlan& plan) {
    std::optional<Point> centre;
    if (plan.pointAt && host_.screenCentreOf) {
        centre = host_.screenCentreOf(*plan.pointAt);
    }
    const Rect main = host_.mainWindowBounds ? host_.mainWindowBounds() : Rect{};
    const Size window{scale_(kTutorialSize.width), scale_(kTutorialSize.height)};
    const Size screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const TutorialPlacement placement = PlaceTutorial(centre, main, window, screen);
    if (frame_->Look().Shape != placement.shape) {
        frame_->SetLook(ScaledLook(TutorialFrameLook(placement.shape), scale_));
    }
    RaiseTopmost(hwnd(), placement.topLeft, 0);
}

void TfrmTutorial::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(hwnd(), &paint);
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (offscreen_.Resize(client.right, client.bottom)) {
        {
            GdiPaintCanvas canvas(offscreen_.Dc(), &objects_);
            canvas.FillRect({0, 0, client.right, client.bottom}, kWhite);
            frame_->Paint(canvas);
            if (picture_) {
                const Rect area = scale_(kTutorialPicture);
                canvas.FillRect(area, kWhite);
                canvas.DrawPicture({kTutorialPictureBase + *picture_,
                                    {kTutorialPictureSize, kTutorialPictureSize}},
                                   {area.left, area.top}, false);
            }
        }
        offscreen_.Copy(dc, 0, 0);
    }
    EndPaint(hwnd(), &paint);
}

LRESULT TfrmTutorial::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
        return reinterpret_cast<LRESULT>(white_.get());
    case WM_MOUSEACTIVATE:
        // A guide beside the window the user works in: clicking it leaves the focus there.
        return MA_NOACTIVATE;
    case WM_CLOSE:
        FormClose();
        return 0;
    default:
        break;
    }
    return FormWindow::HandleMessage(message, wParam, lParam);
}

} // namespace traxo
