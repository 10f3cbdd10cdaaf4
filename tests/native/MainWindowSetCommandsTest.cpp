// New set, Load set and Delete gesture as the main window runs them: the question first, what
// a refusal or a failed load keeps, and what the window is told to refresh.
#include "SetTestSupport.h"
#include "ui/main/SetCommands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace traxo {
namespace {

using ::testing::ElementsAre;
using testing::SampleSet;
using testing::TemporaryFolder;
using testing::Value;
namespace fs = std::filesystem;

// Notes every call of the window in order; the hourglass must always come back.
class WindowUi final : public SetCommandsUi {
public:
    SaveChangesAnswer answer = SaveChangesAnswer::Cancel;
    std::optional<fs::path> openFile;
    std::optional<fs::path> saveFile;
    std::vector<std::string> calls;
    int busy = 0;

    SaveChangesAnswer AskSaveChanges() override { return Note("ask", answer); }
    std::optional<fs::path> ChooseSaveFile() override { return Note("choose save", saveFile); }
    std::optional<fs::path> ChooseOpenFile() override { return Note("choose open", openFile); }
    void ShowSaveFailed(const fs::path& file) override {
        calls.push_back("save failed " + file.filename().string());
    }
    void ShowLoadFailed(const fs::path& file) override {
        calls.push_back("load failed " + file.filename().string());
    }
    void SetPadIdle() override { calls.push_back("pad idle"); }
    void ShowFileName(const fs::path& file) override {
        calls.push_back("label " + file.filename().string());
    }
    void UpdateButtons() override { calls.push_back("buttons"); }
    void SaveSettings() override { calls.push_back("settings"); }
    void Busy(bool on) override {
        busy += on ? 1 : -1;
        calls.push_back(on ? "busy" : "normal");
    }
    void ClearPad() override { calls.push_back("clear pad"); }
    void StartPadReminder() override { calls.push_back("reminder"); }
    void RefreshList() override { calls.push_back("list"); }
    void ShowSelectedMotion() override { calls.push_back("show selected"); }
    void GetAppIcons() override { calls.push_back("icons"); }

private:
    template <typename T> T Note(const char* call, T result) {
        calls.emplace_back(call);
        return result;
    }
};

struct Fixture {
    TemporaryFolder folder;
    std::unique_ptr<MotionSet> set = SampleSet(3, 2);
    SetDocument document{*set};
    WindowUi ui;
    SetCommands commands{document, ui};

    // A saved copy of the sample as the current file, then a modification.
    void SavedAndModified(const std::string& name = "set.mtd") {
        ASSERT_TRUE(document.SaveSetAs(folder / name));
        document.MarkModified();
    }
};

TEST(NewSet, CancelKeepsTheSetItsNameAndTheList) {
    Fixture f;
    f.SavedAndModified();
    f.ui.answer = SaveChangesAnswer::Cancel;
    EXPECT_FALSE(f.commands.btnClearClick());
    EXPECT_THAT(f.ui.calls, ElementsAre("ask"));
    EXPECT_EQ(Value(f.set->motionCount), 3);
    EXPECT_EQ(f.document.currentFileName(), f.folder / "set.mtd");
    EXPECT_TRUE(f.document.IsModified());
}

TEST(NewSet, EmptiesMotionsProgramsAndNameAndIdlesThePad) {
    Fixture f;
    f.SavedAndModified();
    f.document.SelectMotion(1);
    f.ui.answer = SaveChangesAnswer::No;
    EXPECT_TRUE(f.commands.btnClearClick());
    EXPECT_THAT(f.ui.calls, ElementsAre("ask", "clear pad", "label ", "list", "buttons", "icons",
                                        "pad idle", "reminder"));
    EXPECT_EQ(Value(f.set->motionCount), 0);
    EXPECT_EQ(Value(f.set->knownAppCount), 0);
    EXPECT_EQ(f.document.selectedIndex(), -1);
    EXPECT_TRUE(f.document.currentFileName().empty());
    EXPECT_FALSE(f.document.IsModified());
}

TEST(LoadSet, CancelInTheQuestionOrTheDialogChangesNothing) {
    Fixture f;
    f.SavedAndModified();
    f.ui.answer = SaveChangesAnswer::Cancel;
    EXPECT_FALSE(f.commands.btnLoadClick());
    EXPECT_THAT(f.ui.calls, ElementsAre("pad idle", "ask"));

    f.ui.calls.clear();
    f.ui.answer = SaveChangesAnswer::No;
    EXPECT_FALSE(f.commands.btnLoadClick());
    EXPECT_THAT(f.ui.calls, ElementsAre("pad idle", "ask", "choose open"));
    EXPECT_EQ(Value(f.set->motionCount), 3);
    EXPECT_TRUE(f.document.IsModified());
}

TEST(LoadSet, AChosenFileBecomesTheSetWithNoMotionSelected) {
    Fixture f;
    ASSERT_TRUE(f.document.SaveSetAs(f.folder / "other.mtd"));
    f.set->motionCount = 1; // differs from the file, but not marked: no question
    f.document.SelectMotion(0);
    f.ui.openFile = f.folder / "other.mtd";

    EXPECT_TRUE(f.commands.btnLoadClick());
    EXPECT_THAT(f.ui.calls, ElementsAre("pad idle", "choose open", "busy", "icons", "normal",
                                        "label other.mtd", "buttons", "list", "settings"));
    EXPECT_EQ(Value(f.set->motionCount), 3);
    EXPECT_EQ(f.document.selectedIndex(), -1);
    EXPECT_EQ(f.document.currentFileName(), f.folder / "other.mtd");
    EXPECT_EQ(f.ui.busy, 0);
}

struct BadFile {
    const char* name;
    std::vector<std::uint8_t> content; // nothing: the file does not exist
    bool exists;
};

class LoadSetFailure : public ::testing::TestWithParam<BadFile> {};

TEST_P(LoadSetFailure, IsReportedAndKeepsTheSetTheNameAndTheLabel) {
    Fixture f;
    ASSERT_TRUE(f.document.SaveSetAs(f.folder / "current.mtd"));
    const fs::path bad = f.folder / "bad.mtd";
    if (GetParam().exists) {
        testing::WriteAll(bad, GetParam().content);
    }
    f.ui.openFile = bad;

    EXPECT_FALSE(f.commands.btnLoadClick());
    EXPECT_THAT(f.ui.calls, ElementsAre("pad idle", "choose open", "busy", "icons", "normal",
                                        "load failed bad.mtd", "label current.mtd", "buttons",
                                        "list", "settings"));
    EXPECT_EQ(Value(f.set->motionCount), 3);
    EXPECT_EQ(f.document.currentFileName(), f.folder / "current.mtd");
    EXPECT_EQ(f.ui.busy, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, LoadSetFailure,
                         ::testing::Values(BadFile{"Missing", {}, false},
                                           BadFile{"NotCompressed",
                                                   {'n', 'o', 't', ' ', 'a', ' ', 's', 'e', 't'},
                                                   true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SaveAs, ShowsTheHourglassOnlyWhileWriting) {
    Fixture f;
    f.ui.saveFile = f.folder / "new.mtd";
    EXPECT_TRUE(f.commands.btnSaveAsClick());
    EXPECT_THAT(f.ui.calls, ElementsAre("pad idle", "choose save", "busy", "normal",
                                        "label new.mtd", "settings", "buttons"));
}

TEST(DeleteGesture, RemovesTheSelectedMotionAndShowsItsNeighbour) {
    Fixture f;
    f.document.SelectMotion(2);
    f.commands.btnDeleteClick();
    EXPECT_THAT(f.ui.calls, ElementsAre("list", "buttons", "show selected"));
    EXPECT_EQ(Value(f.set->motionCount), 2);
    EXPECT_EQ(f.document.selectedIndex(), 1);
    EXPECT_TRUE(f.document.IsModified());
}

} // namespace
} // namespace traxo
