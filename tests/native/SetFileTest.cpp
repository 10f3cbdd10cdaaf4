// Decoding set file content: the form chosen by size, short images, and damaged or hostile
// content, which must never lead outside the image.
#include "sets/SetFile.h"

#include "SetTestSupport.h"
#include "sets/BPCompress.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace traxo {
namespace {

using ::testing::ElementsAre;
using testing::EmptySet;
using ::testing::HasSubstr;
using testing::SameImage;
using testing::SampleSet;
using testing::Utf16;
using testing::Value;

ByteVector Compressed(std::span<const std::uint8_t> data) {
    ByteVector packed;
    CompressStream(data, packed);
    return packed;
}

// Decodes the image of `damaged` as if it had been read from an uncompressed file.
std::vector<std::string> Reload(const MotionSet& damaged, MotionSet& into) {
    return DecodeSetContent(SetFileForm::Uncompressed, ImageBytes(damaged), into);
}

TEST(SetFileForm, IsChosenBySizeAlone) {
    EXPECT_EQ(FormOfFileSize(0), SetFileForm::Compressed);
    EXPECT_EQ(FormOfFileSize(1'800'000), SetFileForm::Compressed);
    EXPECT_EQ(FormOfFileSize(1'800'001), SetFileForm::Older);
    EXPECT_EQ(FormOfFileSize(20'000'000), SetFileForm::Older);
    EXPECT_EQ(FormOfFileSize(20'000'001), SetFileForm::Uncompressed);
    EXPECT_EQ(FormOfFileSize(sizeof(MotionSet)), SetFileForm::Uncompressed);
    EXPECT_EQ(FormOfFileSize(std::uint64_t{1} << 40), SetFileForm::Uncompressed);
}

TEST(SetFileDecode, ACompressedImageReplacesTheWholeSet) {
    const auto saved = SampleSet(7, 4);
    auto set = SampleSet(50, 20);
    EXPECT_THAT(DecodeSetContent(SetFileForm::Compressed, Compressed(ImageBytes(*saved)), *set),
                ElementsAre());
    EXPECT_TRUE(SameImage(*set, *saved));
}

TEST(SetFileDecode, UndecodableContentLeavesTheSetAsItWas) {
    const auto before = SampleSet(9, 2);
    auto set = SampleSet(9, 2);
    ByteVector packed = Compressed(ImageBytes(*SampleSet(3, 1)));
    packed.resize(packed.size() / 2);
    EXPECT_THROW(DecodeSetContent(SetFileForm::Compressed, packed, *set), DecompressionError);
    EXPECT_THROW(DecodeSetContent(SetFileForm::Compressed, ByteVector(500, 0x55), *set),
                 DecompressionError);
    EXPECT_TRUE(SameImage(*set, *before));
}

TEST(SetFileDecode, AStreamLongerThanTheImageIsRefused) {
    ByteVector tooLong(sizeof(MotionSet) + 1, 0);
    auto set = SampleSet();
    EXPECT_THROW(DecodeSetContent(SetFileForm::Compressed, Compressed(tooLong), *set),
                 DecompressionError);
    EXPECT_TRUE(SameImage(*set, *SampleSet()));
}

// A short image must not mix with the set that was there before: the previous counts would
// otherwise stay live over the new motions.
TEST(SetFileDecode, AShortImageIsFollowedByEmptySlots) {
    const auto saved = SampleSet(2, 1);
    const auto head = ImageBytes(*saved).first(sizeof(Motion) * 2);
    auto set = SampleSet(40, 10);

    const auto findings = DecodeSetContent(SetFileForm::Compressed, Compressed(head), *set);
    EXPECT_THAT(findings, ElementsAre(HasSubstr("holds 450638 of 23581327 bytes")));
    EXPECT_EQ(Value(set->motionCount), 0);
    EXPECT_EQ(Value(set->knownAppCount), 0);
    EXPECT_TRUE(std::ranges::equal(ImageBytes(*set).first(head.size()), head));
    EXPECT_TRUE(
        std::ranges::all_of(ImageBytes(*set).subspan(head.size()), [](auto b) { return b == 0; }));

    auto fromEmpty = SampleSet(40, 10);
    DecodeSetContent(SetFileForm::Compressed, {}, *fromEmpty);
    EXPECT_TRUE(SameImage(*fromEmpty, *EmptySet()));
}

TEST(SetFileDecode, UncompressedContentBeyondTheImageIsIgnored) {
    const auto saved = SampleSet(4, 2);
    ByteVector content(ImageBytes(*saved).begin(), ImageBytes(*saved).end());
    content.resize(content.size() + 5000, 0xEE);
    auto set = EmptySet();
    EXPECT_THAT(DecodeSetContent(SetFileForm::Uncompressed, content, *set), ElementsAre());
    EXPECT_TRUE(SameImage(*set, *saved));
}

std::unique_ptr<LegacyMotionSet> OlderSet(int motions) {
    auto older = std::make_unique<LegacyMotionSet>();
    for (int m = 0; m < motions; ++m) {
        older->motions[m].path.points[0].x = m;
        older->motions[m].path.points[1].y = 2 * m;
        older->motions[m].path.count = 2;
        older->motions[m].path.drawIndex = 1;
        older->motions[m].action.Assign(Utf16("@Keystrokes:" + std::to_string(m)));
    }
    older->motionCount = motions;
    return older;
}

TEST(SetFileDecode, AnOlderImageBecomesMotionsWithoutRulesOrKnownPrograms) {
    const auto older = OlderSet(3);
    auto set = SampleSet(6, 5);
    for (int m = 0; m < 6; ++m) {
        set->motions[m].ruleCount = 1;
        set->motions[m].rules[0].appIndex = 4;
    }

    EXPECT_THAT(DecodeSetContent(SetFileForm::Older, ImageBytes(*older), *set), ElementsAre());
    EXPECT_EQ(Value(set->motionCount), 3);
    EXPECT_EQ(Value(set->knownAppCount), 0);
    for (int m = 0; m < 3; ++m) {
        const Motion& motion = set->motions[m];
        EXPECT_EQ(Value(motion.path.count), 2);
        EXPECT_EQ(Value(motion.path.drawIndex), 1);
        EXPECT_EQ(Value(motion.path.points[0].x), m);
        EXPECT_EQ(Value(motion.path.points[1].y), 2 * m);
        EXPECT_EQ(motion.defaultAction.View(), Utf16("@Keystrokes:" + std::to_string(m)));
        EXPECT_EQ(motion.ruleCount, 0);
    }
}

TEST(SetFileDecode, AnOlderImageWithTooManyMotionsKeepsOneHundred) {
    auto older = OlderSet(kMotionSlots);
    older->motionCount = 5000;
    auto set = EmptySet();
    EXPECT_THAT(DecodeSetContent(SetFileForm::Older, ImageBytes(*older), *set),
                ElementsAre("motionCount 5000 is outside 0 to 100; read as 100"));
    EXPECT_EQ(Value(set->motionCount), 100);
    EXPECT_EQ(set->motions[99].defaultAction.View(), u"@Keystrokes:99");
}

TEST(SetFileRepair, ClampsCountsToTheirSlots) {
    auto damaged = SampleSet(3, 2);
    damaged->motionCount = 250;
    damaged->knownAppCount = -4;
    auto set = EmptySet();
    EXPECT_THAT(Reload(*damaged, *set),
                ElementsAre("motionCount 250 is outside 0 to 100; read as 100",
                            "knownAppCount -4 is outside 0 to 201; read as 0",
                            "motion 0: rule 0: appIndex 0 is not a known program (0 "
                            "known); rule dropped"));
    EXPECT_EQ(Value(set->motionCount), 100);
    EXPECT_EQ(Value(set->knownAppCount), 0);

    damaged = SampleSet(3, 2);
    damaged->motionCount = -1;
    damaged->knownAppCount = 9999;
    damaged->motions[1].path.count = -7; // not live: no finding
    Reload(*damaged, *set);
    EXPECT_EQ(Value(set->motionCount), 0);
    EXPECT_EQ(Value(set->knownAppCount), 201);
}

TEST(SetFileRepair, ClampsPointAndRuleCounts) {
    auto damaged = SampleSet(3, 2);
    damaged->motions[1].path.count = 1'000'000;
    damaged->motions[2].path.count = -1;
    damaged->motions[0].ruleCount = 255;
    for (auto& rule : damaged->motions[0].rules) {
        rule.appIndex = 200; // every slot names a program that is not known
    }
    damaged->motions[0].rules[0].appIndex = 1;
    auto set = EmptySet();
    const auto findings = Reload(*damaged, *set);
    EXPECT_EQ(findings.front(), "motion 0: ruleCount 255 is outside 0 to 101; read as 101");
    EXPECT_EQ(findings.size(), 1u + 100u + 2u);
    EXPECT_EQ(findings.back(), "motion 2: point count -1 is outside 0 to 2001; read as 0");
    EXPECT_EQ(set->motions[0].ruleCount, 1);
    EXPECT_EQ(set->motions[0].rules[0].appIndex, 1);
    EXPECT_EQ(Value(set->motions[1].path.count), 2001);
    EXPECT_EQ(Value(set->motions[2].path.count), 0);
}

// Action execution lets the last matching rule win: the repair keeps that one, so a loaded set
// runs what the same set ran in memory.
TEST(SetFileRepair, DropsRulesForUnknownProgramsAndAllButTheLastRuleOfAProgram) {
    auto damaged = SampleSet(1, 3);
    Motion& motion = damaged->motions[0];
    const int apps[] = {2, 7, 0, 2, 3, 1};
    for (int r = 0; r < 6; ++r) {
        motion.rules[r].appIndex = static_cast<std::uint8_t>(apps[r]);
        motion.rules[r].action.Assign(Utf16("rule " + std::to_string(r)));
    }
    motion.ruleCount = 6;
    auto set = EmptySet();
    EXPECT_THAT(
        Reload(*damaged, *set),
        ElementsAre("motion 0: rule 0: a later rule for appIndex 2 follows; rule dropped",
                    "motion 0: rule 1: appIndex 7 is not a known program (3 known); rule dropped",
                    "motion 0: rule 4: appIndex 3 is not a known program (3 known); rule dropped"));
    const Motion& repaired = set->motions[0];
    ASSERT_EQ(repaired.ruleCount, 3);
    EXPECT_EQ(repaired.rules[0].appIndex, 0);
    EXPECT_EQ(repaired.rules[0].action.View(), u"rule 2");
    EXPECT_EQ(repaired.rules[1].appIndex, 2);
    EXPECT_EQ(repaired.rules[1].action.View(), u"rule 3");
    EXPECT_EQ(repaired.rules[2].appIndex, 1);
    EXPECT_EQ(repaired.rules[2].action.View(), u"rule 5");
}

// Through the packed member: a text in the image may lie at an odd address.
void FillText(SetText& text, char16_t unit) {
    for (std::size_t i = 0; i < kTextUnits; ++i) {
        text.units[i] = unit;
    }
}

TEST(SetFileRepair, EndsTextsWithoutTerminatorAtTheirCapacity) {
    auto damaged = SampleSet(2, 2);
    FillText(damaged->motions[1].defaultAction, u'a');
    FillText(damaged->knownApps[1].title, u'b');
    FillText(damaged->motions[0].rules[0].action, u'c');
    FillText(damaged->knownApps[5].path, u'x'); // not live: left alone
    auto set = EmptySet();
    EXPECT_THAT(Reload(*damaged, *set),
                ElementsAre("known program 1: title has no terminator; cut at 1024 characters",
                            "motion 0: rule 0: action has no terminator; cut at 1024 characters",
                            "motion 1: defaultAction has no terminator; cut at 1024 characters"));
    EXPECT_EQ(set->motions[1].defaultAction.View(), std::u16string(1024, u'a'));
    EXPECT_EQ(set->knownApps[1].title.View(), std::u16string(1024, u'b'));
    EXPECT_EQ(set->motions[0].rules[0].action.View(), std::u16string(1024, u'c'));
}

TEST(SetFileRepair, ASoundSetIsLeftByteForByte) {
    auto sound = SampleSet(100, 201);
    sound->motions[4].defaultAction.Assign(
        std::u16string(1024, u'z')); // full, terminator at the end
    sound->motions[5].ruleCount = kRuleSlots;
    for (int r = 0; r < kRuleSlots; ++r) {
        sound->motions[5].rules[r].appIndex = static_cast<std::uint8_t>(200 - r);
    }
    auto set = EmptySet();
    EXPECT_THAT(Reload(*sound, *set), ElementsAre());
    EXPECT_TRUE(SameImage(*set, *sound));
}

} // namespace
} // namespace traxo
