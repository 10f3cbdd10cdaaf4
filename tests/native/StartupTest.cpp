// Where the program finds itself, and the hook library file it provides next to itself.
#include "app/Startup.h"

#include "SetTestSupport.h"

#include <gtest/gtest.h>

namespace traxo {
namespace {

using testing::ReadAll;
using testing::TemporaryFolder;
using testing::WriteAll;

TEST(AppFolder, IsThePathUpToTheLastBackslashOrColon) {
    EXPECT_EQ(AppFolderOf(u"C:\\Program Files\\Traxo\\Traxo.exe"), u"C:\\Program Files\\Traxo\\");
    EXPECT_EQ(ExeNameOf(u"C:\\Program Files\\Traxo\\Traxo.exe"), u"Traxo.exe");
    EXPECT_EQ(AppFolderOf(u"C:Traxo.exe"), u"C:\\");
    EXPECT_EQ(ExeNameOf(u"C:Traxo.exe"), u"Traxo.exe");
    EXPECT_EQ(AppFolderOf(u"\\\\server\\share\\t.exe"), u"\\\\server\\share\\");
    EXPECT_EQ(AppFolderOf(u"Traxo.exe"), u"\\");
    EXPECT_EQ(ExeNameOf(u"Traxo.exe"), u"Traxo.exe");
}

class HookLibraryFile : public ::testing::Test {
protected:
    TemporaryFolder folder;
    std::filesystem::path library = folder / "MouseCore.dll";
    const std::vector<std::uint8_t> ownCopy{'M', 'Z', 1, 2, 3, 4};
    const std::vector<std::uint8_t> other{'o', 'l', 'd'};
};

TEST_F(HookLibraryFile, IsWrittenWhenMissingWhateverTheVersion) {
    EXPECT_EQ(ProvideHookLibraryFile(library, u"1.41", ownCopy), HookLibraryFileState::Written);
    EXPECT_EQ(ReadAll(library), ownCopy);
    std::filesystem::remove(library);
    EXPECT_EQ(ProvideHookLibraryFile(library, u"", ownCopy), HookLibraryFileState::Written);
    EXPECT_EQ(ReadAll(library), ownCopy);
}

TEST_F(HookLibraryFile, IsKeptOnlyWhenTheSettingsWereWrittenByThisVersion) {
    WriteAll(library, other);
    EXPECT_EQ(ProvideHookLibraryFile(library, u"1.41", ownCopy), HookLibraryFileState::Kept);
    EXPECT_EQ(ReadAll(library), other);

    for (const std::u16string_view version : {u"1.40", u"1.41 ", u"", u"1.410"}) {
        WriteAll(library, other);
        EXPECT_EQ(ProvideHookLibraryFile(library, version, ownCopy), HookLibraryFileState::Written);
        EXPECT_EQ(ReadAll(library), ownCopy);
    }
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"MouseCore.dll"})); // no temporary left
}

TEST_F(HookLibraryFile, ThatCannotBeWrittenLeavesWhatIsThereUntouched) {
    // A folder of the library's name can be neither used nor replaced.
    std::filesystem::create_directory(library);
    WriteAll(library / "inside", other);
    EXPECT_EQ(ProvideHookLibraryFile(library, u"1.41", ownCopy), HookLibraryFileState::WriteRefused);
    EXPECT_EQ(ReadAll(library / "inside"), other);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"MouseCore.dll"}));

    const auto missingFolder = folder / "gone" / "MouseCore.dll";
    EXPECT_EQ(ProvideHookLibraryFile(missingFolder, u"", ownCopy), HookLibraryFileState::WriteRefused);
}

// Gestures that are off for want of the hook library are explained once, in plain words.
TEST(HookLibraryNotice, SaysWhyGesturesAreOffAndWhatToDo) {
    using State = HookLibraryFileState;
    for (const State state : {State::Kept, State::Written, State::WriteRefused}) {
        EXPECT_EQ(HookLibraryNotice(state, true, u"C:\\Tools\\"), std::nullopt);
    }
    const auto readOnly =
        HookLibraryNotice(State::WriteRefused, false, u"C:\\Program Files\\Traxo\\");
    ASSERT_TRUE(readOnly.has_value());
    for (const std::u16string_view part :
         {u"Mouse gestures are off.", u"MouseCore.dll", u"C:\\Program Files\\Traxo\\", u"read-only",
          u"Move Traxo to a folder of your own"}) {
        EXPECT_NE(readOnly->find(part), std::u16string::npos);
    }
    const auto unloadable = HookLibraryNotice(State::Written, false, u"D:\\T\\");
    ASSERT_TRUE(unloadable.has_value());
    EXPECT_NE(unloadable->find(u"could not be loaded"), std::u16string::npos);
    EXPECT_EQ(unloadable->find(u"read-only"), std::u16string::npos);
}

} // namespace
} // namespace traxo
