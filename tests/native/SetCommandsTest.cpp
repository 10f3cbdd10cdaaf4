// The save question and Save set / Save as: what is saved, when, and that a refusal or a failed
// save never throws unsaved gestures away.
#include "ui/main/SetCommands.h"

#include "SetTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace traxo {
namespace {

using ::testing::ElementsAre;
using testing::SampleSet;
using testing::TemporaryFolder;
namespace fs = std::filesystem;

// Answers as scripted and notes every call in order.
class ScriptedUi final : public SetCommandsUi {
public:
    SaveChangesAnswer answer = SaveChangesAnswer::Cancel;
    std::optional<fs::path> chosenFile;
    std::vector<std::string> calls;

    SaveChangesAnswer AskSaveChanges() override { return Note("ask", answer); }
    std::optional<fs::path> ChooseSaveFile() override { return Note("choose", chosenFile); }
    void ShowSaveFailed(const fs::path& file) override {
        calls.push_back("failed " + file.filename().string());
    }
    void SetPadIdle() override { calls.push_back("pad idle"); }
    void ShowFileName(const fs::path& file) override {
        calls.push_back("label " + file.filename().string());
    }
    void UpdateButtons() override { calls.push_back("buttons"); }
    void SaveSettings() override { calls.push_back("settings"); }

private:
    template <typename T> T Note(const char* call, T result) {
        calls.emplace_back(call);
        return result;
    }
};

struct Fixture {
    TemporaryFolder folder;
    std::unique_ptr<MotionSet> set = SampleSet(3, 1);
    SetDocument document{*set};
    ScriptedUi ui;
    SetCommands commands{document, ui};
};

TEST(SaveQuestion, IsAskedOnlyForAModifiedSet) {
    Fixture f;
    EXPECT_TRUE(f.commands.ConfirmSaveChanges());
    EXPECT_THAT(f.ui.calls, ElementsAre());
}

TEST(SaveQuestion, CancelStopsTheCallerAndNoSavesNothing) {
    Fixture f;
    f.document.MarkModified();
    f.ui.answer = SaveChangesAnswer::Cancel;
    EXPECT_FALSE(f.commands.ConfirmSaveChanges());
    f.ui.answer = SaveChangesAnswer::No;
    EXPECT_TRUE(f.commands.ConfirmSaveChanges());
    EXPECT_THAT(f.ui.calls, ElementsAre("ask", "ask"));
    EXPECT_TRUE(f.document.IsModified());
    EXPECT_TRUE(f.folder.Names().empty());
}

TEST(SaveQuestion, YesSavesToTheCurrentFile) {
    Fixture f;
    ASSERT_TRUE(f.document.SaveSetAs(f.folder / "set.mtd"));
    f.set->motionCount = 1;
    f.document.MarkModified();
    f.ui.answer = SaveChangesAnswer::Yes;

    EXPECT_TRUE(f.commands.ConfirmSaveChanges());
    EXPECT_THAT(f.ui.calls, ElementsAre("ask", "pad idle", "buttons"));
    EXPECT_FALSE(f.document.IsModified());
    auto reloaded = testing::EmptySet();
    SetDocument(*reloaded).loadMotions(f.folder / "set.mtd");
    EXPECT_EQ(testing::Value(reloaded->motionCount), 1);
}

TEST(SaveQuestion, YesWithoutAFileAsksForOneAndStopsWhenNoneIsChosen) {
    Fixture f;
    f.document.MarkModified();
    f.ui.answer = SaveChangesAnswer::Yes;
    EXPECT_FALSE(f.commands.ConfirmSaveChanges());
    EXPECT_TRUE(f.document.IsModified());

    f.ui.calls.clear();
    f.ui.chosenFile = f.folder / "new.mtd";
    EXPECT_TRUE(f.commands.ConfirmSaveChanges());
    EXPECT_THAT(f.ui.calls,
                ElementsAre("ask", "pad idle", "choose", "label new.mtd", "settings", "buttons"));
    EXPECT_EQ(f.document.currentFileName(), f.folder / "new.mtd");
    EXPECT_FALSE(f.document.IsModified());
}

TEST(SaveQuestion, AFailedSaveStopsTheCallerSoNothingIsLost) {
    Fixture f;
    f.document.MarkModified();
    f.ui.answer = SaveChangesAnswer::Yes;
    f.ui.chosenFile = f.folder / "no such folder" / "x.mtd";
    EXPECT_FALSE(f.commands.ConfirmSaveChanges());
    EXPECT_THAT(f.ui.calls, ElementsAre("ask", "pad idle", "choose", "failed x.mtd", "buttons"));
    EXPECT_TRUE(f.document.IsModified());
    EXPECT_TRUE(f.document.currentFileName().empty()); // a failed Save as keeps the old name
}

// Log-off and shutdown: a modified set is asked about as closing does; a session end that
// cannot wait gets a recovery copy and is never held up.
TEST(SessionEnd, AsksAboutAModifiedSetAndHoldsTheEndUpOnlyOnCancel) {
    struct Case {
        bool modified;
        SaveChangesAnswer answer;
        bool mayEnd;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {false, SaveChangesAnswer::Cancel, true, {}},
        {true, SaveChangesAnswer::Cancel, false, {"ask"}},
        {true, SaveChangesAnswer::No, true, {"ask"}},
        {true, SaveChangesAnswer::Yes, true, {"ask", "pad idle", "buttons"}},
    };
    for (const Case& c : cases) {
        Fixture f;
        ASSERT_TRUE(f.document.SaveSetAs(f.folder / "set.mtd"));
        f.set->motionCount = 1;
        if (c.modified) {
            f.document.MarkModified();
        }
        f.ui.answer = c.answer;
        EXPECT_EQ(f.commands.ConfirmSessionEnd(false, f.folder.path()), c.mayEnd);
        EXPECT_EQ(f.ui.calls, c.calls);
        EXPECT_EQ(f.folder.Names(), (std::vector<std::string>{"set.mtd"}));
    }
}

TEST(SessionEnd, ACriticalEndWritesARecoveryCopyBesideTheSetWithoutAsking) {
    Fixture f;
    ASSERT_TRUE(f.document.SaveSetAs(f.folder / "set.mtd"));
    const ByteVector saved = testing::ReadAll(f.folder / "set.mtd");
    testing::WriteAll(f.folder / "set (recovered).mtd", ByteVector{1});
    f.set->motionCount = 2;
    f.document.MarkModified();

    EXPECT_TRUE(f.commands.ConfirmSessionEnd(true, f.folder / "unused"));
    EXPECT_THAT(f.ui.calls, ElementsAre());
    EXPECT_EQ(testing::ReadAll(f.folder / "set.mtd"), saved);
    EXPECT_EQ(testing::ReadAll(f.folder / "set (recovered).mtd"), ByteVector{1});
    auto recovered = testing::EmptySet();
    ASSERT_TRUE(SetDocument(*recovered).loadMotions(f.folder / "set (recovered 2).mtd"));
    EXPECT_EQ(testing::Value(recovered->motionCount), 2);

    Fixture untitled;
    untitled.document.MarkModified();
    EXPECT_TRUE(untitled.commands.ConfirmSessionEnd(true, untitled.folder.path()));
    EXPECT_EQ(untitled.folder.Names(), (std::vector<std::string>{"Untitled (recovered).mtd"}));
}

TEST(SaveSet, WritesTheCurrentFileWithoutTouchingTheSettings) {
    Fixture f;
    ASSERT_TRUE(f.document.SaveSetAs(f.folder / "set.mtd"));
    f.document.MarkModified();
    EXPECT_TRUE(f.commands.btnSaveClick());
    EXPECT_THAT(f.ui.calls, ElementsAre("pad idle", "buttons"));

    fs::remove(f.folder / "set.mtd");
    fs::create_directory(f.folder / "set.mtd"); // now it cannot be replaced
    f.document.MarkModified();
    f.ui.calls.clear();
    EXPECT_FALSE(f.commands.btnSaveClick());
    EXPECT_THAT(f.ui.calls, ElementsAre("pad idle", "failed set.mtd", "buttons"));
    EXPECT_TRUE(f.document.IsModified());
}

} // namespace
} // namespace traxo
