// Loading a set at start and through Load set: what fails is reported once and never looks
// loaded, and what loads names its file.
#include "app/SetLoading.h"

#include "SetTestSupport.h"
#include "sets/SetFile.h"

#include <gtest/gtest.h>

namespace traxo {
namespace {

using testing::SampleSet;
using testing::TemporaryFolder;
namespace fs = std::filesystem;

TEST(SetLoading, ASetThatCannotBeLoadedIsReportedOnceAndNothingLooksLoaded) {
    TemporaryFolder folder;
    ByteVector damaged = testing::ReferenceCompress(ImageBytes(*SampleSet(2, 2)));
    damaged[damaged.size() / 2] ^= 0x5A;
    testing::WriteAll(folder / "damaged.mtd", damaged);
    fs::create_directory(folder / "folder.mtd");
    testing::WriteAll(folder / "empty.mtd", {});
    for (const char* name : {"missing.mtd", "damaged.mtd", "folder.mtd", "empty.mtd"}) {
        auto set = testing::EmptySet();
        SetDocument document(*set);
        const SetLoadReport report = LoadSetReporting(document, folder / name);
        EXPECT_FALSE(report.loaded) << name;
        EXPECT_EQ(report.fileLabel, kNoSetLoaded) << name;
        EXPECT_EQ(report.failure, LoadFailedMessage(folder / name)) << name;
        EXPECT_TRUE(document.currentFileName().empty()) << name;
    }
    const fs::path foreign = folder / fs::path(u"\u00C4.mtd");
    fs::copy_file(folder / "damaged.mtd", foreign);
    EXPECT_EQ(LoadFailedMessage(foreign),
              u"\"" + foreign.u16string() +
                  u"\" could not be loaded. It may be in an invalid format");
    EXPECT_EQ(LoadFailedMessage(folder / "missing.mtd"),
              u"\"" + (folder / "missing.mtd").u16string() +
                  u"\" could not be loaded: the file does not exist.");
}

TEST(SetLoading, AFailedLoadKeepsTheSetThatWasLoaded) {
    TemporaryFolder folder;
    ASSERT_FALSE(WriteSetFile(*SampleSet(3, 1), folder / "good.mtd"));
    auto set = testing::EmptySet();
    SetDocument document(*set);
    const SetLoadReport good = LoadSetReporting(document, folder / "good.mtd");
    EXPECT_TRUE(good.loaded);
    EXPECT_EQ(good.fileLabel, (folder / "good.mtd").u16string());
    EXPECT_FALSE(good.failure.has_value());

    testing::WriteAll(folder / "empty.mtd", {});
    for (const char* name : {"gone.mtd", "empty.mtd"}) {
        const SetLoadReport failed = LoadSetReporting(document, folder / name);
        EXPECT_FALSE(failed.loaded) << name;
        EXPECT_EQ(failed.fileLabel, (folder / "good.mtd").u16string()) << name;
        EXPECT_EQ(document.currentFileName(), folder / "good.mtd") << name;
        EXPECT_TRUE(testing::SameImage(*set, *SampleSet(3, 1))) << name;
    }
}

} // namespace
} // namespace traxo
