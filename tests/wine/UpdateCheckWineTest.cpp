// The update check through the real WinINet against a server on 127.0.0.1 that the test runs:
// what arrives, what is refused, how long a silent server is waited for, and that the program's
// windows keep answering meanwhile.
#include "LocalHttpServer.h"
#include "platform/HttpFetch_win.h"
#include "shared/IniStoreTestSupport.h"
#include "shared/RecordingUpdatePrompts.h"
#include "ui/update/UpdateCheck_win.h"

#include <windows.h>

#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <tlhelp32.h>

namespace traxo {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
using ::testing::HasSubstr;
using testing::LocalHttpServer;
using testing::RecordingUpdatePrompts;

constexpr auto kShortTimeout = 1500ms;
const std::string kLatest = "[traxo]\r\nversion=1.41\r\n";

HttpFetchResult Fetch(const std::u16string& address) {
    return WinInetFetch({kShortTimeout, kHttpFetchMaxBytes}).Get(address);
}

// ---- The fetch ----

TEST(WinInetFetchTest, AsksAsTraxoForAFreshCopy) {
    LocalHttpServer server;
    server.ServeBody(kLatest);
    const HttpFetchResult result = Fetch(server.Address());
    EXPECT_EQ(result.status, HttpFetchStatus::Ok);
    EXPECT_EQ(result.body, kLatest);
    ASSERT_EQ(server.Requests().size(), 1u);
    const std::string request = server.Requests()[0];
    EXPECT_THAT(request, ::testing::StartsWith("GET /updates.ini HTTP/1.1\r\n"));
    EXPECT_THAT(request, HasSubstr("User-Agent: Traxo\r\n"));
    EXPECT_THAT(request, HasSubstr("Cache-Control: no-cache\r\n"));
    EXPECT_THAT(request, HasSubstr("Pragma: no-cache\r\n"));
    // The server lets its answers be kept for an hour; the check still asks it again.
    server.ServeBody("[traxo]\r\nversion=1.50\r\n");
    EXPECT_EQ(Fetch(server.Address()).body, "[traxo]\r\nversion=1.50\r\n");
    EXPECT_EQ(server.Requests().size(), 2u);
}

TEST(WinInetFetchTest, TheBodyUpToTheLimitAndNoFurther) {
    struct Case {
        std::size_t size;
        HttpFetchStatus status;
    };
    const Case cases[] = {
        {0, HttpFetchStatus::Ok},
        {5000, HttpFetchStatus::Ok}, // several reads
        {kHttpFetchMaxBytes, HttpFetchStatus::Ok},
        {kHttpFetchMaxBytes + 1, HttpFetchStatus::TooLarge},
        {10 * 1024 * 1024, HttpFetchStatus::TooLarge},
    };
    LocalHttpServer server;
    for (const Case& c : cases) {
        std::string body(c.size, 'x');
        for (std::size_t i = 0; i < body.size(); i += 97) {
            body[i] = static_cast<char>('a' + i % 26);
        }
        server.ServeBody(body);
        const HttpFetchResult result = Fetch(server.Address());
        EXPECT_EQ(result.status, c.status) << c.size;
        EXPECT_EQ(result.body, c.status == HttpFetchStatus::Ok ? body : std::string()) << c.size;
    }
}

TEST(WinInetFetchTest, FailuresComeBackAsFailures) {
    LocalHttpServer server;
    server.ServeStatus(404, "[traxo]\r\nversion=1.41\r\n");
    EXPECT_EQ(Fetch(server.Address()).status, HttpFetchStatus::BadStatus);

    const std::string noServer =
        "http://127.0.0.1:" + std::to_string(LocalHttpServer::UnusedPort()) + "/updates.ini";
    EXPECT_EQ(Fetch(std::u16string(noServer.begin(), noServer.end())).status,
              HttpFetchStatus::OpenFailed);
    EXPECT_EQ(Fetch(u"not an address").status, HttpFetchStatus::OpenFailed);
}

// A silent server ends in a failure after the time limit, not after minutes.
TEST(WinInetFetchTest, ASilentServerIsGivenUpOnAfterTheTimeLimit) {
    struct Case {
        const char* what;
        bool headersFirst;
    };
    for (const Case c : {Case{"accepts and never answers", false},
                         Case{"stops in the middle of the body", true}}) {
        LocalHttpServer server;
        if (c.headersFirst) {
            server.ServeHeadersThenStall(1000);
        } else {
            server.Stall();
        }
        const auto start = Clock::now();
        const HttpFetchResult result = Fetch(server.Address());
        const auto waited = Clock::now() - start;
        EXPECT_FALSE(result.Succeeded()) << c.what;
        EXPECT_TRUE(result.body.empty()) << c.what;
        EXPECT_GE(waited, kShortTimeout - 100ms) << c.what;
        EXPECT_LT(waited, kShortTimeout * 4) << c.what;
    }
}

// ---- The check in the program ----

class UpdateCheckerTest : public ::testing::Test {
protected:
    std::unique_ptr<UpdateChecker> MakeChecker(std::u16string address,
                                               std::function<bool()> promptShowing = {}) {
        UpdateChecker::Setup setup;
        setup.address = std::move(address);
        setup.localCopy = folder / "updates.ini";
        setup.owner = nullptr;
        setup.language = [this] { return language; };
        setup.firstRunPromptShowing = std::move(promptShowing);
        setup.fetch =
            std::make_shared<WinInetFetch>(HttpFetchOptions{kShortTimeout, kHttpFetchMaxBytes});
        setup.prompts = [this](HWND) {
            struct Forward final : UpdatePrompts {
                explicit Forward(RecordingUpdatePrompts& to) : to(to) {}
                void ShowNetworkError(std::u16string_view text) override {
                    to.ShowNetworkError(text);
                }
                int ShowDialog(const TaskDialogContent& dialog) override {
                    return to.ShowDialog(dialog);
                }
                void OpenAddress(std::u16string_view address) override { to.OpenAddress(address); }
                void LogFailure(std::u16string_view text) override { to.LogFailure(text); }
                RecordingUpdatePrompts& to;
            };
            return std::make_unique<Forward>(prompts);
        };
        return std::make_unique<UpdateChecker>(std::move(setup));
    }

    // Runs the message loop until the check has answered, as the program's loop would.
    static void PumpUntil(const std::function<bool()>& done,
                          std::chrono::milliseconds limit = 10s) {
        const auto end = Clock::now() + limit;
        while (!done() && Clock::now() < end) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }

    std::optional<bool> CheckNow(UpdateChecker& checker) {
        std::optional<bool> answer;
        checker.CheckNow(nullptr, [&](bool latest) { answer = latest; });
        PumpUntil([&] { return answer.has_value(); });
        return answer;
    }

    testing::ScratchFolder folder;
    RecordingUpdatePrompts prompts;
    Language language = Language::English;
};

TEST_F(UpdateCheckerTest, CheckNowSaysWhenTheLatestVersionRuns) {
    LocalHttpServer server;
    server.ServeBody("\xEF\xBB\xBF" + kLatest);
    const auto checker = MakeChecker(server.Address());
    EXPECT_EQ(CheckNow(*checker), std::optional<bool>(true));
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogs[0].mainInstruction, u"You have the latest version.");
    EXPECT_TRUE(prompts.errors.empty());
    EXPECT_EQ(testing::ReadFileBytes(folder / "updates.ini"),
              testing::Utf16File(u"[traxo]\r\nversion=1.41\r\n"));
}

TEST_F(UpdateCheckerTest, TheRepliesThroughTheRealDownload) {
    struct Case {
        std::string body;
        Language language;
        std::u16string_view content; // of dlgUpdate
        std::u16string_view footer;
    };
    const Case cases[] = {
        {"[traxo]\r\nversion=1.50\r\ndate=2024-05-01\r\ndownload=https://traxo.app/\r\n",
         Language::English, u"unknown",
         u"Update is v. 1.50, released 2024-05-01 - you have v. 1.41"},
        {"[traxo]\r\nversion=1.30\r\ndownload=https://traxo.app/\r\n", Language::English,
         u"unknown", u"Update is v. 1.30, released unknown - you have v. 1.41"},
        {"[traxo]\r\nversion=2\r\ninfo=General\r\ninfo1=\xE4\xB8\xAD\xE6\x96\x87\r\ndownload=https:"
         "//traxo.app/\r\n",
         Language::Chinese, u"中文", u"最新版本是2，发布日期是 unknown——你的版本是1.41。"},
        {"X[traxo]\r\nversion=2\r\ninfo=General\r\ndownload=https://traxo.app/\r\n",
         Language::Chinese, u"General", u"最新版本是2，发布日期是 unknown——你的版本是1.41。"},
    };
    LocalHttpServer server;
    const auto checker = MakeChecker(server.Address());
    for (const Case& c : cases) {
        prompts = RecordingUpdatePrompts(101);
        language = c.language;
        server.ServeBody(c.body);
        EXPECT_EQ(CheckNow(*checker), std::optional<bool>(false)) << c.body;
        ASSERT_EQ(prompts.dialogs.size(), 1u) << c.body;
        EXPECT_EQ(prompts.dialogs[0].content, c.content) << c.body;
        EXPECT_EQ(prompts.dialogs[0].footer, c.footer) << c.body;
        EXPECT_TRUE(prompts.opened.empty());
    }
}

TEST_F(UpdateCheckerTest, NoUsableReplyEndsInTheNetworkError) {
    struct Case {
        const char* what;
        std::function<void(LocalHttpServer&)> serve;
    };
    const Case cases[] = {
        {"empty reply", [](LocalHttpServer& s) { s.ServeBody(""); }},
        {"10 MB reply", [](LocalHttpServer& s) { s.ServeBody(std::string(10 << 20, '[')); }},
        {"missing file", [](LocalHttpServer& s) { s.ServeStatus(404, kLatest); }},
        {"silent server", [](LocalHttpServer& s) { s.Stall(); }},
    };
    for (const Case& c : cases) {
        LocalHttpServer server;
        c.serve(server);
        prompts = RecordingUpdatePrompts();
        const auto checker = MakeChecker(server.Address());
        EXPECT_EQ(CheckNow(*checker), std::optional<bool>(false)) << c.what;
        EXPECT_EQ(
            prompts.errors,
            std::vector<std::u16string>{u"Could not check for updates: check your connection."})
            << c.what;
        EXPECT_TRUE(prompts.dialogs.empty()) << c.what;
    }
    prompts = RecordingUpdatePrompts();
    const std::string noServer =
        "http://127.0.0.1:" + std::to_string(LocalHttpServer::UnusedPort()) + "/updates.ini";
    const auto checker = MakeChecker(std::u16string(noServer.begin(), noServer.end()));
    EXPECT_EQ(CheckNow(*checker), std::optional<bool>(false));
    EXPECT_EQ(prompts.errors.size(), 1u);
}

// The download runs beside the window: while a silent server is waited for, the thread's
// windows answer at once.
TEST_F(UpdateCheckerTest, TheWindowsKeepAnsweringWhileTheServerIsSilent) {
    LocalHttpServer server;
    server.Stall();
    const auto checker = MakeChecker(server.Address());
    std::optional<bool> answer;
    const auto start = Clock::now();
    checker->CheckNow(nullptr, [&](bool latest) { answer = latest; });
    EXPECT_LT(Clock::now() - start, 500ms) << "CheckNow waited for the server";
    EXPECT_TRUE(checker->Busy());
    PumpUntil([&] { return !server.Requests().empty(); });
    DWORD_PTR result = 0;
    EXPECT_NE(SendMessageTimeoutW(checker->hwnd(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 200, &result),
              0);
    EXPECT_FALSE(answer.has_value());
    PumpUntil([&] { return answer.has_value(); });
    EXPECT_EQ(answer, std::optional<bool>(false));
    EXPECT_FALSE(checker->Busy());
    EXPECT_EQ(prompts.errors.size(), 1u);
}

TEST_F(UpdateCheckerTest, ASecondRequestJoinsTheCheckInFlight) {
    LocalHttpServer server;
    server.ServeBody(kLatest);
    const auto checker = MakeChecker(server.Address());
    int answers = 0;
    checker->CheckNow(nullptr, [&](bool latest) { answers += latest ? 1 : 100; });
    checker->CheckNow(nullptr, [&](bool latest) { answers += latest ? 1 : 100; });
    PumpUntil([&] { return answers >= 2; });
    EXPECT_EQ(answers, 2);
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(prompts.dialogs.size(), 1u);
}

TEST_F(UpdateCheckerTest, TheAutomaticCheckWaitsForTheFirstRunPromptAndRunsOnce) {
    LocalHttpServer server;
    server.ServeBody(kLatest);
    bool promptShowing = true;
    const auto checker = MakeChecker(server.Address(), [&] { return promptShowing; });
    EXPECT_FALSE(checker->UpdateTimerTimer());
    EXPECT_FALSE(checker->Busy());
    promptShowing = false;
    EXPECT_TRUE(checker->UpdateTimerTimer());
    EXPECT_TRUE(checker->Busy());
    PumpUntil([&] { return !checker->Busy(); });
    EXPECT_FALSE(checker->UpdateTimerTimer());
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_TRUE(prompts.NothingShown()) << "the automatic check keeps quiet when nothing is new";
}

// ---- Only web addresses are opened, with the real dialog and shell ----

int CountProcesses(const wchar_t* exeName) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        count += lstrcmpiW(entry.szExeFile, exeName) == 0 ? 1 : 0;
    }
    CloseHandle(snapshot);
    return count;
}

// Presses the dialog's only button once it is up, noting the text that names the address.
std::wstring shownContent;
BOOL CALLBACK PressOkButton(HWND child, LPARAM) {
    wchar_t text[512] = L"";
    GetWindowTextW(child, text, 512);
    if (wcsstr(text, L"notepad") != nullptr) {
        shownContent = text;
    }
    if (lstrcmpW(text, L"OK") == 0) {
        PostMessageW(child, BM_CLICK, 0, 0);
    }
    return TRUE;
}

void CALLBACK PressOk(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = FindWindowW(L"#32770", L"Traxo");
    if (dialog == nullptr) {
        return;
    }
    EnumChildWindows(dialog, PressOkButton, 0);
    KillTimer(nullptr, timer);
}

TEST(UpdateCheckerDialogTest, AFileAddressIsShownAndNotOpened) {
    LocalHttpServer server;
    server.ServeBody(
        "[traxo]\r\nversion=9.9\r\ninfo=Big news\r\ndownload=file:///C:/windows/notepad.exe\r\n");
    testing::ScratchFolder folder;
    UpdateChecker::Setup setup;
    setup.address = server.Address();
    setup.localCopy = folder / "updates.ini";
    setup.fetch =
        std::make_shared<WinInetFetch>(HttpFetchOptions{kShortTimeout, kHttpFetchMaxBytes});
    UpdateChecker checker(std::move(setup)); // the real task dialog and shell
    const int notepadsBefore = CountProcesses(L"notepad.exe");
    std::optional<bool> answer;
    shownContent.clear();
    SetTimer(nullptr, 0, 300, PressOk);
    checker.CheckNow(nullptr, [&](bool latest) { answer = latest; });
    const auto end = Clock::now() + 15s;
    while (!answer && Clock::now() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
    EXPECT_EQ(answer, std::optional<bool>(false));
    EXPECT_THAT(shownContent, HasSubstr(L"file:///C:/windows/notepad.exe"));
    Sleep(1000); // a started program would show up by now
    EXPECT_EQ(CountProcesses(L"notepad.exe"), notepadsBefore);
}

} // namespace
} // namespace traxo
