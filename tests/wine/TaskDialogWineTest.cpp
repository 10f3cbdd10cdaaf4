// The task dialog under the real common controls: each custom button answers with its place in
// the order added, and a dialog closed without a button answers with the last one.
#include "ui/kit/TaskDialog_win.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <string>

namespace traxo {
namespace {

constexpr wchar_t kTitle[] = L"Traxo dialog test";

struct Click {
    std::wstring buttonText; // empty: close the dialog instead
    bool done = false;
};

BOOL CALLBACK ClickMatchingButton(HWND child, LPARAM lParam) {
    auto* click = reinterpret_cast<Click*>(lParam);
    wchar_t text[64] = L"";
    GetWindowTextW(child, text, 64);
    if (click->buttonText == text) {
        PostMessageW(child, BM_CLICK, 0, 0);
        click->done = true;
        return FALSE;
    }
    return TRUE;
}

// Runs on the dialog's own thread (a timer of the modal loop), once the dialog is up.
Click* pendingClick = nullptr;
void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = FindWindowW(L"#32770", kTitle);
    if (dialog == nullptr || pendingClick == nullptr || pendingClick->done) {
        return;
    }
    if (pendingClick->buttonText.empty()) {
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        pendingClick->done = true;
    } else {
        EnumChildWindows(dialog, ClickMatchingButton, reinterpret_cast<LPARAM>(pendingClick));
    }
    if (pendingClick->done) {
        KillTimer(nullptr, timer);
    }
}

int AnswerWith(const std::wstring& buttonText) {
    Click click{buttonText};
    pendingClick = &click;
    SetTimer(nullptr, 0, 50, AnswerDialog);
    TaskDialogContent dialog;
    dialog.title = u"Traxo dialog test";
    dialog.mainInstruction = u"Main instruction";
    dialog.content = u"You've modified this set. Do you want to save changes?";
    dialog.footer = u"Footer";
    dialog.icon = TaskDialogIcon::Question;
    dialog.buttons = {u"Yes", u"No", u"Cancel"};
    const int result = ShowTaskDialog(nullptr, dialog);
    pendingClick = nullptr;
    EXPECT_TRUE(click.done);
    return result;
}

TEST(TaskDialog, EachButtonAnswersWithItsPlaceInTheOrderAdded) {
    EXPECT_EQ(AnswerWith(L"Yes"), 100);
    EXPECT_EQ(AnswerWith(L"No"), 101);
    EXPECT_EQ(AnswerWith(L"Cancel"), 102);
}

TEST(TaskDialog, ClosedWithoutAButtonAnswersWithTheLast) {
    EXPECT_EQ(AnswerWith(L""), 102);
}

// The language prompt: Esc and the close box must not answer it, a button must.
int closeAttempts = 0;
bool languageClicked = false;
void CALLBACK CloseThenChoose(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = FindWindowW(L"#32770", kTitle);
    if (dialog == nullptr || languageClicked) {
        return;
    }
    if (closeAttempts < 3) {
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        ++closeAttempts;
        return;
    }
    Click click{L"\u4E2D\u6587\uFF08\u7B80\u4F53\uFF09"};
    EnumChildWindows(dialog, ClickMatchingButton, reinterpret_cast<LPARAM>(&click));
    languageClicked = click.done;
    if (languageClicked) {
        KillTimer(nullptr, timer);
    }
}

TEST(TaskDialog, ADialogThatCannotBeCancelledWaitsForAButton) {
    closeAttempts = 0;
    languageClicked = false;
    SetTimer(nullptr, 0, 50, CloseThenChoose);
    TaskDialogContent dialog;
    dialog.title = u"Traxo dialog test";
    dialog.mainInstruction = u"Welcome to Traxo";
    dialog.content = u"Please choose a language.";
    dialog.icon = TaskDialogIcon::Program;
    dialog.cancellable = false;
    dialog.buttons = {u"English", u"\u4E2D\u6587\uFF08\u7B80\u4F53\uFF09"};
    EXPECT_EQ(ShowTaskDialog(nullptr, dialog), 101);
    EXPECT_EQ(closeAttempts, 3);
    EXPECT_TRUE(languageClicked);
}

} // namespace
} // namespace traxo
