#include "ui/kit/ModalForm_win.h"

#include "platform/Dpi_win.h"
#include "platform/WideText_win.h"
#include "ui/kit/ControlWindows_win.h"

#include <algorithm>
#include <utility>

namespace traxo {

FormRow FormControl(int id, ControlKind kind, DWORD style, DWORD exStyle, int left, int top,
                    int width, int height, TextRef text) {
    return FormRow(id, {}, kind, std::nullopt, kEveryPage,
                   Rect{left, top, left + width, top + height}, text, std::nullopt, kColourNone,
                   static_cast<std::uint32_t>(style), TextRef{},
                   static_cast<std::uint32_t>(exStyle));
}

ModalForm::ModalForm(const wchar_t* className, HWND owner, SIZE clientUnits,
                     std::vector<FormRow> layout, TextRef caption, bool whiteBackground)
    : layout_(std::move(layout)), caption_(caption) {
    dpi_ = ScreenDpi(); // the window is made centred on the primary monitor, at the system DPI
    if (whiteBackground) {
        background_.reset(CreateSolidBrush(RGB(255, 255, 255)));
    }
    font_.reset(CreateMessageFont(dpi_));
    const std::wstring title = WideText(caption_.In(Language::English));
    CreateForm(className, title.c_str(), WS_CAPTION | WS_SYSMENU | WS_POPUP | WS_CLIPCHILDREN,
               WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
               SIZE{Scale(clientUnits.cx), Scale(clientUnits.cy)}, owner);
    BuildControls();
}

void ModalForm::FollowDpi(int newDpi, LPARAM suggested) {
    const int oldDpi = dpi_;
    if (newDpi == oldDpi) {
        return;
    }
    RECT client{};
    GetClientRect(hwnd(), &client);
    dpi_ = newDpi;
    const ScopedFont oldFont = std::move(font_); // released once no child uses it
    font_.reset(CreateMessageFont(dpi_));
    // The table's controls go where the table puts them at the new DPI.
    RelayoutControls<int>(
        PlaceControls(std::span<const FormRow>(layout_), DpiScale{dpi_}, Language::English),
        [this](int id) { return Control(id); }, font_.get(), oldFont.get());
    // Any other child (an editor a dialog made itself) keeps its place and size in proportion.
    std::vector<HWND> others;
    for (HWND child = GetWindow(hwnd(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        if (std::none_of(layout_.begin(), layout_.end(),
                         [id](const FormRow& row) { return row.id == id; })) {
            others.push_back(child);
        }
    }
    for (const HWND child : others) {
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&place), 2);
        PlaceChild(child,
                   {MulDiv(place.left, newDpi, oldDpi), MulDiv(place.top, newDpi, oldDpi),
                    MulDiv(place.right, newDpi, oldDpi), MulDiv(place.bottom, newDpi, oldDpi)},
                   font_.get(), oldFont.get());
    }
    // The client area in its present state (a dialog may have grown), carried to the new DPI.
    PlaceAtChangedDpi(hwnd(), suggested,
                      {MulDiv(client.right, newDpi, oldDpi), MulDiv(client.bottom, newDpi, oldDpi)},
                      newDpi);
    DpiChanged(oldDpi);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

ModalForm::~ModalForm() {
    if (hwnd() != nullptr) {
        DestroyWindow(hwnd()); // before the font and brush the controls use
    }
}

int ModalForm::Scale(int units) const {
    return DpiScale{dpi_}(units);
}

void ModalForm::BuildControls() {
    for (const PlacedControl<int>& control :
         PlaceControls(std::span<const FormRow>(layout_), DpiScale{dpi_}, Language::English)) {
        CreateStandardControl(hwnd(), control.id, control.kind, control.client,
                              WS_VISIBLE | control.style, control.exStyle, control.text,
                              font_.get());
    }
}

std::u16string ModalForm::ControlText(int id) const {
    const HWND control = Control(id);
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return Utf16Text(text);
}

void ModalForm::SetControlText(int id, std::u16string_view text) {
    const std::wstring wide = WideText(text);
    SetWindowTextW(Control(id), wide.c_str());
}

void ModalForm::TranslateMe(Language language) {
    language_ = language;
    const std::wstring caption = WideText(caption_.In(language));
    SetWindowTextW(hwnd(), caption.c_str());
    for (const FormRow& row : layout_) {
        if (const std::u16string_view text = row.text.In(language); !text.empty()) {
            SetControlText(row.id, text);
        }
    }
}

bool ModalForm::TabInReadingOrder(const MSG& message) {
    const auto down = [](int key) { return GetKeyState(key) < 0; };
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || down(VK_CONTROL) ||
        down(VK_MENU)) {
        return false;
    }
    const HWND next = NextTabStop(GetFocus(), down(VK_SHIFT));
    if (next == nullptr) {
        return false;
    }
    SetFocus(next);
    SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    return true;
}

int ModalForm::ShowModal(HWND parent) {
    if (hwnd() == nullptr || running_) {
        return kModalResultCancel;
    }
    result_ = kModalResultCancel;
    // Owned by the window it is shown from, so it stays above that window whatever else (the
    // tutorial's topmost window) takes the foreground meanwhile.
    if (parent != nullptr) {
        SetWindowLongPtrW(hwnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(parent));
    }
    FormShow();
    // Centred on the parent when it is showing, else on the screen.
    RECT frame{};
    GetWindowRect(hwnd(), &frame);
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (parent != nullptr && IsWindowVisible(parent)) {
        GetWindowRect(parent, &area);
    }
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(hwnd(), HWND_TOP, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE);
    const bool disableParent = parent != nullptr && IsWindowEnabled(parent);
    if (disableParent) {
        EnableWindow(parent, FALSE);
    }
    running_ = true;
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    MSG message{};
    while (running_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!TabInReadingOrder(message) && !IsDialogMessageW(hwnd(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam)); // the outer loop ends too
    }
    running_ = false;
    if (disableParent) {
        EnableWindow(parent, TRUE);
    }
    ShowWindow(hwnd(), SW_HIDE);
    if (parent != nullptr && IsWindowVisible(parent)) {
        SetForegroundWindow(parent);
    }
    return result_;
}

void ModalForm::CloseWith(int result) {
    result_ = result;
    running_ = false;
    PostMessageW(hwnd(), WM_NULL, 0, 0); // wakes the modal loop
}

void ModalForm::OnCommand(int id, int /*code*/, HWND /*control*/) {
    if (id == IDOK) {
        CloseWith(kModalResultOk);
    } else if (id == IDCANCEL) {
        CloseWith(kModalResultCancel);
    }
}

LRESULT ModalForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        CloseWith(kModalResultCancel);
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_DPICHANGED:
        FollowDpi(DpiOfChangedMessage(wParam), lParam);
        return 0;
    case WM_ERASEBKGND:
        if (background_ != nullptr) {
            RECT client{};
            GetClientRect(hwnd(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, background_);
            return 1;
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (background_ != nullptr) {
            SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
            return reinterpret_cast<LRESULT>(background_.get());
        }
        break;
    default:
        break;
    }
    return FormWindow::HandleMessage(message, wParam, lParam);
}

} // namespace traxo
