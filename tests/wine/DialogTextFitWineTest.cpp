// The modal dialogs moved to a 150 % monitor, in both languages: every label, button and box
// shows its whole text at its own font, wrapped where the control wraps.
#include "platform/Dpi_win.h"
#include "ui/editors/Assign_win.h"
#include "ui/editors/Input_win.h"
#include "ui/editors/KeyCombo_win.h"
#include "ui/editors/Keystrokes_win.h"
#include "ui/editors/Program_win.h"
#include "ui/update/About_win.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace traxo {
namespace {

std::wstring ClassName(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = L"";
    GetWindowTextW(window, text, 1024);
    return text;
}

// The texts of the dialog that need more room than their control gives them.
std::vector<std::string> CutTexts(HWND dialog, int& checked) {
    std::vector<std::string> cut;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring kind = ClassName(child);
        const bool isStatic = lstrcmpiW(kind.c_str(), L"Static") == 0;
        const bool isButton = lstrcmpiW(kind.c_str(), L"Button") == 0;
        const std::wstring text = TextOf(child);
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        const LONG_PTR type = isStatic ? (style & SS_TYPEMASK) : (style & BS_TYPEMASK);
        if ((!isStatic && !isButton) || text.empty() ||
            (isStatic && (type == SS_ICON || type == SS_OWNERDRAW)) ||
            (isButton && (type == BS_GROUPBOX || type == BS_OWNERDRAW))) {
            continue;
        }
        RECT client{};
        GetClientRect(child, &client);
        const HDC dc = GetDC(child);
        const HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)));
        const bool mark = isButton && type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON;
        const int dpi = ScreenDpi();
        const int room = client.right - (mark ? MulDiv(13 + 4, dpi, 96) : isButton ? 4 : 0);
        const bool wraps = (isStatic && type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE) ||
                           (isButton && (style & BS_MULTILINE) != 0);
        RECT need{0, 0, room, 0};
        DrawTextW(dc, text.c_str(), -1, &need,
                  DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, old);
        ReleaseDC(child, dc);
        ++checked;
        if (need.right > room || need.bottom > client.bottom) {
            cut.push_back("control " + std::to_string(GetDlgCtrlID(child)) + " needs " +
                          std::to_string(need.right) + "x" + std::to_string(need.bottom) +
                          ", has " + std::to_string(room) + "x" + std::to_string(client.bottom));
        }
    }
    return cut;
}

void MoveToHigherDpi(HWND window, int dpi, int higher) {
    RECT frame{};
    GetWindowRect(window, &frame);
    RECT suggested{0, 0, MulDiv(frame.right - frame.left, higher, dpi),
                   MulDiv(frame.bottom - frame.top, higher, dpi)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(higher, higher),
                 reinterpret_cast<LPARAM>(&suggested));
}

template <typename Dialog> void ExpectNoTextCut(const char* name) {
    for (const Language language : kLanguages) {
        Dialog dialog(nullptr);
        ASSERT_NE(dialog.hwnd(), nullptr) << name;
        dialog.TranslateMe(language);
        const int dpi = ScreenDpi();
        MoveToHigherDpi(dialog.hwnd(), dpi, dpi * 3 / 2);
        int checked = 0;
        const std::vector<std::string> cut = CutTexts(dialog.hwnd(), checked);
        EXPECT_GT(checked, 0) << name;
        for (const std::string& line : cut) {
            ADD_FAILURE() << name << " in language " << LanguageNumber(language) << ": " << line;
        }
    }
}

class DialogTextFitWine : public ::testing::Test {
protected:
    DialogTextFitWine() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
    }
};

TEST_F(DialogTextFitWine, AboutBox) {
    ExpectNoTextCut<TfrmAbout>("about");
}
TEST_F(DialogTextFitWine, AssignDialog) {
    ExpectNoTextCut<TfrmAssign>("assign");
}
TEST_F(DialogTextFitWine, InputDialog) {
    ExpectNoTextCut<TfrmInput>("input");
}
TEST_F(DialogTextFitWine, KeyComboDialog) {
    ExpectNoTextCut<TfrmKeyCombo>("key combination");
}
TEST_F(DialogTextFitWine, KeystrokesDialog) {
    ExpectNoTextCut<TfrmKeystrokes>("keystrokes");
}
TEST_F(DialogTextFitWine, ProgramDialog) {
    ExpectNoTextCut<TfrmProgram>("program");
}

} // namespace
} // namespace traxo
