// The update check from the downloaded description to what the user sees and what is opened.
#include "ui/update/UpdateCheck.h"

#include "app/UpdateAddress.h"
#include "platform/PortableIni.h"
#include "platform/RecordingHttpFetch.h"
#include "platform/Utf8.h"
#include "shared/IniStoreTestSupport.h"
#include "shared/RecordingUpdatePrompts.h"

#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>

namespace traxo {
namespace {

using ::testing::HasSubstr;
using testing::RecordingUpdatePrompts;
using testing::ScratchFolder;

constexpr int kYes = 100;
constexpr int kNo = 101;

std::string Utf8(std::u16string_view text) {
    return Utf16ToUtf8(text);
}

class UpdateCheckTest : public ::testing::Test {
protected:
    bool Check(const std::string& body, Language language = Language::English, int answer = kYes,
               bool reportLatest = false) {
        fetch.AnswerBody(body);
        return CheckWith(language, answer, reportLatest);
    }
    bool CheckWith(Language language, int answer, bool reportLatest = false) {
        prompts = RecordingUpdatePrompts(answer);
        UpdateCheckRequest request;
        request.localCopy = folder / "updates.ini";
        request.language = language;
        request.reportLatest = reportLatest;
        return HasLatestVersion(fetch, u"http://127.0.0.1:1/updates.ini", request, prompts);
    }

    ScratchFolder folder;
    RecordingHttpFetch fetch;
    RecordingUpdatePrompts prompts;
};

// ---- The replies and what the check makes of them ----

TEST_F(UpdateCheckTest, TheRunningVersionIsTheLatestAndShowsNothing) {
    EXPECT_TRUE(Check("[traxo]\r\nversion=1.41\r\ndownload=https://traxo.app/\r\n"));
    EXPECT_TRUE(prompts.NothingShown());
    EXPECT_THAT(fetch.Requests(), ::testing::ElementsAre(u"http://127.0.0.1:1/updates.ini"));
}

TEST_F(UpdateCheckTest, CheckNowReportsTheLatestVersionInTheUsersLanguage) {
    for (const auto& [language, text, button] :
         {std::tuple{Language::English, u"You have the latest version.", u"OK"},
          std::tuple{Language::Chinese, u"已经是最新版本。", u"好"}}) {
        EXPECT_TRUE(Check("[traxo]\nversion=1.41\n", language, kYes, true));
        ASSERT_EQ(prompts.dialogs.size(), 1u);
        EXPECT_EQ(prompts.dialogs[0].mainInstruction, text);
        EXPECT_EQ(prompts.dialogs[0].buttons, std::vector<std::u16string>{button});
        EXPECT_EQ(prompts.dialogs[0].title, u"Traxo");
        EXPECT_TRUE(prompts.errors.empty());
    }
}

TEST_F(UpdateCheckTest, AnotherVersionWithOnlyADateIsOfferedWithUnknownContent) {
    EXPECT_FALSE(
        Check("[traxo]\r\nversion=1.50\r\ndate=2024-05-01\r\ndownload=https://traxo.app/get\r\n"));
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    const TaskDialogContent& dialog = prompts.dialogs[0];
    EXPECT_EQ(dialog.title, u"Traxo");
    EXPECT_EQ(dialog.icon, TaskDialogIcon::Information);
    EXPECT_EQ(dialog.mainInstruction, u"A Traxo update is available. Do you want to download it?");
    EXPECT_EQ(dialog.content, u"unknown");
    EXPECT_EQ(dialog.footer, u"Update is v. 1.50, released 2024-05-01 - you have v. 1.41");
    EXPECT_EQ(dialog.buttons, (std::vector<std::u16string>{u"Yes", u"No"}));
    EXPECT_EQ(prompts.opened, std::vector<std::u16string>{u"https://traxo.app/get"});
}

TEST_F(UpdateCheckTest, TheChineseDialog) {
    EXPECT_FALSE(Check("[traxo]\nversion=2.0\ndate=2025\ndownload=https://traxo.app/\n",
                       Language::Chinese, kNo));
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogs[0].mainInstruction, u"Traxo有可用更新！你想立刻下载吗？");
    EXPECT_EQ(prompts.dialogs[0].footer, u"最新版本是2.0，发布日期是 2025——你的版本是1.41。");
    EXPECT_EQ(prompts.dialogs[0].buttons, (std::vector<std::u16string>{u"是", u"否"}));
    EXPECT_TRUE(prompts.opened.empty()) << "No opens nothing";
}

// Any text but exactly "1.41" is an update: older versions, other spellings, other case.
TEST_F(UpdateCheckTest, EveryOtherVersionTextIsOffered) {
    for (const char* version : {"1.40", "1.0", "1.410", "v1.41", "1.41a", "0"}) {
        EXPECT_FALSE(Check(std::string("[traxo]\nversion=") + version + "\n")) << version;
        ASSERT_EQ(prompts.dialogs.size(), 1u) << version;
        EXPECT_THAT(Utf8(prompts.dialogs[0].footer), HasSubstr(std::string("v. ") + version + ","));
        EXPECT_TRUE(prompts.errors.empty()) << version;
    }
}

TEST_F(UpdateCheckTest, TheDescriptionInTheUsersLanguage) {
    struct Case {
        const char* keys;
        Language language;
        std::u16string_view content;
    };
    const Case cases[] = {
        {"info=general\ninfo1=中文说明\n", Language::Chinese, u"中文说明"},
        {"info1=中文说明\ninfo=general\n", Language::Chinese, u"中文说明"},
        {"info=general\n", Language::Chinese, u"general"},
        {"info=general\ninfo1=unknown\n", Language::Chinese, u"general"},
        {"info=general\ninfo0=english\ninfo1=中文\n", Language::English, u"english"},
        {"info=general\ninfo1=中文\n", Language::English, u"general"},
        {"info0=english\n", Language::Chinese, u"unknown"},
        {"", Language::English, u"unknown"},
    };
    for (const Case& c : cases) {
        Check(std::string("[traxo]\nversion=9\ndownload=https://x.org/\n") + c.keys, c.language);
        ASSERT_EQ(prompts.dialogs.size(), 1u) << c.keys;
        EXPECT_EQ(prompts.dialogs[0].content, c.content)
            << c.keys << " language " << LanguageNumber(c.language);
    }
}

// The first character goes unless it is "[": a mark or stray byte before the section does not
// hide the description, but a reply that has lost its "[" is not read.
TEST_F(UpdateCheckTest, TheFirstCharacterRule) {
    struct Case {
        std::string body;
        bool parsed;
    };
    const Case cases[] = {
        {"[traxo]\nversion=1.41\n", true},
        {"\xEF\xBB\xBF[traxo]\nversion=1.41\n", true}, // UTF-8 byte-order mark
        {"X[traxo]\nversion=1.41\n", true},
        {"\n[traxo]\nversion=1.41\n", true},
        {"traxo]\nversion=1.41\n", false}, // "t" goes, "raxo]" is no section
        {"XY[traxo]\nversion=1.41\n", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Check(c.body), c.parsed) << testing::Printable(c.body);
        EXPECT_EQ(prompts.logged.size(), c.parsed ? 0u : 1u) << testing::Printable(c.body);
    }
}

TEST_F(UpdateCheckTest, WhatEndsInTheNetworkError) {
    const HttpFetchResult failures[] = {
        {HttpFetchStatus::Ok, ""},
        {HttpFetchStatus::Ok, "<html>Not found</html>"},
        {HttpFetchStatus::Ok, "[other]\nversion=1.50\n"},
        {HttpFetchStatus::Ok, "[traxo]\nversion=-1\n"},
        {HttpFetchStatus::Ok, "[traxo]\ndownload=https://x.org/\n"},
        {HttpFetchStatus::OpenFailed, ""},
        {HttpFetchStatus::NoSession, ""},
        // A failed fetch is failed whatever it got before the failure.
        {HttpFetchStatus::TooLarge, "[traxo]\nversion=1.50\n"},
        {HttpFetchStatus::ReadFailed, "[traxo]\nversion=1.41\n"},
        {HttpFetchStatus::BadStatus, "[traxo]\nversion=1.41\n"},
    };
    for (Language language : kLanguages) {
        for (const HttpFetchResult& failure : failures) {
            fetch.Answer(failure);
            EXPECT_FALSE(CheckWith(language, kYes, true)) << testing::Printable(failure.body);
            EXPECT_EQ(prompts.errors, std::vector<std::u16string>{NetworkErrorText(language)});
            EXPECT_TRUE(prompts.dialogs.empty());
            EXPECT_TRUE(prompts.opened.empty());
        }
    }
    EXPECT_EQ(NetworkErrorText(Language::English),
              u"Could not check for updates: check your connection.");
    EXPECT_EQ(NetworkErrorText(Language::Chinese), u"无法检查更新：请检查网络连接。");
}

// A start without a network: the automatic check logs its failure and shows nothing.
TEST_F(UpdateCheckTest, TheAutomaticCheckThatFailsOnlyLogs) {
    for (const HttpFetchResult& failure : {HttpFetchResult{HttpFetchStatus::OpenFailed, ""},
                                           HttpFetchResult{HttpFetchStatus::Ok, ""}}) {
        fetch.Answer(failure);
        EXPECT_FALSE(CheckWith(Language::Chinese, kYes, false));
        EXPECT_TRUE(prompts.NothingShown());
        ASSERT_EQ(prompts.logged.size(), 1u);
        EXPECT_NE(prompts.logged[0].find(u"Could not check for updates"), std::u16string::npos);
    }
}

// ---- The local copy ----

TEST_F(UpdateCheckTest, TheReplyIsKeptAsUtf16WithoutItsFirstCharacter) {
    Check("\xEF\xBB\xBF[traxo]\r\nversion=1.41\r\ninfo1=新\r\n");
    EXPECT_EQ(testing::ReadFileBytes(folder / "updates.ini"),
              testing::Utf16File(u"[traxo]\r\nversion=1.41\r\ninfo1=新\r\n"));
}

TEST_F(UpdateCheckTest, AnOldCopyIsNotTakenForTheReply) {
    testing::WriteFileBytes(folder / "updates.ini",
                            testing::Utf16File(u"[traxo]\r\nversion=1.41\r\n"));
    fetch.Answer({HttpFetchStatus::OpenFailed, ""});
    EXPECT_FALSE(CheckWith(Language::English, kYes));
    EXPECT_EQ(prompts.logged.size(), 1u);
    EXPECT_EQ(testing::ReadFileBytes(folder / "updates.ini"), "\xFF\xFE");
}

TEST_F(UpdateCheckTest, AFolderThatCannotBeWrittenStillGetsTheAnswer) {
    fetch.AnswerBody("[traxo]\nversion=1.41\n");
    prompts = RecordingUpdatePrompts();
    UpdateCheckRequest request;
    request.localCopy = folder / "no such folder" / "updates.ini";
    EXPECT_TRUE(HasLatestVersion(fetch, u"http://127.0.0.1:1/", request, prompts));
    EXPECT_TRUE(prompts.NothingShown());
}

// The reply is read from memory: with nowhere at all to keep a copy, the answer still comes.
TEST_F(UpdateCheckTest, TheReplyIsReadFromMemoryNotFromTheCopy) {
    const char* const previous = std::getenv("TMPDIR");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("TMPDIR", (folder / "no such folder").string().c_str(), 1);
    fetch.AnswerBody("[traxo]\nversion=1.41\n");
    prompts = RecordingUpdatePrompts();
    UpdateCheckRequest request;
    request.localCopy = folder / "no such folder" / "updates.ini";
    request.reportLatest = true;
    const bool latest = HasLatestVersion(fetch, u"http://127.0.0.1:1/", request, prompts);
    previous != nullptr ? setenv("TMPDIR", saved.c_str(), 1) : unsetenv("TMPDIR");
    EXPECT_TRUE(latest);
    EXPECT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(UpdateCheckTest, TextThatIsNotUtf8ComesThroughTheCodePage) {
    fetch.AnswerBody("[traxo]\nversion=2\ninfo=\xC4\xE3\xBA\xC3\n"); // GBK, not UTF-8
    prompts = RecordingUpdatePrompts(kNo);
    UpdateCheckRequest request;
    request.localCopy = folder / "updates.ini";
    std::string decoded;
    request.codePage = [&](std::string_view bytes) {
        decoded = bytes;
        return std::u16string(u"[traxo]\nversion=2\ninfo=你好\ndownload=https://x.org/\n");
    };
    HasLatestVersion(fetch, u"http://127.0.0.1:1/", request, prompts);
    EXPECT_EQ(decoded, "[traxo]\nversion=2\ninfo=\xC4\xE3\xBA\xC3\n");
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogs[0].content, u"你好");
    EXPECT_EQ(Latin1Text("a\xE9"), u"a\u00E9");
}

// ---- Only web addresses are opened ----

TEST_F(UpdateCheckTest, OnlyWebAddressesReachTheShell) {
    struct Case {
        const char* download;
        bool web;
    };
    const Case cases[] = {
        {"https://traxo.app/download", true},
        {"http://traxo.app/", true},
        {"HTTPS://traxo.app/", true},
        {"file:///C:/windows/notepad.exe", false},
        {"C:\\windows\\notepad.exe", false},
        {"notepad.exe", false},
        {"\\\\server\\share\\setup.exe", false},
        {"javascript:alert(1)", false},
        {"https://", false},
        {"httpx://traxo.app/", false},
        {"unknown", false}, // no download key
    };
    for (const Case& c : cases) {
        std::string body = "[traxo]\nversion=1.50\ninfo=New\n";
        if (std::string_view(c.download) != "unknown") {
            body += std::string("download=") + c.download + "\n";
        }
        for (const int answer : {kYes, kNo, 102, 2}) {
            Check(body, Language::English, answer);
            ASSERT_EQ(prompts.dialogs.size(), 1u) << c.download;
            const TaskDialogContent& dialog = prompts.dialogs[0];
            const bool opens = c.web && answer != kNo;
            EXPECT_EQ(prompts.opened.size(), opens ? 1u : 0u) << c.download << " answer " << answer;
            if (!c.web) {
                EXPECT_EQ(dialog.buttons, std::vector<std::u16string>{u"OK"}) << c.download;
                EXPECT_EQ(dialog.mainInstruction, u"A Traxo update is available.");
                EXPECT_EQ(Utf8(dialog.content),
                          std::string("New\n\nDownload it from: ") + c.download);
            }
        }
    }
}

// ---- Where the check asks, and when it runs by itself ----

TEST(UpdateAddressTest, TheSettingPointsTheCheckElsewhereOnlyWhenPresent) {
    ScratchFolder folder;
    const auto file = folder / "traxo.ini";
    struct Case {
        std::u16string_view fileText; // empty: no file
        std::u16string_view address;
    };
    const Case cases[] = {
        {u"", kUpdateAddress},
        {u"[main]\r\nlanguage=1\r\n", kUpdateAddress},
        {u"[main]\r\nupdateUrl=\r\n", kUpdateAddress},
        {u"[main]\r\nupdateUrl=http://127.0.0.1:8080/updates.ini\r\n",
         u"http://127.0.0.1:8080/updates.ini"},
        {u"[exclude]\r\nupdateUrl=http://127.0.0.1/\r\n", kUpdateAddress},
        {u"[main]\r\nupdateUrl=HTTPS://mirror.example/u.ini\r\n", u"HTTPS://mirror.example/u.ini"},
        // Only http and https: nothing that reads a file or reaches another service.
        {u"[main]\r\nupdateUrl=file:///C:/Windows/win.ini\r\n", kUpdateAddress},
        {u"[main]\r\nupdateUrl=ftp://127.0.0.1/updates.ini\r\n", kUpdateAddress},
        {u"[main]\r\nupdateUrl=C:\\updates.ini\r\n", kUpdateAddress},
        {u"[main]\r\nupdateUrl=httpx://127.0.0.1/\r\n", kUpdateAddress},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(file);
        if (!c.fileText.empty()) {
            testing::WriteFileBytes(file, testing::Utf16File(c.fileText));
        }
        EXPECT_EQ(UpdateAddress(PortableIni(file)), c.address) << Utf8(c.fileText);
    }
    EXPECT_EQ(kUpdateAddress, u"https://traxo.app/updates.ini");
}

TEST(UpdateTimerGateTest, WaitsForTheFirstRunPromptThenRunsOnce) {
    UpdateTimerGate gate;
    EXPECT_FALSE(gate.Tick(true));
    EXPECT_FALSE(gate.Tick(true));
    EXPECT_FALSE(gate.Finished());
    EXPECT_TRUE(gate.Tick(false));
    EXPECT_TRUE(gate.Finished());
    EXPECT_FALSE(gate.Tick(false));
    EXPECT_FALSE(gate.Tick(true));
}

// A server that trickles its reply holds each read for less than the time-out, but the fetch as
// a whole ends by its deadline.
TEST(HttpFetchDeadline, EachWaitIsCutToWhatIsLeftAndNoneFollowsTheDeadline) {
    using namespace std::chrono_literals;
    const std::chrono::steady_clock::time_point start{};
    const auto deadline = start + kHttpFetchDeadline;
    struct Case {
        std::chrono::steady_clock::duration elapsed;
        std::chrono::milliseconds limit;
    };
    const Case cases[] = {
        {0ms, kHttpFetchTimeout},
        {14s, kHttpFetchTimeout},
        {20s, 10000ms},
        {29999ms, 1ms},
        {29999500us, 1ms},
        {30s, 0ms},
        {31s, 0ms},
        {24h, 0ms},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NextWaitLimit(start + c.elapsed, deadline, kHttpFetchTimeout), c.limit)
            << std::chrono::duration_cast<std::chrono::milliseconds>(c.elapsed).count();
    }
    EXPECT_EQ(kHttpFetchDeadline, 30s);
}

} // namespace
} // namespace traxo
