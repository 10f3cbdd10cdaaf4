// The portable ini store against the system's profile functions: the same operations on the
// same file must give the same answers and the same bytes.
#include "platform/PortableIni.h"
#include "platform/ProfileIni_win.h"
#include "platform/Settings.h"
#include "shared/IniStoreTestSupport.h"

#include <array>
#include <gtest/gtest.h>
#include <random>

namespace traxo::testing {
namespace {

using namespace std::string_literals;

constexpr std::u16string_view kAppFolder = u"C:\\Traxo\\";

// One file written through the portable store, one through the system.
class TwoFiles {
public:
    TwoFiles() : portable_(folder_ / "portable.ini"), system_(folder_ / "system.ini") {}

    void Given(std::string_view bytes) const {
        WriteFileBytes(portable_.FilePath(), bytes);
        WriteFileBytes(system_.FilePath(), bytes);
    }
    PortableIni& Portable() { return portable_; }
    ProfileIni& System() { return system_; }
    std::string PortableBytes() const { return ReadFileBytes(portable_.FilePath()); }
    std::string SystemBytes() const { return ReadFileBytes(system_.FilePath()); }

    void ExpectSameBytes() const {
        EXPECT_EQ(Printable(PortableBytes()), Printable(SystemBytes()));
    }

    void SaveBoth(const Settings& settings) {
        EXPECT_EQ(SaveSettings(portable_, settings, kAppFolder), std::nullopt);
        EXPECT_EQ(SaveSettings(system_, settings, kAppFolder), std::nullopt);
        ExpectSameBytes();
    }

    // Each reads what the other wrote.
    void ExpectEachReadsTheOther(const Settings& settings) {
        ProfileIni systemReader(portable_.FilePath());
        PortableIni portableReader(system_.FilePath());
        EXPECT_EQ(ReadSettings(systemReader, kAppFolder), settings);
        EXPECT_EQ(ReadSettings(portableReader, kAppFolder), settings);
    }

private:
    ScratchFolder folder_;
    PortableIni portable_;
    ProfileIni system_;
};

Settings SomeSettings() {
    Settings settings;
    settings.motions = u"C:\\Traxo\\sets\\\u624b\u52bf.mtd";
    settings.showTrails = false;
    settings.invoke = 3;
    settings.idleTimeout = 20;
    settings.tail = 0xFF00000F;
    settings.excludedPrograms = {u"c:\\games\\a.exe", u"d:\\tools\\b.exe", u"c:\\c.exe"};
    return settings;
}

TEST(ProfileIniMatch, AFreshFile) {
    TwoFiles files;
    const Settings settings = SomeSettings();
    files.SaveBoth(settings);
    EXPECT_TRUE(files.SystemBytes().starts_with("\xFF\xFE[\0m\0a\0i\0n\0]\0"));
    files.ExpectEachReadsTheOther(settings);
}

TEST(ProfileIniMatch, AFileWithTheKeysInAnotherOrder) {
    TwoFiles files;
    files.Given(Utf16File(u"\r\n; kept\r\n[exclude]\r\nold=c:\\old.exe\r\n\r\n[MAIN]\r\n"
                          u"Tail = clRed\r\ninvoke=0x2\r\nunknown=1\r\nVERSION=1.30\r\n\r\n"
                          u"[other]\r\nx=1\r\n"));
    const Settings settings = SomeSettings();
    files.SaveBoth(settings);
    files.ExpectEachReadsTheOther(settings);
}

TEST(ProfileIniMatch, TheExcludedProgramsAreErasedAndRewritten) {
    TwoFiles files;
    Settings settings = SomeSettings();
    files.SaveBoth(settings);
    settings.excludedPrograms = {u"c:\\only.exe"};
    files.SaveBoth(settings);
    files.ExpectEachReadsTheOther(settings);

    settings.excludedPrograms.clear();
    files.SaveBoth(settings);
    files.ExpectEachReadsTheOther(settings);
    EXPECT_EQ(files.SystemBytes().find("e\0x\0c\0l\0u\0d\0e\0"s), std::string::npos);
}

TEST(ProfileIniMatch, AFileThatCannotBeWrittenGivesTheSameMessageShape) {
    const ScratchFolder folder;
    ProfileIni ini(folder / "missing" / "traxo.ini");
    const std::optional<std::u16string> failure = SaveSettings(ini, SomeSettings(), kAppFolder);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(*failure, u"Unable to write to " + ini.FilePath().u16string());
}

// Random files and operations from pieces that exercise the parser and the writer. Written
// values carry no trailing space: the system keeps those in memory until it rereads the file,
// which it does only when the file's time has moved on, so the bytes would depend on timing.
class RandomIni {
public:
    explicit RandomIni(unsigned seed) : random_(seed) {}

    std::u16string File() {
        static constexpr std::array<std::u16string_view, 22> kLines{u"[main]",
                                                                    u"[ Main ]",
                                                                    u"[exclude]",
                                                                    u"\t[EXCLUDE] ",
                                                                    u"[x]y]",
                                                                    u"[bad",
                                                                    u"[]",
                                                                    u"k=v",
                                                                    u"  K = V  ",
                                                                    u"bare",
                                                                    u";c=1",
                                                                    u"=v",
                                                                    u"#h=2",
                                                                    u"k=\"q\"",
                                                                    u"q='a b'",
                                                                    u"program0=c:\\a.exe",
                                                                    u"Program1 = c:\\b.exe",
                                                                    u"version=1.41",
                                                                    u"",
                                                                    u"  ",
                                                                    u"x\v=\fy\x1A",
                                                                    u"k2=\"open"};
        static constexpr std::array<std::u16string_view, 3> kEnds{u"\r\n", u"\n", u"\r"};
        std::u16string text;
        const int lines = Pick(12);
        for (int i = 0; i < lines; ++i) {
            text += kLines[Pick(kLines.size())];
            text += kEnds[Pick(kEnds.size())];
        }
        return text;
    }
    std::u16string_view Section() {
        static constexpr std::array<std::u16string_view, 7> kSections{
            u"main", u"MAIN", u" main\t", u"exclude", u"Exclude", u"x]y", u"new"};
        return kSections[Pick(kSections.size())];
    }
    std::u16string_view Key() {
        static constexpr std::array<std::u16string_view, 9> kKeys{
            u"k", u"K", u" k ", u"bare", u"program0", u"program1", u"new", u";c", u"#h"};
        return kKeys[Pick(kKeys.size())];
    }
    std::u16string_view Value() {
        static constexpr std::array<std::u16string_view, 8> kValues{
            u"v", u"V", u"", u"  lead", u"\"q\"", u"c:\\a.exe", u"a = b", u"\u6c34"};
        return kValues[Pick(kValues.size())];
    }
    std::u16string_view Default() {
        static constexpr std::array<std::u16string_view, 5> kDefaults{u"d", u"", u"d  ", u"'d'",
                                                                      u"   "};
        return kDefaults[Pick(kDefaults.size())];
    }
    int Pick(std::size_t count) { return int(random_() % count); }

private:
    std::mt19937 random_;
};

TEST(ProfileIniMatch, RandomFilesAndOperationsGiveTheSameAnswersAndBytes) {
    RandomIni random(20240611);
    for (int scenario = 0; scenario < 60; ++scenario) {
        TwoFiles files;
        const std::u16string text = random.File();
        files.Given(random.Pick(4) == 0 ? std::string(text.begin(), text.end()) : Utf16File(text));
        for (int step = 0; step < 12; ++step) {
            SCOPED_TRACE(::testing::Message()
                         << "scenario " << scenario << " step " << step
                         << " file before: " << Printable(files.SystemBytes()));
            const std::u16string_view section = random.Section();
            switch (random.Pick(4)) {
            case 0: {
                const std::u16string_view key = random.Key();
                const std::u16string_view value = random.Value();
                EXPECT_EQ(files.Portable().WriteString(section, key, value),
                          files.System().WriteString(section, key, value));
                break;
            }
            case 1:
                EXPECT_EQ(files.Portable().EraseSection(section),
                          files.System().EraseSection(section));
                break;
            case 2: {
                const std::u16string_view key = random.Key();
                const std::u16string_view fallback = random.Default();
                EXPECT_EQ(files.Portable().ReadString(section, key, fallback),
                          files.System().ReadString(section, key, fallback));
                break;
            }
            default:
                EXPECT_EQ(files.Portable().ReadKeyNames(section),
                          files.System().ReadKeyNames(section));
                break;
            }
            files.ExpectSameBytes();
            if (::testing::Test::HasFailure()) {
                return;
            }
        }
    }
}

} // namespace
} // namespace traxo::testing
