// The options dialog as a window: its controls are set through their own messages, OK and
// Cancel are pressed with the mouse, and the settings and the set are read afterwards.
#include "sets/SetDocument.h"
#include "ui/options/Options_win.h"

#include <windows.h>

#include <commctrl.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace traxo {
namespace {

using enum OptionsControl;

std::wstring TextOf(HWND window) {
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return text;
}

void Pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// A left click in the middle of a window, as the mouse gives it.
void ClickWith(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
    SendMessageW(window, WM_MOUSEMOVE, 0, centre);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageW(window, WM_LBUTTONUP, 0, centre);
    Pump();
}

// Answers the next task dialog titled "Traxo" with the button of this text.
std::wstring pendingAnswer;
BOOL CALLBACK ClickButtonNamed(HWND child, LPARAM) {
    if (TextOf(child) == pendingAnswer) {
        PostMessageW(child, BM_CLICK, 0, 0);
        pendingAnswer.clear();
        return FALSE;
    }
    return TRUE;
}
void CALLBACK AnswerTaskDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = FindWindowW(L"#32770", L"Traxo");
    if (dialog != nullptr && !pendingAnswer.empty()) {
        EnumChildWindows(dialog, ClickButtonNamed, 0);
    }
    if (pendingAnswer.empty()) {
        KillTimer(nullptr, timer);
    }
}

class OptionsDialogWine : public ::testing::Test {
protected:
    OptionsDialogWine() : set(std::make_unique<MotionSet>()), document(*set), form(nullptr) {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        settings.invoke = 1;
        settings.excludedPrograms = {u"c:\\games\\shooter.exe"};
        for (int a = 0; a < 3; ++a) {
            set->knownApps[a].title.Assign(u"Program " + std::u16string(1, char16_t(u'0' + a)));
            set->knownApps[a].path.Assign(u"p" + std::u16string(1, char16_t(u'0' + a)) + u".exe");
        }
        set->knownAppCount = 3;
        // Motion 0: two rules for program 1 and one for program 2.
        const int apps[] = {1, 2, 1};
        for (int r = 0; r < 3; ++r) {
            set->motions[0].rules[r].appIndex = static_cast<std::uint8_t>(apps[r]);
            set->motions[0].rules[r].action.Assign(u"@Keys:Ctrl+W");
        }
        set->motions[0].ruleCount = 3;
        set->motionCount = 1;

        OptionsHost host;
        host.settings = &settings;
        host.document = &document;
        host.appFolder = u"C:\\Traxo\\";
        host.recentPrograms = [] {
            return std::vector<std::u16string>{u"c:\\apps\\mail.exe", u"c:\\traxo\\edit.exe"};
        };
        host.willAutoStart = [this] { return autoStart; };
        host.toggleAutoStart = [this] { autoStart = !autoStart; };
        host.enableHook = [this](bool on) { hookReleases += on ? 0 : 1; };
        host.afterOk = [this] { ++afterOk; };
        form.Connect(std::move(host));
    }

    HWND C(OptionsControl id) const { return form.Control(id); }
    bool Checked(OptionsControl id) const {
        return SendMessageW(C(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    void Tick(OptionsControl id) {
        SendMessageW(C(id), BM_CLICK, 0, 0);
        Pump();
    }
    void SelectMode(int mode) {
        ListView_SetItemState(C(listviewMethods), mode, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
        Pump();
    }
    void PickFromCombo(OptionsControl id, int index) {
        SendMessageW(C(id), CB_SETCURSEL, index, 0);
        SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(ControlIdOf(id), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(C(id)));
        Pump();
    }
    // TRAXO_OPTIONS_LOOK=seconds keeps the dialog up for a look (a screenshot) before going on.
    void Look() {
        const char* seconds = std::getenv("TRAXO_OPTIONS_LOOK");
        const DWORD end = GetTickCount() + (seconds ? std::atoi(seconds) * 1000 : 0);
        while (GetTickCount() < end) {
            Pump();
            Sleep(20);
        }
    }

    Settings settings;
    std::unique_ptr<MotionSet> set;
    SetDocument document;
    TfrmOptions form;
    bool autoStart = false;
    int hookReleases = 0;
    int afterOk = 0;
};

TEST_F(OptionsDialogWine, ControlsSetThroughTheirMessagesAreWrittenBackOnOk) {
    form.Show(OptionsView::Options, nullptr);
    Pump();
    ASSERT_TRUE(IsWindowVisible(form.hwnd()));
    EXPECT_EQ(hookReleases, 1) << "opening releases the hook";
    EXPECT_EQ(TabCtrl_GetItemCount(C(PageControl1)), 2);
    EXPECT_TRUE(IsWindowVisible(C(chkAutoStart)));
    EXPECT_FALSE(IsWindowVisible(C(btnCheckNow))) << "hidden while updates are checked";
    EXPECT_EQ(ListView_GetNextItem(C(listviewMethods), -1, LVNI_SELECTED), 1);
    Look();

    SelectMode(0);
    EXPECT_FALSE(IsWindowEnabled(C(chkTimeout)));
    EXPECT_FALSE(IsWindowEnabled(C(chkMouseExMode)));
    SelectMode(3);
    EXPECT_TRUE(IsWindowEnabled(C(chkTimeout)));
    EXPECT_TRUE(IsWindowEnabled(C(chkMouseExMode)));
    EXPECT_FALSE(IsWindowEnabled(C(trackIdle)));
    Tick(chkTimeout);
    EXPECT_TRUE(IsWindowEnabled(C(trackIdle)));
    SendMessageW(C(trackIdle), TBM_SETPOS, TRUE, 90);
    SendMessageW(form.hwnd(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                 reinterpret_cast<LPARAM>(C(trackIdle)));
    Tick(chkFast);
    Tick(chkShowInfo);
    Tick(chkMouseExMode);
    Tick(chkAutoStart);
    Tick(chkAutoCheck);
    EXPECT_TRUE(IsWindowVisible(C(btnCheckNow)));

    Tick(chkRecent);
    EXPECT_FALSE(settings.recentList) << "the recent-list switch acts at once";
    EXPECT_FALSE(Checked(chkRecent2));

    SendMessageW(C(lstExclude), LB_SETCURSEL, 0, 0);
    SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(ControlIdOf(lstExclude), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(C(lstExclude)));
    Tick(btnRemove);
    PickFromCombo(lstRecent, 1);
    Tick(btnExclude);
    EXPECT_EQ(SendMessageW(C(lstExclude), LB_GETCOUNT, 0, 0), 1);

    PickFromCombo(comboLang, 1);
    EXPECT_EQ(TextOf(form.hwnd()), L"选项") << "the texts show the picked language at once";
    EXPECT_EQ(TextOf(C(chkTimeout)), L"超时时间");
    EXPECT_EQ(ListView_GetNextItem(C(listviewMethods), -1, LVNI_SELECTED), 3)
        << "the mode stays chosen";
    EXPECT_EQ(settings.language, Language::English);
    Look();

    ClickWith(form.OkButton().hwnd());
    EXPECT_FALSE(form.IsOpen());
    EXPECT_TRUE(form.ModalResult());
    EXPECT_FALSE(IsWindowVisible(form.hwnd()));
    EXPECT_EQ(settings.invoke, 3);
    EXPECT_EQ(settings.idleTimeout, 90);
    EXPECT_TRUE(settings.fastTrails);
    EXPECT_FALSE(settings.showInfo);
    EXPECT_TRUE(settings.mouseExMode);
    EXPECT_FALSE(settings.autoCheck);
    EXPECT_FALSE(settings.recentList);
    EXPECT_EQ(settings.language, Language::Chinese);
    EXPECT_EQ(settings.excludedPrograms, std::vector<std::u16string>{u"c:\\traxo\\edit.exe"});
    EXPECT_TRUE(autoStart) << "the autostart entry was switched on";
    EXPECT_EQ(afterOk, 1);
    EXPECT_EQ(hookReleases, 2);
}

TEST_F(OptionsDialogWine, CancelWritesNothingAndTheNextOpeningShowsTheCurrentLanguage) {
    const Settings before = settings;
    form.Show(OptionsView::Options, nullptr);
    Pump();
    SelectMode(0);
    Tick(chkTrail);
    PickFromCombo(comboLang, 1);
    ClickWith(form.CancelButton().hwnd());
    EXPECT_FALSE(form.IsOpen());
    EXPECT_FALSE(form.ModalResult());
    EXPECT_EQ(settings, before);
    EXPECT_EQ(afterOk, 0);

    form.Show(OptionsView::Options, nullptr);
    Pump();
    EXPECT_EQ(TextOf(form.hwnd()), L"Options");
    EXPECT_TRUE(Checked(chkTrail));
    EXPECT_EQ(ListView_GetNextItem(C(listviewMethods), -1, LVNI_SELECTED), 1);
    SendMessageW(form.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.IsOpen());
    EXPECT_EQ(settings, before);
}

TEST_F(OptionsDialogWine, KnownProgramsViewMarksAProgramAndOkDropsItsRules) {
    form.Show(OptionsView::KnownPrograms, nullptr);
    Pump();
    EXPECT_EQ(TabCtrl_GetItemCount(C(PageControl1)), 1);
    EXPECT_FALSE(IsWindowVisible(C(chkAutoStart))) << "the general panel is not in this view";
    EXPECT_TRUE(IsWindowVisible(C(lstKnownApps)));
    ASSERT_EQ(ListView_GetItemCount(C(lstKnownApps)), 3);

    ListView_SetItemState(C(lstKnownApps), 1, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
    UpdateWindow(C(lstKnownApps));
    Pump();
    EXPECT_TRUE(IsWindowVisible(C(btnReloadApp))) << "the re-pick button lies over the focused row";
    Look();

    pendingAnswer = L"Yes";
    SetTimer(nullptr, 0, 50, AnswerTaskDialog);
    Tick(btnRemove_2);
    EXPECT_TRUE(pendingAnswer.empty()) << "the question was asked and answered";
    EXPECT_EQ(form.Model().knownApps.Rows()[1].path, u"_DELETED");
    EXPECT_EQ(static_cast<int>(set->knownAppCount), 3) << "nothing changes before OK";
    UpdateWindow(C(lstKnownApps));
    Pump();
    EXPECT_FALSE(IsWindowVisible(C(btnReloadApp)));
    Look();

    ClickWith(form.OkButton().hwnd());
    EXPECT_EQ(static_cast<int>(set->knownAppCount), 2);
    EXPECT_EQ(set->knownApps[1].title.View(), u"Program 2");
    ASSERT_EQ(static_cast<int>(set->motions[0].ruleCount), 1);
    EXPECT_EQ(static_cast<int>(set->motions[0].rules[0].appIndex), 1)
        << "program 2's rule follows it to position 1";
}

} // namespace
} // namespace traxo
