// The set as the main window edits it: loading every file form, saving without ever losing the
// previous file, and the set commands.
#include "sets/SetDocument.h"

#include "SetTestSupport.h"
#include "sets/BPCompress.h"
#include "sets/SetFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace traxo {
namespace {

using ::testing::ElementsAre;
using testing::EmptySet;
using testing::ReadAll;
using testing::ReferenceCompress;
using testing::SameImage;
using testing::SampleSet;
using testing::TemporaryFolder;
using testing::Value;
using testing::WriteAll;
namespace fs = std::filesystem;

// A document over its own set that records the file labels it was asked to show.
struct Fixture {
    explicit Fixture(std::unique_ptr<MotionSet> initial = EmptySet()) : set(std::move(initial)) {}
    std::unique_ptr<MotionSet> set;
    std::vector<std::u16string> labels;
    SetDocument document{*set, [this](std::u16string_view label) { labels.emplace_back(label); }};
};

void WriteOlderFile(const fs::path& file, int motions, std::uintmax_t size) {
    auto older = std::make_unique<LegacyMotionSet>();
    for (int m = 0; m < motions; ++m) {
        older->motions[m].path.points[0].x = 10 + m;
        older->motions[m].path.count = 1;
        older->motions[m].action.Assign(u"@Keys:Alt+F4");
    }
    older->motionCount = motions;
    const auto bytes = ImageBytes(*older);
    WriteAll(file, bytes.first(std::min<std::size_t>(size, bytes.size())));
    fs::resize_file(file, size); // sparse beyond the image
}

TEST(SetDocumentLoad, AFileOfAtMostTheCompressedLimitIsDecompressed) {
    TemporaryFolder folder;
    const auto saved = SampleSet(6, 2);
    WriteAll(folder / "a.mtd", ReferenceCompress(ImageBytes(*saved)));
    fs::resize_file(folder / "a.mtd", 1'800'000);

    Fixture f;
    f.document.MarkModified();
    ASSERT_TRUE(f.document.LoadSet(folder / "a.mtd"));
    EXPECT_TRUE(SameImage(*f.set, *saved));
    EXPECT_FALSE(f.document.IsModified());
    EXPECT_EQ(f.document.currentFileName(), folder / "a.mtd");
    EXPECT_THAT(f.labels, ElementsAre());
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"a.mtd"})); // no temporary file
}

TEST(SetDocumentLoad, AnOlderFileIsConvertedBesideItWhichBecomesCurrent) {
    TemporaryFolder folder;
    WriteOlderFile(folder / "a.mtd", 3, 20'000'000);
    const ByteVector original = ReadAll(folder / "a.mtd");

    Fixture f{SampleSet(8, 4)}; // a previous set with rules and programs
    f.document.MarkModified();
    ASSERT_TRUE(f.document.LoadSet(folder / "a.mtd"));
    EXPECT_THAT(f.labels, ElementsAre(kConvertingLabel));
    // The converted file becomes current, so that the next start does not convert again.
    EXPECT_EQ(f.document.currentFileName(), folder / "a.mtd2");
    EXPECT_FALSE(f.document.IsModified());
    EXPECT_EQ(Value(f.set->motionCount), 3);
    EXPECT_EQ(Value(f.set->knownAppCount), 0);
    for (int m = 0; m < 3; ++m) {
        EXPECT_EQ(f.set->motions[m].ruleCount, 0);
        EXPECT_EQ(Value(f.set->motions[m].path.points[0].x), 10 + m);
        EXPECT_EQ(f.set->motions[m].defaultAction.View(), u"@Keys:Alt+F4");
    }
    EXPECT_EQ(ReadAll(folder / "a.mtd"), original);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"a.mtd", "a.mtd2"}));

    Fixture again;
    ASSERT_TRUE(again.document.loadMotions(folder / "a.mtd2"));
    EXPECT_TRUE(SameImage(*again.set, *f.set));
    EXPECT_THAT(again.labels, ElementsAre());
}

TEST(SetDocumentLoad, AConversionNeverOverwritesAFileTheUserDidNotName) {
    TemporaryFolder folder;
    WriteOlderFile(folder / "a.mtd", 2, 1'900'000);
    WriteAll(folder / "a.mtd2", ByteVector{1, 2, 3});
    WriteAll(folder / "a.mtd3", ByteVector{4, 5});

    Fixture f;
    ASSERT_TRUE(f.document.LoadSet(folder / "a.mtd"));
    EXPECT_EQ(f.document.currentFileName(), folder / "a.mtd4");
    EXPECT_EQ(ReadAll(folder / "a.mtd2"), (ByteVector{1, 2, 3}));
    EXPECT_EQ(ReadAll(folder / "a.mtd3"), (ByteVector{4, 5}));
    Fixture again;
    ASSERT_TRUE(again.document.loadMotions(folder / "a.mtd4"));
    EXPECT_TRUE(SameImage(*again.set, *f.set));
}

TEST(SetDocumentLoad, AFileJustAboveTheCompressedLimitIsAnOlderImage) {
    TemporaryFolder folder;
    WriteOlderFile(folder / "b.mtd", 2, 1'800'001); // the motion count lies beyond the file

    Fixture f;
    ASSERT_TRUE(f.document.loadMotions(folder / "b.mtd"));
    EXPECT_THAT(f.labels, ElementsAre(kConvertingLabel));
    EXPECT_EQ(Value(f.set->motionCount), 0);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"b.mtd", "b.mtd2"}));
}

TEST(SetDocumentLoad, AnUncompressedImageIsReadAndCompressedInPlace) {
    TemporaryFolder folder;
    const auto saved = SampleSet(10, 3);
    WriteAll(folder / "c.mtd", ImageBytes(*saved));

    Fixture f;
    ASSERT_TRUE(f.document.loadMotions(folder / "c.mtd"));
    EXPECT_THAT(f.labels, ElementsAre(kFixingLabel));
    EXPECT_TRUE(SameImage(*f.set, *saved));
    EXPECT_EQ(ReadAll(folder / "c.mtd"), ReferenceCompress(ImageBytes(*saved)));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"c.mtd"}));
}

// 21 MB that are no set (random bytes, or zeros after a text header, as a media file chosen
// through "All Files" might be): loaded as found, never rewritten.
TEST(SetDocumentLoad, AFileOfUncompressedSizeThatIsNoSoundSetIsLeftAsItWas) {
    constexpr std::size_t kSize = 21'000'000;
    ByteVector random(kSize);
    std::uint32_t state = 12345;
    for (std::uint8_t& byte : random) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    ByteVector headed(kSize, 0);
    const std::string header = "RIFF\x10\x00\x00\x00WAVEfmt some media file of no set";
    std::ranges::copy(header, headed.begin());
    for (const ByteVector& bytes : {random, headed}) {
        TemporaryFolder folder;
        WriteAll(folder / "media.mtd", bytes);
        ASSERT_EQ(FormOfFileSize(kSize), SetFileForm::Uncompressed);

        Fixture f;
        f.document.loadMotions(folder / "media.mtd");
        EXPECT_TRUE(ReadAll(folder / "media.mtd") == bytes) << "the file was rewritten";
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"media.mtd"}));
        EXPECT_TRUE(f.labels.empty());
    }
}

TEST(SetDocumentLoad, AFileJustAboveTheOlderLimitIsAnUncompressedImage) {
    TemporaryFolder folder;
    const auto saved = SampleSet(10, 3);
    const auto head = ImageBytes(*saved).first(20'000'001);
    WriteAll(folder / "d.mtd", head);

    Fixture f;
    ASSERT_TRUE(f.document.loadMotions(folder / "d.mtd"));
    EXPECT_EQ(Value(f.set->motionCount), 0); // the counts lie beyond the file
    EXPECT_TRUE(std::ranges::equal(ImageBytes(*f.set).first(head.size()), head));
    // A short image is no sound set: loaded as found, the file left as it was.
    EXPECT_TRUE(f.labels.empty());
    EXPECT_TRUE(std::ranges::equal(ReadAll(folder / "d.mtd"), head));
}

// A file longer than the image is read from its first bytes but never shortened on disk.
TEST(SetDocumentLoad, AFileLargerThanTheImageIsReadButLeftWhole) {
    const auto saved = SampleSet(10, 3);
    for (const std::uintmax_t size :
         {std::uintmax_t{sizeof(MotionSet)} + 1, std::uintmax_t{25'000'000},
          std::uintmax_t{4} << 30}) { // sparse beyond the image
        TemporaryFolder folder;
        WriteAll(folder / "e.mtd", ImageBytes(*saved));
        fs::resize_file(folder / "e.mtd", size);

        Fixture f;
        ASSERT_TRUE(f.document.LoadSet(folder / "e.mtd")) << size;
        EXPECT_TRUE(SameImage(*f.set, *saved)) << size;
        EXPECT_EQ(fs::file_size(folder / "e.mtd"), size);
        EXPECT_EQ(ReadFileBytes(folder / "e.mtd", sizeof(MotionSet)),
                  ByteVector(ImageBytes(*saved).begin(), ImageBytes(*saved).end()));
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"e.mtd"})) << size;
        EXPECT_EQ(f.document.currentFileName(), folder / "e.mtd");
    }
}

TEST(SetDocumentLoad, AMissingFileChangesNothing) {
    TemporaryFolder folder;
    Fixture f{SampleSet(4, 1)};
    f.document.SaveSetAs(folder / "kept.mtd");
    f.document.MarkModified();

    EXPECT_FALSE(f.document.LoadSet(folder / "missing.mtd"));
    EXPECT_TRUE(SameImage(*f.set, *SampleSet(4, 1)));
    EXPECT_EQ(f.document.currentFileName(), folder / "kept.mtd");
    EXPECT_TRUE(f.document.IsModified());
}

TEST(SetDocumentLoad, AFileThatCannotBeDecompressedChangesNothing) {
    TemporaryFolder folder;
    ByteVector damaged = ReferenceCompress(ImageBytes(*SampleSet(2, 2)));
    damaged[damaged.size() / 2] ^= 0x5A;
    WriteAll(folder / "damaged.mtd", damaged);

    Fixture f{SampleSet(4, 1)};
    f.document.SaveSetAs(folder / "kept.mtd");
    f.document.MarkModified();
    try {
        f.document.LoadSet(folder / "damaged.mtd");
        ADD_FAILURE() << "no error";
    } catch (const DecompressionError& e) {
        EXPECT_STREQ(e.what(), "Error");
    }
    EXPECT_TRUE(SameImage(*f.set, *SampleSet(4, 1)));
    EXPECT_EQ(f.document.currentFileName(), folder / "kept.mtd");
    EXPECT_TRUE(f.document.IsModified());
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"damaged.mtd", "kept.mtd"}));
}

TEST(SetDocumentSave, WritesExactlyTheCompressedImageAndClearsTheModifiedFlag) {
    TemporaryFolder folder;
    Fixture f{SampleSet(100, 50)};
    f.document.MarkModified();
    ASSERT_TRUE(f.document.SaveSetAs(folder / "s.mtd"));
    EXPECT_FALSE(f.document.IsModified());
    EXPECT_EQ(f.document.currentFileName(), folder / "s.mtd");
    EXPECT_EQ(ReadAll(folder / "s.mtd"), ReferenceCompress(ImageBytes(*f.set)));

    Fixture loaded;
    ASSERT_TRUE(loaded.document.loadMotions(folder / "s.mtd"));
    EXPECT_TRUE(SameImage(*loaded.set, *f.set));
}

TEST(SetDocumentSave, AnEmptySetRoundTrips) {
    TemporaryFolder folder;
    Fixture f;
    ASSERT_TRUE(f.document.saveMotions(folder / "empty.mtd"));
    Fixture loaded{SampleSet(3, 3)};
    ASSERT_TRUE(loaded.document.loadMotions(folder / "empty.mtd"));
    EXPECT_EQ(Value(loaded.set->motionCount), 0);
    EXPECT_EQ(Value(loaded.set->knownAppCount), 0);
}

TEST(SetDocumentSave, ReplacesAnExistingFileAndLeavesNoTemporaryFile) {
    TemporaryFolder folder;
    WriteAll(folder / "s.mtd", ByteVector(100, 1));
    WriteAll(folder / "s.mtd.0.tmp", ByteVector(3, 2)); // somebody else's file: not touched
    Fixture f{SampleSet(2, 1)};
    ASSERT_TRUE(f.document.saveMotions(folder / "s.mtd"));
    EXPECT_EQ(ReadAll(folder / "s.mtd"), ReferenceCompress(ImageBytes(*f.set)));
    EXPECT_EQ(ReadAll(folder / "s.mtd.0.tmp"), ByteVector(3, 2));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"s.mtd", "s.mtd.0.tmp"}));
}

// Permissions do not stop root, so the failures are made by the names themselves.
TEST(SetDocumentSave, AFailedSaveLeavesThePreviousFileAndReportsFailure) {
    TemporaryFolder folder;
    Fixture f{SampleSet(2, 1)};
    f.document.MarkModified();

    // The new file is written but cannot replace a folder of that name.
    fs::create_directory(folder / "taken.mtd");
    WriteAll(folder / "taken.mtd" / "inside", ByteVector(5, 9));
    EXPECT_FALSE(f.document.SaveSetAs(folder / "taken.mtd"));
    EXPECT_EQ(ReadAll(folder / "taken.mtd" / "inside"), ByteVector(5, 9));

    // The new file cannot be created at all: its name beside the old one is too long.
    const std::string longName(250, 'n');
    WriteAll(folder / longName, ByteVector(7, 3));
    EXPECT_FALSE(f.document.SaveSetAs(folder / longName));
    EXPECT_EQ(ReadAll(folder / longName), ByteVector(7, 3));

    // The folder is a file.
    EXPECT_FALSE(f.document.saveMotions(folder / longName / "x.mtd"));

    EXPECT_EQ(folder.Names(), (std::vector<std::string>{longName, "taken.mtd"}));
    EXPECT_TRUE(f.document.IsModified());
    EXPECT_TRUE(f.document.currentFileName().empty());
}

TEST(SetDocumentCommands, NewSetEmptiesMotionsAndKnownPrograms) {
    TemporaryFolder folder;
    Fixture f{SampleSet(6, 4)};
    ASSERT_TRUE(f.document.SaveSetAs(folder / "s.mtd"));
    f.document.SelectMotion(3);
    f.document.MarkModified();

    f.document.NewSet();
    EXPECT_EQ(Value(f.set->motionCount), 0);
    EXPECT_EQ(Value(f.set->knownAppCount), 0);
    for (int m = 0; m < 6; ++m) {
        EXPECT_TRUE(f.set->motions[m].defaultAction.IsEmpty());
        EXPECT_EQ(f.set->motions[m].ruleCount, 0);
        EXPECT_EQ(Value(f.set->motions[m].path.count), 30); // points are not touched
    }
    EXPECT_TRUE(f.set->motions[0].rules[0].action.IsEmpty());
    for (int a = 0; a < 4; ++a) {
        EXPECT_TRUE(f.set->knownApps[a].path.IsEmpty());
        EXPECT_TRUE(f.set->knownApps[a].title.IsEmpty());
    }
    EXPECT_EQ(f.document.selectedIndex(), -1);
    EXPECT_TRUE(f.document.currentFileName().empty());
    EXPECT_FALSE(f.document.IsModified());
    EXPECT_TRUE(f.document.updateList().entries.empty());
}

// Motions are told apart by their default actions "@Keys:Ctrl+<original index>".
std::vector<std::u16string> Actions(const MotionSet& set) {
    std::vector<std::u16string> actions;
    for (int m = 0; m < set.motionCount; ++m) {
        actions.push_back(set.motions[m].defaultAction.View());
    }
    return actions;
}

TEST(SetDocumentCommands, DeletingTheOnlyGestureLeavesNoSelection) {
    Fixture f{SampleSet(1, 0)};
    f.document.SelectMotion(0);
    f.document.DeleteGesture();
    EXPECT_EQ(Value(f.set->motionCount), 0);
    EXPECT_EQ(f.document.selectedIndex(), -1);
    EXPECT_TRUE(f.document.IsModified());
    EXPECT_EQ(f.document.updateList().selected, -1);
}

TEST(SetDocumentCommands, DeletingTheLastOfSeveralSelectsTheNewLast) {
    Fixture f{SampleSet(3, 0)};
    f.document.SelectMotion(2);
    f.document.DeleteGesture();
    EXPECT_THAT(Actions(*f.set), ElementsAre(u"@Keys:Ctrl+0", u"@Keys:Ctrl+1"));
    EXPECT_EQ(f.document.updateList().selected, 1);
}

TEST(SetDocumentCommands, DeletingTheFirstMovesTheOthersDownAndKeepsTheIndex) {
    Fixture f{SampleSet(3, 2)};
    f.document.SelectMotion(0);
    f.document.DeleteGesture();
    EXPECT_THAT(Actions(*f.set), ElementsAre(u"@Keys:Ctrl+1", u"@Keys:Ctrl+2"));
    EXPECT_EQ(Value(f.set->motions[0].path.points[0].x),
              Value(SampleSet(3, 2)->motions[1].path.points[0].x));
    const GestureList list = f.document.updateList();
    EXPECT_THAT(list.entries, ElementsAre(u"0", u"1"));
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(f.document.selectedIndex(), 0);
}

TEST(SetDocumentCommands, DeletingWithoutASelectionDoesNothing) {
    Fixture f{SampleSet(3, 0)};
    f.document.DeleteGesture();
    EXPECT_EQ(Value(f.set->motionCount), 3);
    EXPECT_FALSE(f.document.IsModified());
}

TEST(SetDocumentCommands, TheGestureListHasOneEntryPerMotionAndKeepsAValidSelection) {
    Fixture f{SampleSet(3, 0)};
    EXPECT_THAT(f.document.updateList().entries, ElementsAre(u"0", u"1", u"2"));

    f.document.SelectMotion(2);
    EXPECT_EQ(f.document.updateList().selected, 2);
    f.set->motionCount = 2; // the selected motion is gone
    EXPECT_EQ(f.document.updateList().selected, -1);
    EXPECT_EQ(f.document.selectedIndex(), -1);

    f.document.SelectMotion(5); // beyond the live motions: ignored
    EXPECT_EQ(f.document.selectedIndex(), -1);
}

} // namespace
} // namespace traxo
