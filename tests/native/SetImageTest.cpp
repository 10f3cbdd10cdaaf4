// The set image's memory: a new set touches no page, loading writes only the pages that receive
// data, saving reads only the pages that may hold some, and the files stay zlib's whole-image
// stream byte for byte.
#include "sets/SetImage.h"

#include "SetTestSupport.h"
#include "platform/ZeroPages.h"
#include "sets/SetDocument.h"
#include "sets/SetFile.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace traxo {
namespace {

using testing::SameImage;
using testing::SampleSet;
using testing::Utf16;
using testing::Value;

std::size_t PagesThatMay(const MotionSet& set) {
    const std::vector<bool> pages = PagesThatMayHoldData(&set, sizeof(MotionSet));
    return static_cast<std::size_t>(std::ranges::count(pages, true));
}

std::size_t PagesHoldingData(const MotionSet& set) {
    const auto image = ImageBytes(set);
    std::size_t count = 0;
    for (std::size_t at = 0; at < image.size(); at += ZeroPageSize()) {
        const auto page = image.subspan(at, std::min(ZeroPageSize(), image.size() - at));
        count += std::ranges::any_of(page, [](std::uint8_t b) { return b != 0; }) ? 1 : 0;
    }
    return count;
}

ByteVector Compressed(const MotionSet& set) {
    ByteVector packed;
    CompressStream(ImageBytes(set), packed);
    return packed;
}

// What the compressor is handed, gathered in one buffer.
ByteVector ReadThrough(const PieceReader& read, std::size_t size) {
    ByteVector bytes;
    while (bytes.size() < size) {
        const auto piece = read(bytes.size());
        EXPECT_FALSE(piece.empty());
        bytes.insert(bytes.end(), piece.begin(), piece.end());
    }
    return bytes;
}

TEST(SetImage, ANewSetIsEmptyAndTouchesNoPage) {
    const auto set = NewMotionSet();
    EXPECT_EQ(PagesThatMay(*set), 0u);
    set->motions[3].defaultAction.Assign(u"@Keys:Ctrl+W");
    EXPECT_EQ(PagesThatMay(*set), 1u);
    EXPECT_EQ(Value(set->motionCount), 0);
    EXPECT_EQ(Value(set->knownAppCount), 0);
    EXPECT_EQ(PagesHoldingData(*set), 1u);
}

TEST(SetImage, LoadingWritesOnlyThePagesThatReceiveData) {
    const auto saved = SampleSet(40, 12);
    const auto set = NewMotionSet();
    EXPECT_TRUE(DecodeSetContent(SetFileForm::Compressed, Compressed(*saved), *set).empty());
    EXPECT_EQ(PagesThatMay(*set), PagesHoldingData(*saved));
    EXPECT_TRUE(SameImage(*set, *saved));
}

TEST(SetImage, ASmallerSetLoadedOverALargerOneLeavesNothingOfIt) {
    const auto set = NewMotionSet();
    DecodeSetContent(SetFileForm::Compressed, Compressed(*SampleSet(60, 30)), *set);
    const auto smaller = SampleSet(2, 1);
    EXPECT_TRUE(DecodeSetContent(SetFileForm::Compressed, Compressed(*smaller), *set).empty());
    EXPECT_TRUE(SameImage(*set, *smaller));

    const auto uncompressed = SampleSet(1, 0);
    EXPECT_TRUE(
        DecodeSetContent(SetFileForm::Uncompressed, ImageBytes(*uncompressed), *set).empty());
    EXPECT_TRUE(SameImage(*set, *uncompressed));
}

// The stream breaks off after it has filled pages that were empty and overwritten pages that
// held data: all of them are put back.
TEST(SetImage, AFailedLoadPutsBackEveryPageItWrote) {
    const auto set = NewMotionSet();
    DecodeSetContent(SetFileForm::Compressed, Compressed(*SampleSet(3, 1)), *set);
    const auto before = SampleSet(3, 1);
    const std::size_t pagesBefore = PagesThatMay(*set);

    auto larger = SampleSet(90, 40);
    larger->motions[0].defaultAction.Assign(u"something else");
    ByteVector damaged = Compressed(*larger);
    damaged.resize(damaged.size() - 8);
    EXPECT_THROW(DecodeSetContent(SetFileForm::Compressed, damaged, *set), DecompressionError);
    EXPECT_GT(PagesThatMay(*set), pagesBefore); // the stream did reach new pages
    EXPECT_TRUE(SameImage(*set, *before));
}

TEST(SetImage, SavedFilesAreZlibsStreamOfTheWholeImage) {
    testing::TemporaryFolder folder;
    const auto set = NewMotionSet();
    for (int m = 0; m < 100; m += 9) {
        set->motions[m].defaultAction.Assign(Utf16("@Keys:Ctrl+" + std::to_string(m)));
        set->motions[m].rules[m].action.Assign(u"@Keystrokes:x");
    }
    set->knownApps[200].title.Assign(u"the last slot");
    set->motionCount = 100;
    set->motions[27].rules[50].action.Clear(); // a page written with zeros only
    const std::size_t pagesBefore = PagesThatMay(*set);

    ASSERT_FALSE(WriteSetFile(*set, folder / "set.mtd"));
    EXPECT_EQ(PagesThatMay(*set), pagesBefore) << "saving read pages that never held data";
    EXPECT_EQ(testing::ReadAll(folder / "set.mtd"), testing::ReferenceCompress(ImageBytes(*set)));
}

TEST(SetImage, TheReaderHandsOutTheImageWithZerosForPagesThatNeverHeldData) {
    const auto set = NewMotionSet();
    set->motions[50].path.points[0].x = 7;
    set->knownAppCount = 1; // the last bytes of the image
    const auto bytes = ReadThrough(ImageReader(ImageBytes(*set)), sizeof(MotionSet));
    EXPECT_TRUE(std::ranges::equal(bytes, ImageBytes(*set)));
}

TEST(SetImage, TheWriterTakesPiecesOfAnySize) {
    const auto saved = SampleSet(12, 5);
    const auto set = NewMotionSet();
    DecodeSetContent(SetFileForm::Compressed, Compressed(*SampleSet(30, 10)), *set);
    ImageWriter writer(ImageBytes(*set));
    const auto content = ImageBytes(*saved).first(sizeof(Motion) * 12 + 1001);
    for (std::size_t at = 0; at < content.size(); at += 1237) {
        writer.Write(content.subspan(at, std::min<std::size_t>(1237, content.size() - at)));
    }
    writer.ZeroRest();
    EXPECT_EQ(writer.written(), content.size());
    EXPECT_TRUE(std::ranges::equal(ImageBytes(*set).first(content.size()), content));
    EXPECT_TRUE(std::ranges::all_of(ImageBytes(*set).subspan(content.size()),
                                    [](std::uint8_t b) { return b == 0; }));
}

// Deleting the first of many motions moves every record after it down a slot, whole.
TEST(SetImage, DeletingAMotionMovesTheRecordsButTouchesNoEmptyPage) {
    const auto set = NewMotionSet();
    DecodeSetContent(SetFileForm::Compressed, Compressed(*SampleSet(60, 20)), *set);
    const std::size_t pagesBefore = PagesThatMay(*set);
    SetDocument document(*set);
    document.SelectMotion(0);
    document.DeleteGesture();
    // The pages that held data, and those the moved records now reach: not the whole tail of
    // the image. Looked at first, as comparing reads every page.
    const std::size_t pagesAfter = PagesThatMay(*set);

    const auto expected = SampleSet(60, 20);
    std::memmove(&expected->motions[0], &expected->motions[1], sizeof(Motion) * 59);
    expected->motionCount = 59;
    EXPECT_LE(pagesAfter, pagesBefore + PagesHoldingData(*expected));
    EXPECT_TRUE(SameImage(*set, *expected));
}

} // namespace
} // namespace traxo
