#include "ui/kit/ControlWindows_win.h"

#include "platform/WideText_win.h"

#include <commctrl.h>

namespace traxo {

StandardWindow StandardWindowOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Static:
        return {WC_STATICW, SS_LEFT | SS_NOPREFIX};
    case ControlKind::Button:
        return {WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON};
    case ControlKind::CheckBox:
        return {WC_BUTTONW, WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE | BS_VCENTER};
    case ControlKind::Edit:
        return {WC_EDITW, 0};
    case ControlKind::HotKey:
        return {HOTKEY_CLASSW, 0};
    case ControlKind::ListBox:
        return {WC_LISTBOXW, WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT};
    case ControlKind::DropDown:
        return {WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST};
    case ControlKind::ListView:
        return {WC_LISTVIEWW, 0};
    case ControlKind::PageControl:
        return {WC_TABCONTROLW, 0};
    case ControlKind::TrackBar:
        return {TRACKBAR_CLASSW, WS_TABSTOP | TBS_NOTICKS | TBS_HORZ};
    case ControlKind::Frame:
    case ControlKind::Swatch:
        return {WC_STATICW, SS_OWNERDRAW | SS_NOTIFY};
    case ControlKind::MethodList:
        return {WC_LISTVIEWW,
                WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS};
    case ControlKind::KnownAppList:
        return {WC_LISTVIEWW,
                WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS,
                WS_EX_CLIENTEDGE};
    default:
        return {};
    }
}

HWND CreateStandardControl(HWND parent, int childId, ControlKind kind, Rect client, DWORD style,
                           DWORD exStyle, std::u16string_view text, HFONT font) {
    const StandardWindow window = StandardWindowOf(kind);
    if (window.className == nullptr) {
        return nullptr;
    }
    const std::wstring caption = WideText(text);
    const HWND control = CreateWindowExW(
        exStyle, window.className, caption.c_str(), WS_CHILD | style, client.left, client.top,
        client.right - client.left, client.bottom - client.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void PlaceChild(HWND child, Rect client, HFONT font, HFONT oldFont) {
    SetWindowPos(child, nullptr, client.left, client.top, client.right - client.left,
                 client.bottom - client.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (font == nullptr) {
        return;
    }
    if (oldFont == nullptr ||
        reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)) == oldFont) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

} // namespace traxo
