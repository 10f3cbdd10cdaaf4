// The action editors, the input dialog, the tray icon and the Run key under Wine's real controls:
// each dialog is driven as a user would (text typed into its edits, its buttons clicked) from a
// timer of its own modal loop, and what it hands back is checked.
#include "actions/AssignRules.h"
#include "app/TrayIcon_win.h"
#include "platform/Registry_win.h"
#include "platform/WideText_win.h"
#include "ui/editors/Assign_win.h"
#include "ui/editors/Input_win.h"
#include "ui/editors/KeyCombo_win.h"
#include "ui/editors/Keystrokes_win.h"
#include "ui/editors/Program_win.h"

#include <windows.h>

#include <commctrl.h>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace traxo {
namespace {

// Steps carried out one by one from a timer while a modal loop runs; each waits until `ready`.
struct Step {
    std::function<bool()> ready;
    std::function<void()> act;
};
std::deque<Step> pendingSteps;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR timer, DWORD) {
    if (pendingSteps.empty()) {
        KillTimer(nullptr, timer);
        return;
    }
    if (pendingSteps.front().ready()) {
        Step step = std::move(pendingSteps.front());
        pendingSteps.pop_front();
        step.act();
    }
}

void Script(std::deque<Step> steps) {
    pendingSteps = std::move(steps);
    SetTimer(nullptr, 0, 30, RunNextStep);
}

std::function<bool()> Shown(const ModalForm& form) {
    return [&form] { return form.Showing() && IsWindowVisible(form.hwnd()); };
}

void Type(HWND control, const wchar_t* text) {
    SetWindowTextW(control, text);
}

void Click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
}

std::wstring TextOf(HWND control) {
    wchar_t text[512] = L"";
    GetWindowTextW(control, text, 512);
    return text;
}

// ---- The input dialog ----

class InputDialog : public ::testing::Test {
protected:
    TfrmInput form{nullptr};
};

TEST_F(InputDialog, OkHandsBackTheTextCancelLeavesTheValue) {
    std::u16string value = u"http://";
    Script({{Shown(form), [&] {
                 Type(form.Control(TfrmInput::kEdtInput), L"example.org/\u00FC");
                 Click(form.Control(IDOK));
             }}});
    EXPECT_TRUE(CustomInputQuery(form, nullptr, u"Website", u"Enter a web address:", value,
                                 u"Cancel", u"OK"));
    EXPECT_EQ(value, u"example.org/\u00FC");

    Script({{Shown(form), [&] {
                 EXPECT_EQ(TextOf(form.hwnd()), L"网站"); // the second caller's texts
                 EXPECT_EQ(TextOf(form.Control(IDOK)), L"好");
                 Type(form.Control(TfrmInput::kEdtInput), L"typed, then cancelled");
                 Click(form.Control(IDCANCEL));
             }}});
    EXPECT_FALSE(
        CustomInputQuery(form, nullptr, u"网站", u"输入一个网址：", value, u"取消", u"好"));
    EXPECT_EQ(value, u"example.org/\u00FC");
}

// ---- The key-combination dialog ----

TEST(KeyComboDialog, TogglesAndKeyMakeTheText) {
    TfrmKeyCombo form(nullptr);
    Script({{Shown(form), [&] {
                 Click(form.Control(TfrmKeyCombo::ToggleId(kToggleTab)));
                 Click(form.Control(TfrmKeyCombo::ToggleId(kToggleEsc)));
                 EXPECT_FALSE(form.ComboValid());
                 EXPECT_EQ(TextOf(form.Control(TfrmKeyCombo::kLblCombo)),
                           L"This isn't a valid key combination");
                 Click(form.Control(TfrmKeyCombo::ToggleId(kToggleTab)));
                 Click(form.Control(TfrmKeyCombo::ToggleId(kToggleEsc)));
                 Click(form.Control(TfrmKeyCombo::ToggleId(kToggleCtrl)));
                 SendMessageW(form.Control(TfrmKeyCombo::kEdtKey), HKM_SETHOTKEY, VK_F5, 0);
                 form.edtKeyChange(); // what the key field's change notification runs
                 Click(form.Control(IDOK));
             }}});
    ASSERT_EQ(form.ShowModal(nullptr), kModalResultOk);
    EXPECT_EQ(form.Combination(), u"Ctrl + F5");

    // Each opening starts cleared.
    Script({{Shown(form), [&] {
                 EXPECT_EQ(form.Combination(), u"");
                 Click(form.Control(TfrmKeyCombo::ToggleId(kToggleWin)));
                 Click(form.Control(IDOK));
             }}});
    ASSERT_EQ(form.ShowModal(nullptr), kModalResultOk);
    EXPECT_EQ(form.Combination(), u"Win");
}

// ---- The keystrokes editor ----

TEST(KeystrokesDialog, TestTypesIntoTheMemoAndOkKeepsTheScript) {
    TfrmKeystrokes form(nullptr);
    form.SetScript(u"ab[shift:c]{enter}d");
    std::wstring memo;
    Script({{Shown(form), [&] {
                 Click(form.Control(TfrmKeystrokes::kBtnTest));
                 memo = TextOf(form.Control(TfrmKeystrokes::kMemoTest));
                 Click(form.Control(IDOK));
             }}});
    ASSERT_EQ(form.ShowModal(nullptr), kModalResultOk);
    EXPECT_EQ(memo, L"abC\r\nd");
    EXPECT_EQ(form.Script(), u"ab[shift:c]{enter}d");
}

// ---- The launch-program dialog ----

TEST(ProgramDialog, FieldsGoInAndComeBack) {
    TfrmProgram form(nullptr);
    form.SetFields({u"notepad.exe a.txt", u"c:\\work"});
    Script({{Shown(form), [&] {
                 EXPECT_EQ(TextOf(form.Control(TfrmProgram::kEdtWorkinDir)), L"c:\\work");
                 Type(form.Control(TfrmProgram::kEdtFile), L"C:\\Программы\\b.exe");
                 Click(form.Control(IDOK));
             }}});
    ASSERT_EQ(form.ShowModal(nullptr), kModalResultOk);
    EXPECT_EQ(form.Fields(), (ProgramFields{u"C:\\Программы\\b.exe", u"c:\\work"}));
}

// ---- The assign dialog ----

class AssignDialog : public ::testing::Test {
protected:
    AssignDialog() {
        set->motionCount = 1;
        set->knownAppCount = 2;
        set->knownApps[0].title.Assign(u"Editor");
        set->knownApps[1].title.Assign(u"Browser");
        set->motions[0].defaultAction.Assign(u"@Copy");
        set->motions[0].ruleCount = 1;
        set->motions[0].rules[0].appIndex = 1;
        set->motions[0].rules[0].action.Assign(u"@Paste");
        assign.UseEditors(keystrokes, keyCombo, input, program);
        assign.onModified = [this] { ++modified; };
    }
    // The entry of the open row's drop-down whose text is `english`.
    int EntryOf(std::u16string_view english) {
        const HWND combo = assign.Control(TfrmAssign::kComboAction);
        const std::wstring wanted = WideText(english);
        return static_cast<int>(
            SendMessageW(combo, CB_FINDSTRINGEXACT, 0, reinterpret_cast<LPARAM>(wanted.c_str())));
    }

    std::unique_ptr<MotionSet> set = std::make_unique<MotionSet>();
    TfrmInput input{nullptr};
    TfrmKeyCombo keyCombo{nullptr};
    TfrmKeystrokes keystrokes{nullptr};
    TfrmProgram program{nullptr};
    TfrmAssign assign{nullptr};
    int modified = 0;
};

TEST_F(AssignDialog, WebsiteForAProgramAndSameAsDefaultAreWrittenOnOk) {
    Script({
        {Shown(assign),
         [&] {
             // Row 0 does not offer "[ Same as default ]".
             EXPECT_EQ(EntryOf(u"[ Same as default ]"), CB_ERR);
             assign.SelectRow(1);
             EXPECT_NE(EntryOf(u"[ Same as default ]"), CB_ERR);
             // Opens the input dialog; the next step runs inside its loop.
             assign.ChooseEntry(EntryOf(u"[ Website... ]"));
         }},
        {Shown(input),
         [&] {
             EXPECT_EQ(TextOf(input.Control(TfrmInput::kEdtInput)), L"http://");
             Type(input.Control(TfrmInput::kEdtInput), L"example.org");
             Click(input.Control(IDOK));
         }},
        {[&] { return !input.Showing(); },
         [&] {
             assign.SelectRow(2);
             assign.ChooseEntry(EntryOf(u"[ Same as default ]"));
             Click(assign.Control(IDOK));
         }},
    });
    ASSERT_TRUE(assign.EditMotion(nullptr, *set, 0, Language::English));
    const Motion& motion = set->motions[0];
    EXPECT_EQ(motion.defaultAction.View(), u"@Copy");
    ASSERT_EQ(motion.ruleCount, 1);
    EXPECT_EQ(motion.rules[0].appIndex, 0);
    EXPECT_EQ(motion.rules[0].action.View(), u"http://example.org");
    EXPECT_EQ(modified, 2);
}

TEST_F(AssignDialog, CancelChangesNothingInTheSet) {
    Script({{Shown(assign), [&] {
                 assign.ChooseEntry(EntryOf(u"[ Do nothing ]"));
                 EXPECT_EQ(assign.Rows()[0].action, u"");
                 Click(assign.Control(IDCANCEL));
             }}});
    EXPECT_FALSE(assign.EditMotion(nullptr, *set, 0, Language::English));
    EXPECT_EQ(set->motions[0].defaultAction.View(), u"@Copy");
    EXPECT_EQ(set->motions[0].ruleCount, 1);
    EXPECT_EQ(modified, 1); // the choice itself marked the set modified
}

// An editor opened from the assign dialog is owned by it, so it cannot fall behind it.
TEST_F(AssignDialog, AnEditorOpensOwnedByTheAssignDialog) {
    HWND owner = nullptr;
    Script({
        {Shown(assign), [&] { assign.ChooseEntry(EntryOf(u"[ Keystrokes... ]")); }},
        {Shown(keystrokes),
         [&] {
             owner = GetWindow(keystrokes.hwnd(), GW_OWNER);
             Click(keystrokes.Control(IDCANCEL));
         }},
        {[&] { return !keystrokes.Showing(); }, [&] { Click(assign.Control(IDCANCEL)); }},
    });
    EXPECT_FALSE(assign.EditMotion(nullptr, *set, 0, Language::English));
    EXPECT_EQ(owner, assign.hwnd());
}

// A choice in the open list closed without confirming it (Esc) changes nothing.
TEST_F(AssignDialog, AListClosedWithoutAChoiceAppliesNothing) {
    const HWND combo = assign.Control(TfrmAssign::kComboAction);
    int shownEntry = -1;
    Script({
        {Shown(assign),
         [&] {
             SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
             SendMessageW(combo, CB_SETCURSEL, EntryOf(u"[ Do nothing ]"), 0);
             SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0); // as Esc closes it
         }},
        // The timer's tick comes after the posted message that settles the closing.
        {[&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; },
         [&] {
             shownEntry = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
             Click(assign.Control(IDOK));
         }},
    });
    ASSERT_TRUE(assign.EditMotion(nullptr, *set, 0, Language::English));
    EXPECT_EQ(set->motions[0].defaultAction.View(), u"@Copy");
    EXPECT_EQ(modified, 0);
    EXPECT_EQ(shownEntry, 0) << "the drop-down shows the current action again";
}

// Typing in the closed box opens it on the entry typed, rather than choosing that entry at once.
TEST_F(AssignDialog, TypingInTheClosedBoxOpensIt) {
    const HWND combo = assign.Control(TfrmAssign::kComboAction);
    bool opened = false;
    const DWORD deadline = GetTickCount() + 3000;
    Script({
        {Shown(assign),
         [&] {
             SetFocus(combo);
             SendMessageW(combo, WM_CHAR, L'[', 0);
         }},
        {[&] {
             opened = SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
             return opened || GetTickCount() > deadline;
         },
         [&] {
             SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
             Click(assign.Control(IDOK));
         }},
    });
    ASSERT_TRUE(assign.EditMotion(nullptr, *set, 0, Language::English));
    EXPECT_TRUE(opened);
    EXPECT_EQ(set->motions[0].defaultAction.View(), u"@Copy");
    EXPECT_EQ(modified, 0);
}

// ---- Tray icon ----

class CountingOwner final : public TrayOwner {
public:
    void Settings1Click() override { ++configure; }
    void mnActiveClick() override {}
    void mnAutostartClick() override {}
    void mnExitClick() override {}
    bool IsActive() override { return true; }
    bool WillAutoStart() override { return false; }
    Language CurrentLanguage() override { return Language::English; }
    int configure = 0;
};

TEST(TrayIconWine, ClickOpensTheWindowAndTaskbarCreatedAddsItAgain) {
    const HWND window = CreateWindowExW(0, L"STATIC", L"tray owner", WS_POPUP, 0, 0, 1, 1, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    CountingOwner owner;
    {
        TrayIcon tray(window, LoadIconW(nullptr, IDI_APPLICATION), owner);
        ASSERT_TRUE(tray.Show());
        LRESULT result = 0;
        EXPECT_TRUE(tray.HandleMessage(TrayIcon::kCallbackMessage, 1, WM_LBUTTONUP, result));
        EXPECT_EQ(owner.configure, 1);
        EXPECT_TRUE(tray.HandleMessage(TrayIcon::kCallbackMessage, 1, WM_MOUSEMOVE, result));
        EXPECT_EQ(owner.configure, 1);
        EXPECT_TRUE(tray.HandleMessage(RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, result));
        EXPECT_TRUE(tray.Visible());
        tray.Hide();
        EXPECT_FALSE(tray.Visible());
        // A hidden icon is not brought back by a shell restart.
        tray.HandleMessage(RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, result);
        EXPECT_FALSE(tray.Visible());
    }
    DestroyWindow(window);
}

// ---- The Run key ----

TEST(RunKeyWine, WritesReadsAndDeletesAValue) {
    RunKeyRegistry registry;
    constexpr std::u16string_view kName = u"traxo wine test";
    ASSERT_EQ(registry.Write(kName, u"\"C:\\Program Files\\Träxo\\Traxo.exe\""),
              RegistryStatus::Ok);
    const RegistryRead read = registry.Read(kName);
    EXPECT_EQ(read.status, RegistryStatus::Ok);
    EXPECT_EQ(read.value, u"\"C:\\Program Files\\Träxo\\Traxo.exe\"");
    EXPECT_EQ(registry.Delete(kName), RegistryStatus::Ok);
    EXPECT_EQ(registry.Read(kName).value, u"");
    EXPECT_EQ(registry.Delete(kName), RegistryStatus::Ok); // already gone
}

} // namespace
} // namespace traxo
