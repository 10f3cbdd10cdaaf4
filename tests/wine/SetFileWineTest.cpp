// Set files on Windows: a save replaces the previous file through the rename, and a set comes back
// from its file unchanged.
#include "platform/ZeroPages.h"
#include "sets/SetDocument.h"
#include "sets/SetFile.h"
#include "sets/SetImage.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace traxo {
namespace {

namespace fs = std::filesystem;

class SetFileWine : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("traxo-set-wine-" + std::to_string(std::random_device()()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    fs::path folder_;
};

std::unique_ptr<MotionSet> SmallSet(int motions) {
    auto set = std::make_unique<MotionSet>();
    set->knownApps[0].path.Assign(u"c:\\windows\\notepad.exe");
    set->knownApps[0].title.Assign(u"Notepad \u00e9");
    set->knownAppCount = 1;
    for (int m = 0; m < motions; ++m) {
        set->motions[m].path.points[0].x = m;
        set->motions[m].path.count = 1;
        set->motions[m].defaultAction.Assign(u"@Keys:Ctrl+W");
        set->motions[m].rules[0].action.Assign(u"@Keystrokes:{ESC}");
        set->motions[m].ruleCount = 1;
    }
    set->motionCount = motions;
    return set;
}

bool SameImage(const MotionSet& a, const MotionSet& b) {
    return std::ranges::equal(ImageBytes(a), ImageBytes(b));
}

TEST_F(SetFileWine, SavingOverAnExistingFileReplacesIt) {
    const fs::path file = folder_ / "gestures.mtd";
    {
        std::ofstream old(file, std::ios::binary);
        old << "the previous file";
    }
    auto set = SmallSet(3);
    SetDocument document(*set);
    ASSERT_TRUE(document.SaveSetAs(file));
    EXPECT_LT(fs::file_size(file), 1'800'000u);
    EXPECT_EQ(Names(), std::vector<std::string>{"gestures.mtd"});

    set->motionCount = 2;
    ASSERT_TRUE(document.saveMotions(file)); // and once more over its own file

    auto loaded = std::make_unique<MotionSet>();
    SetDocument reader(*loaded);
    ASSERT_TRUE(reader.loadMotions(file));
    EXPECT_TRUE(SameImage(*loaded, *set));
}

TEST_F(SetFileWine, ASetComesBackFromItsFileUnchanged) {
    auto set = SmallSet(100);
    SetDocument document(*set);
    ASSERT_TRUE(document.saveMotions(folder_ / "round trip.mtd"));

    auto loaded = SmallSet(0);
    SetDocument reader(*loaded);
    ASSERT_TRUE(reader.LoadSet(folder_ / "round trip.mtd"));
    EXPECT_TRUE(SameImage(*loaded, *set));
    EXPECT_EQ(reader.currentFileName(), folder_ / "round trip.mtd");
    EXPECT_FALSE(reader.loadMotions(folder_ / "missing.mtd"));
}

TEST_F(SetFileWine, AnUncompressedImageIsCompressedInPlace) {
    const fs::path file = folder_ / "raw.mtd";
    auto set = SmallSet(5);
    {
        std::ofstream raw(file, std::ios::binary);
        raw.write(reinterpret_cast<const char*>(ImageBytes(*set).data()), sizeof(MotionSet));
    }
    auto loaded = std::make_unique<MotionSet>();
    SetDocument reader(*loaded);
    ASSERT_TRUE(reader.loadMotions(file));
    EXPECT_TRUE(SameImage(*loaded, *set));
    EXPECT_LT(fs::file_size(file), 1'800'000u);
    EXPECT_EQ(Names(), std::vector<std::string>{"raw.mtd"});
}

// The system watches the image's pages: a new set has none written, a load writes only those
// that receive data, and the saved file is the same whichever way the set was made.
TEST_F(SetFileWine, TheImageTakesOnlyThePagesThatHoldData) {
    const auto pagesWritten = [](const MotionSet& set) {
        return std::ranges::count(PagesThatMayHoldData(&set, sizeof(MotionSet)), true);
    };
    auto set = NewMotionSet();
    EXPECT_EQ(pagesWritten(*set), 0);
    set->knownApps[100].title.Assign(u"one page");
    EXPECT_EQ(pagesWritten(*set), 1);

    auto full = SmallSet(100);
    SetDocument document(*full);
    ASSERT_TRUE(document.saveMotions(folder_ / "full.mtd"));
    auto loaded = NewMotionSet();
    SetDocument reader(*loaded);
    ASSERT_TRUE(reader.loadMotions(folder_ / "full.mtd"));
    EXPECT_TRUE(SameImage(*loaded, *full));
    EXPECT_LT(pagesWritten(*loaded), 500); // of 5,758
    ASSERT_TRUE(reader.saveMotions(folder_ / "again.mtd"));
    std::ifstream a(folder_ / "full.mtd", std::ios::binary);
    std::ifstream b(folder_ / "again.mtd", std::ios::binary);
    EXPECT_TRUE(std::equal(std::istreambuf_iterator<char>(a), std::istreambuf_iterator<char>(),
                           std::istreambuf_iterator<char>(b), std::istreambuf_iterator<char>()));
}

} // namespace
} // namespace traxo
