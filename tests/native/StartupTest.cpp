// Where the program finds itself, and the hook library file it provides next to itself.
#include "app/Startup.h"

#include "SetTestSupport.h"
#include "sets/FileBytes.h"

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
    ProvidedHookLibrary Provide() { return ProvideHookLibraryFile(library, ownCopy, replace); }
    // Each write the provider asks for, carried out unless the file is one still held loaded.
    std::error_code Replace(const std::filesystem::path& file,
                            std::span<const std::uint8_t> bytes) {
        writes.push_back(file.filename().string());
        if (file == library && libraryHeldLoaded) {
            return std::make_error_code(std::errc::permission_denied);
        }
        return WriteFileReplacing(file, bytes);
    }

    TemporaryFolder folder;
    std::filesystem::path library = folder / "MouseCore.dll";
    const std::vector<std::uint8_t> ownCopy{'M', 'Z', 1, 2, 3, 4};
    const std::vector<std::uint8_t> other{'o', 'l', 'd'};
    bool libraryHeldLoaded = false;
    std::vector<std::string> writes;
    const FileReplacer replace = [this](const auto& file, auto bytes) {
        return Replace(file, bytes);
    };
};

TEST_F(HookLibraryFile, IsWrittenWhenMissing) {
    const ProvidedHookLibrary provided = Provide();
    EXPECT_EQ(provided.state, HookLibraryFileState::Written);
    EXPECT_EQ(provided.file, library);
    EXPECT_EQ(ReadAll(library), ownCopy);
}

TEST_F(HookLibraryFile, IsKeptUnwrittenOnlyWhenItHoldsTheOwnCopyExactly) {
    WriteAll(library, ownCopy);
    EXPECT_EQ(Provide().state, HookLibraryFileState::Kept);
    EXPECT_TRUE(writes.empty());
    EXPECT_EQ(Provide().file, library);
}

// Whatever the settings say: a foreign file of the same size, a truncated or a longer copy.
TEST_F(HookLibraryFile, ThatDiffersIsReplaced) {
    const std::vector<std::vector<std::uint8_t>> differing = {
        other, {'M', 'Z', 1, 2, 3, 5}, {'M', 'Z', 1}, {}, {'M', 'Z', 1, 2, 3, 4, 0}};
    for (const auto& content : differing) {
        WriteAll(library, content);
        const ProvidedHookLibrary provided = Provide();
        EXPECT_EQ(provided.state, HookLibraryFileState::Written);
        EXPECT_EQ(provided.file, library);
        EXPECT_EQ(ReadAll(library), ownCopy);
    }
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"MouseCore.dll"})); // no temporary left
}

// Other programs still hold the old library loaded: the own copy goes beside it, once.
TEST_F(HookLibraryFile, HeldLoadedAndDifferentIsLeftAndTheCopyBesideIsLoaded) {
    WriteAll(library, other);
    libraryHeldLoaded = true;
    const ProvidedHookLibrary provided = Provide();
    EXPECT_EQ(provided.state, HookLibraryFileState::Written);
    ASSERT_NE(provided.file, library);
    EXPECT_EQ(provided.file.parent_path(), library.parent_path());
    EXPECT_EQ(ReadAll(provided.file), ownCopy);
    EXPECT_EQ(ReadAll(library), other);

    writes.clear();
    const ProvidedHookLibrary again = Provide();
    EXPECT_EQ(again.state, HookLibraryFileState::Kept);
    EXPECT_EQ(again.file, provided.file);
    EXPECT_EQ(writes, std::vector<std::string>{"MouseCore.dll"}); // the copy beside is reused
    EXPECT_EQ(folder.Names().size(), 2u);
}

TEST_F(HookLibraryFile, ThatCannotBeHadLeavesNothingToLoadAndWhatIsThereUntouched) {
    // A folder of the library's name can be neither used nor replaced.
    std::filesystem::create_directory(library);
    WriteAll(library / "inside", other);
    const ProvidedHookLibrary provided = Provide();
    EXPECT_EQ(provided.state, HookLibraryFileState::WriteRefused);
    EXPECT_TRUE(provided.file.empty());
    EXPECT_EQ(ReadAll(library / "inside"), other);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"MouseCore.dll"}));

    library = folder / "gone" / "MouseCore.dll";
    EXPECT_EQ(Provide().state, HookLibraryFileState::WriteRefused);
    EXPECT_TRUE(Provide().file.empty());
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
