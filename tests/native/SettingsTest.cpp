// The settings file as ReadSettings and SaveSettings see it, through the portable ini store.
#include "platform/Settings.h"

#include "platform/PortableIni.h"
#include "shared/IniStoreTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace traxo::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace std::string_literals;

constexpr std::u16string_view kAppFolder = u"C:\\Traxo\\";

class SettingsTest : public ::testing::Test {
protected:
    std::filesystem::path File() const { return folder_ / "traxo.ini"; }
    void GivenFile(std::u16string_view text) const { WriteFileBytes(File(), Utf16File(text)); }
    void ExpectFile(std::u16string_view text) const {
        EXPECT_EQ(Printable(ReadFileBytes(File())), Printable(Utf16File(text)));
    }
    Settings Read() { return ReadSettings(ini_, kAppFolder); }
    void Save(const Settings& settings) {
        EXPECT_EQ(SaveSettings(ini_, settings, kAppFolder), std::nullopt);
    }

    // Reads a file holding just this section "main".
    Settings ReadMain(std::u16string_view lines) {
        GivenFile(u"[main]\r\n" + std::u16string(lines));
        return Read();
    }

private:
    ScratchFolder folder_;
    PortableIni ini_{File()};
};

TEST_F(SettingsTest, AFreshFileListsTheKeysInWriteOrder) {
    Settings settings;
    settings.motions = u"C:\\Traxo\\sets\\a.mtd";
    settings.excludedPrograms = {u"c:\\games\\a.exe", u"c:\\tools\\b.exe"};
    Save(settings);
    ExpectFile(
        u"[main]\r\nversion=" TRAXO_PROJECT_VERSION
        "\r\nmotions=sets\\a.mtd\r\nactive=1\r\ntutorialPrompt=1\r\n"
        u"showInfo=1\r\nshowTrails=1\r\nautoCheck=1\r\nmouseExMode=0\r\nfastTrails=0\r\n"
        u"recentList=1\r\nlanguage=0\r\nidleTimeout=0\r\ninvoke=1\r\ntail=clBlue\r\n"
        u"recogniser=0\r\n[exclude]\r\nprogram0=c:\\games\\a.exe\r\nprogram1=c:\\tools\\b.exe\r\n");
}

TEST_F(SettingsTest, AMissingFileReadsAsTheDefaultsAndIsCreatedAsUtf16) {
    const Settings settings = Read();
    EXPECT_EQ(settings.motions, u"");
    EXPECT_TRUE(settings.tutorialPrompt);
    EXPECT_TRUE(settings.showInfo);
    EXPECT_TRUE(settings.autoCheck);
    EXPECT_TRUE(settings.recentList);
    EXPECT_TRUE(settings.showTrails);
    EXPECT_FALSE(settings.fastTrails);
    EXPECT_TRUE(settings.active);
    EXPECT_FALSE(settings.mouseExMode);
    EXPECT_EQ(settings.invoke, 1);
    EXPECT_EQ(settings.language, Language::English);
    EXPECT_EQ(settings.idleTimeout, 0);
    EXPECT_EQ(settings.tail, Rgb(0, 0, 255));
    EXPECT_THAT(settings.excludedPrograms, IsEmpty());
    EXPECT_EQ(ReadFileBytes(File()), std::string("\xFF\xFE\r\0\n\0", 6));
}

TEST_F(SettingsTest, WhatIsSavedReadsBackTheSame) {
    Settings saved;
    saved.motions = u"D:\\sets\\mine.mtd";
    saved.tutorialPrompt = false;
    saved.showInfo = false;
    saved.autoCheck = false;
    saved.recentList = false;
    saved.showTrails = false;
    saved.fastTrails = true;
    saved.active = false;
    saved.mouseExMode = true;
    saved.invoke = 4;
    saved.language = Language::Chinese;
    saved.idleTimeout = 150;
    saved.tail = Rgb(0x12, 0x34, 0x56);
    saved.excludedPrograms = {u"c:\\a.exe", u"c:\\\u6e38\u620f\\b.exe"};
    Save(saved);

    const Settings read = Read();
    EXPECT_EQ(read.motions, saved.motions);
    EXPECT_FALSE(read.tutorialPrompt);
    EXPECT_FALSE(read.showInfo);
    EXPECT_FALSE(read.autoCheck);
    EXPECT_FALSE(read.recentList);
    EXPECT_FALSE(read.showTrails);
    EXPECT_TRUE(read.fastTrails);
    EXPECT_FALSE(read.active);
    EXPECT_TRUE(read.mouseExMode);
    EXPECT_EQ(read.invoke, 4);
    EXPECT_EQ(read.language, Language::Chinese);
    EXPECT_EQ(read.idleTimeout, 150);
    EXPECT_EQ(read.tail, saved.tail);
    EXPECT_EQ(read.excludedPrograms, saved.excludedPrograms);
    // The marker is the version the build defines, and nothing written by hand.
    EXPECT_EQ(ReadSettingsVersion(PortableIni(File())), u"" TRAXO_PROJECT_VERSION);
}

TEST_F(SettingsTest, IntegersReadAsDecimalOrHexadecimalAndOtherwiseKeepTheirDefault) {
    EXPECT_EQ(ReadMain(u"idleTimeout=0x20\r\n").idleTimeout, 32);
    EXPECT_EQ(ReadMain(u"idleTimeout=$1F\r\n").idleTimeout, 31);
    EXPECT_EQ(ReadMain(u"invoke=abc\r\n").invoke, 1);
    EXPECT_EQ(ReadMain(u"invoke=0x\r\n").invoke, 1);
    EXPECT_EQ(ReadMain(u"invoke=\r\n").invoke, 1);
    EXPECT_EQ(ReadMain(u"invoke=99999999999\r\n").invoke, 1);
    EXPECT_EQ(ReadMain(u"language=\"1\"\r\n").language, Language::Chinese);
}

// A value outside its range reads as the default, so that the next write heals the file.
TEST_F(SettingsTest, IntegersOutsideTheirRangeReadAsTheDefault) {
    struct Case {
        std::u16string_view line;
        std::int32_t Settings::*field;
        std::int32_t expected;
    };
    const Case cases[] = {
        {u"invoke=-1", &Settings::invoke, 1},
        {u"invoke=5", &Settings::invoke, 1},
        {u"invoke=0", &Settings::invoke, 0},
        {u"invoke=4", &Settings::invoke, 4},
        {u"idleTimeout=-3", &Settings::idleTimeout, 0},
        {u"idleTimeout=9", &Settings::idleTimeout, 0},
        {u"idleTimeout=10", &Settings::idleTimeout, 10},
        {u"idleTimeout=200", &Settings::idleTimeout, 200},
        {u"idleTimeout=201", &Settings::idleTimeout, 0},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        EXPECT_EQ(ReadMain(std::u16string(c.line) + u"\r\n").*c.field, c.expected) << i;
    }
    for (const auto& [line, expected] :
         std::vector<std::pair<std::u16string, Language>>{{u"language=99", Language::English},
                                                          {u"language=-1", Language::English},
                                                          {u"language=1", Language::Chinese}}) {
        EXPECT_EQ(ReadMain(line + u"\r\n").language, expected);
    }
    Save(ReadMain(u"language=99\r\ninvoke=-1\r\n"));
    EXPECT_EQ(Read(), Settings{});
}

TEST_F(SettingsTest, TheRecogniserIsZeroUnlessTheFileChoosesThePreciseOne) {
    for (const auto& [line, expected] :
         std::vector<std::pair<std::u16string, int>>{{u"recogniser=1", 1},
                                                     {u"recogniser=0", 0},
                                                     {u"recogniser=2", 0},
                                                     {u"recogniser=-1", 0},
                                                     {u"recogniser=precise", 0},
                                                     {u"", 0}}) {
        EXPECT_EQ(ReadMain(line + u"\r\n").recogniser, expected);
    }
    Settings settings;
    settings.recogniser = 1;
    Save(settings);
    EXPECT_EQ(Read().recogniser, 1);
}

TEST_F(SettingsTest, BooleansAreIntegersTakenAsTrueWhenNotZero) {
    EXPECT_TRUE(ReadMain(u"fastTrails=2\r\n").fastTrails);
    EXPECT_TRUE(ReadMain(u"mouseExMode=-1\r\n").mouseExMode);
    EXPECT_FALSE(ReadMain(u"showInfo=0x0\r\n").showInfo);
    EXPECT_TRUE(ReadMain(u"active=yes\r\n").active);
    EXPECT_FALSE(ReadMain(u"fastTrails=yes\r\n").fastTrails);
}

TEST_F(SettingsTest, TheTrailColourReadsANameOrANumberAndOtherwiseIsBlue) {
    EXPECT_EQ(ReadMain(u"tail=clRed\r\n").tail, Rgb(255, 0, 0));
    EXPECT_EQ(ReadMain(u"tail=CLLIME\r\n").tail, Rgb(0, 255, 0));
    EXPECT_EQ(ReadMain(u"tail=$00563412\r\n").tail, Rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(ReadMain(u"tail=clBtnFace\r\n").tail, 0xFF00000Fu);
    EXPECT_EQ(ReadMain(u"tail=purple-ish\r\n").tail, Rgb(0, 0, 255));
    EXPECT_EQ(ReadMain(u"tail=\r\n").tail, Rgb(0, 0, 255));

    Settings settings;
    settings.tail = Rgb(0xAB, 0xCD, 0xEF);
    Save(settings);
    EXPECT_EQ(PortableIni(File()).ReadString(u"main", u"tail", u""), u"$00EFCDAB");
}

TEST_F(SettingsTest, ExcludedProgramsAreEveryKeyOfTheSectionInFileOrder) {
    GivenFile(u"[exclude]\r\nzz=c:\\z.exe\r\nprogram0=c:\\a.exe\r\nempty=\r\n");
    EXPECT_THAT(Read().excludedPrograms, ElementsAre(u"c:\\z.exe", u"c:\\a.exe", u""));
}

TEST_F(SettingsTest, SavingReplacesTheExcludedPrograms) {
    GivenFile(u"[exclude]\r\nzz=c:\\z.exe\r\nprogram0=c:\\a.exe\r\n[main]\r\nversion=1.0\r\n");
    Settings settings = Read();
    settings.excludedPrograms = {u"c:\\b.exe"};
    Save(settings);
    EXPECT_THAT(Read().excludedPrograms, ElementsAre(u"c:\\b.exe"));

    settings.excludedPrograms.clear();
    Save(settings);
    EXPECT_THAT(Read().excludedPrograms, IsEmpty());
    EXPECT_EQ(ReadFileBytes(File()).find("e\0x\0c\0l\0u\0d\0e\0"s), std::string::npos);
}

TEST_F(SettingsTest, SavingKeepsThePlaceOfKeysAlreadyInTheFile) {
    GivenFile(u"; settings\r\n[main]\r\ntail=clRed\r\ninvoke=3\r\nversion=1.40\r\n");
    Settings settings = Read();
    settings.invoke = 2;
    Save(settings);
    ExpectFile(u"; settings\r\n[main]\r\ntail=clRed\r\ninvoke=2\r\nversion=" TRAXO_PROJECT_VERSION
               "\r\nmotions=\r\n"
               u"active=1\r\ntutorialPrompt=1\r\nshowInfo=1\r\nshowTrails=1\r\nautoCheck=1\r\n"
               u"mouseExMode=0\r\nfastTrails=0\r\nrecentList=1\r\nlanguage=0\r\nidleTimeout=0\r\n"
               u"recogniser=0\r\n");
}

TEST_F(SettingsTest, TheSetPathIsStoredRelativeToTheProgramFolderOnItsDrive) {
    Settings settings;
    const auto storedMotions = [&](std::u16string_view motions) {
        settings.motions = motions;
        Save(settings);
        return PortableIni(File()).ReadString(u"main", u"motions", u"?");
    };
    EXPECT_EQ(storedMotions(u"C:\\Traxo\\sets\\a.mtd"), u"sets\\a.mtd");
    EXPECT_EQ(storedMotions(u"C:\\Other\\a.mtd"), u"..\\Other\\a.mtd");
    EXPECT_EQ(storedMotions(u"D:\\a.mtd"), u"D:\\a.mtd");
    EXPECT_EQ(storedMotions(u""), u"");
}

TEST_F(SettingsTest, AStoredSetPathIsTakenFromTheProgramFolder) {
    EXPECT_EQ(ReadMain(u"motions=sets\\a.mtd\r\n").motions, u"C:\\Traxo\\sets\\a.mtd");
    EXPECT_EQ(ReadMain(u"motions=..\\Other\\a.mtd\r\n").motions, u"C:\\Other\\a.mtd");
    EXPECT_EQ(ReadMain(u"motions=\\a.mtd\r\n").motions, u"C:\\a.mtd");
    EXPECT_EQ(ReadMain(u"motions=D:\\a.mtd\r\n").motions, u"D:\\a.mtd");
    EXPECT_EQ(ReadMain(u"motions=\r\n").motions, u"");
}

// Written whole: what the key-by-key save would leave, keys the settings do not know kept, and
// the excluded programs never missing from the file at any moment.
TEST_F(SettingsTest, AWholeFileSaveLeavesWhatTheKeyByKeySaveLeaves) {
    const std::u16string_view earlier =
        u"[main]\r\nupdateUrl=http://127.0.0.1:1/\r\nversion=1.40\r\n"
        u"[exclude]\r\nprogram0=c:\\old.exe\r\n[other]\r\nk=v\r\n";
    Settings settings = ReadMain(u"");
    settings.excludedPrograms = {u"c:\\a.exe", u"c:\\b.exe"};
    settings.language = Language::Chinese;
    GivenFile(earlier);
    Save(settings);
    const std::string keyByKey = ReadFileBytes(File());

    GivenFile(earlier);
    EXPECT_EQ(SaveSettingsFile(File(), settings, kAppFolder), std::nullopt);
    EXPECT_EQ(Printable(ReadFileBytes(File())), Printable(keyByKey));
    EXPECT_EQ(Read().excludedPrograms, settings.excludedPrograms);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(File().parent_path()),
                            std::filesystem::directory_iterator()),
              1); // no temporary left
}

TEST(SettingsFailure, AWholeFileThatCannotBeWrittenLeavesWhatIsThere) {
    const ScratchFolder folder;
    const auto file = folder / "traxo.ini";
    std::filesystem::create_directory(file); // a folder in the file's place
    const std::optional<std::u16string> failure = SaveSettingsFile(file, Settings{}, kAppFolder);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(*failure, u"Unable to write to " + file.u16string());
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(SettingsFailure, AFileThatCannotBeWrittenGivesOneMessageWithItsName) {
    const ScratchFolder folder;
    PortableIni ini(folder / "missing" / "traxo.ini");
    Settings settings;
    settings.excludedPrograms = {u"c:\\a.exe"};
    const std::optional<std::u16string> failure = SaveSettings(ini, settings, kAppFolder);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(*failure, u"Unable to write to " + ini.FilePath().u16string());
}

} // namespace
} // namespace traxo::testing
