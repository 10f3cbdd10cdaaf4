// The ini store as the program uses it. The same cases run natively against the portable
// implementation and under Wine against the system's profile functions, so the portable one
// is held to what the system really does.
#include "IniStoreTestSupport.h"
#include "platform/PortableIni.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace traxo::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace std::string_literals;

class IniStoreTest : public ::testing::Test {
protected:
    std::filesystem::path File() const { return folder_ / "traxo.ini"; }
    std::string Bytes() const { return ReadFileBytes(File()); }
    void GivenFile(std::u16string_view text) const { WriteFileBytes(File(), Utf16File(text)); }
    IniStore& Store() { return *store_; }

    void ExpectFile(std::u16string_view text) const {
        EXPECT_EQ(Printable(Bytes()), Printable(Utf16File(text)));
    }

private:
    ScratchFolder folder_;
    std::unique_ptr<IniStore> store_ = MakeIniStoreUnderTest(File());
};

TEST_F(IniStoreTest, OpenCreatesAMissingFileAsUtf16WithOneEmptyLine) {
    ASSERT_TRUE(Store().Open());
    EXPECT_EQ(Bytes(), std::string("\xFF\xFE\r\0\n\0", 6));
}

TEST_F(IniStoreTest, OpenLeavesAnExistingFileAlone) {
    GivenFile(u"\r\n\r\n[main]\r\nk = v\r\n");
    const std::string before = Bytes();
    ASSERT_TRUE(Store().Open());
    EXPECT_EQ(Bytes(), before);
}

TEST_F(IniStoreTest, AFreshFileListsSectionsAndKeysInTheOrderTheyWereFirstWritten) {
    ASSERT_TRUE(Store().Open());
    EXPECT_TRUE(Store().WriteString(u"main", u"version", u"1.41"));
    EXPECT_TRUE(Store().WriteString(u"main", u"motions", u"sets\\a.mtd"));
    EXPECT_TRUE(Store().WriteString(u"exclude", u"program0", u"c:\\x.exe"));
    EXPECT_TRUE(Store().WriteString(u"main", u"active", u"1"));
    // The empty first line goes; no blank line separates the sections.
    ExpectFile(u"[main]\r\nversion=1.41\r\nmotions=sets\\a.mtd\r\nactive=1\r\n"
               u"[exclude]\r\nprogram0=c:\\x.exe\r\n");
}

TEST_F(IniStoreTest, ExistingKeysKeepTheirPlaceAndSpelling) {
    GivenFile(u"[Main]\r\nActive=0\r\nVersion=1.0\r\n");
    EXPECT_TRUE(Store().WriteString(u"main", u"version", u"1.41"));
    EXPECT_TRUE(Store().WriteString(u"MAIN", u"motions", u"x"));
    ExpectFile(u"[Main]\r\nActive=0\r\nVersion=1.41\r\nmotions=x\r\n");
}

TEST_F(IniStoreTest, RewritingDropsBlankLinesAndKeepsCommentsAndLinesWithoutValue) {
    GivenFile(u"\r\n; note\r\n\r\n  [ main ]  \r\n\r\nbare line\r\n  k  =  v  \r\n\r\n\r\n"
              u"[other]\r\nx=1\r\n\r\n");
    EXPECT_TRUE(Store().WriteString(u"main", u"new", u"1"));
    ExpectFile(u"; note\r\n[main]\r\nbare line\r\nk=v\r\nnew=1\r\n[other]\r\nx=1\r\n");
}

TEST_F(IniStoreTest, AWriteThatChangesNothingLeavesTheFileAsItWas) {
    GivenFile(u"\r\n[main]\r\n\r\nk = v\r\n\r\n");
    const std::string before = Bytes();
    EXPECT_TRUE(Store().WriteString(u"Main", u"K", u" \tv"));
    EXPECT_TRUE(Store().EraseSection(u"missing"));
    EXPECT_EQ(Bytes(), before);

    // Values compare with their letter case.
    EXPECT_TRUE(Store().WriteString(u"main", u"k", u"V"));
    ExpectFile(u"[main]\r\nk=V\r\n");
}

TEST_F(IniStoreTest, WritesTrimNamesAndValues) {
    ASSERT_TRUE(Store().Open());
    EXPECT_TRUE(Store().WriteString(u" main\t", u"\tkey ", u" \tvalue with  spaces\t "));
    EXPECT_TRUE(Store().WriteString(u"main", u"empty", u""));
    EXPECT_TRUE(Store().WriteString(u"main", u"quoted", u"\"as is\""));
    ExpectFile(u"[main]\r\nkey=value with  spaces\r\nempty=\r\nquoted=\"as is\"\r\n");
}

TEST_F(IniStoreTest, AWrittenValueKeepsItsTrailingSpaceUntilTheFileIsReadAgain) {
    GivenFile(u"[main]\r\nk=v\r\n");
    EXPECT_TRUE(Store().WriteString(u"main", u"k", u"  v \t"));
    ExpectFile(u"[main]\r\nk=v \t\r\n");
    EXPECT_EQ(Store().ReadString(u"main", u"k", u""), u"v");
    EXPECT_TRUE(Store().WriteString(u"main", u"other", u"1"));
    ExpectFile(u"[main]\r\nk=v\r\nother=1\r\n");
}

TEST_F(IniStoreTest, ReadsMatchNamesWithoutRegardToCaseOrSurroundingSpace) {
    GivenFile(u"  [ Main ]  \r\n\tKey\t=\t value \t\r\n");
    EXPECT_EQ(Store().ReadString(u"main", u"key", u"d"), u"value");
    EXPECT_EQ(Store().ReadString(u" MAIN ", u" KEY\t", u"d"), u"value");
}

TEST_F(IniStoreTest, ReadsFallBackToTheDefault) {
    EXPECT_EQ(Store().ReadString(u"main", u"k", u"no file"), u"no file");
    GivenFile(u"[main]\r\nbare\r\nempty=\r\n");
    EXPECT_EQ(Store().ReadString(u"other", u"k", u"no section"), u"no section");
    EXPECT_EQ(Store().ReadString(u"main", u"k", u"no key"), u"no key");
    EXPECT_EQ(Store().ReadString(u"main", u"bare", u"no value"), u"no value");
    EXPECT_EQ(Store().ReadString(u"main", u"empty", u"d"), u"");
}

TEST_F(IniStoreTest, TheDefaultLosesTrailingSpacesAndQuotes) {
    GivenFile(u"[main]\r\n");
    EXPECT_EQ(Store().ReadString(u"main", u"k", u"  clBlue  "), u"  clBlue");
    EXPECT_EQ(Store().ReadString(u"main", u"k", u"   "), u" ");
    EXPECT_EQ(Store().ReadString(u"main", u"k", u"\tx\t"), u"\tx\t");
    EXPECT_EQ(Store().ReadString(u"main", u"k", u"\" x \"  "), u" x ");
    EXPECT_EQ(Store().ReadString(u"main", u"k", u""), u"");
}

TEST_F(IniStoreTest, ReadsDropMatchingQuotesAroundAValue) {
    GivenFile(
        u"[main]\r\na=\"abc\"\r\nb='x'\r\nc=\"abc\r\nd=\"\r\ne=\"\"\r\nf=\" a \"\r\ng='x\"\r\n");
    EXPECT_EQ(Store().ReadString(u"main", u"a", u""), u"abc");
    EXPECT_EQ(Store().ReadString(u"main", u"b", u""), u"x");
    EXPECT_EQ(Store().ReadString(u"main", u"c", u""), u"\"abc");
    EXPECT_EQ(Store().ReadString(u"main", u"d", u""), u"\"");
    EXPECT_EQ(Store().ReadString(u"main", u"e", u"d"), u"");
    EXPECT_EQ(Store().ReadString(u"main", u"f", u""), u" a ");
    EXPECT_EQ(Store().ReadString(u"main", u"g", u""), u"'x\"");
}

TEST_F(IniStoreTest, ReadsReturnAtMost2047Characters) {
    const std::u16string x2045(2045, u'x');
    GivenFile(u"[main]\r\nlong=" + std::u16string(3000, u'x') + u"\r\nfits=\"" + x2045 +
              u"\"\r\nedge=\"" + x2045 + u"yz\"\r\n");
    EXPECT_EQ(Store().ReadString(u"main", u"long", u""), std::u16string(2047, u'x'));
    EXPECT_EQ(Store().ReadString(u"main", u"fits", u""), x2045);
    // After its opening quote the value fills the buffer exactly: the closing quote is cut off
    // and then the last unit copied is dropped in its place.
    EXPECT_EQ(Store().ReadString(u"main", u"edge", u""), x2045 + u"y");
}

TEST_F(IniStoreTest, OnlyTheFirstOfSeveralSectionsOrKeysWithOneNameCounts) {
    GivenFile(u"[main]\r\nk=1\r\nK=2\r\nbare\r\n[other]\r\n[MAIN]\r\nlate=3\r\nbare=4\r\n");
    EXPECT_EQ(Store().ReadString(u"main", u"k", u""), u"1");
    EXPECT_EQ(Store().ReadString(u"main", u"late", u"d"), u"d");
    EXPECT_EQ(Store().ReadString(u"main", u"bare", u"d"), u"d");
    EXPECT_THAT(Store().ReadKeyNames(u"main"), ElementsAre(u"k", u"K"));

    EXPECT_TRUE(Store().WriteString(u"main", u"late", u"5"));
    EXPECT_TRUE(Store().WriteString(u"main", u"bare", u"6"));
    ExpectFile(
        u"[main]\r\nk=1\r\nK=2\r\nbare=6\r\nlate=5\r\n[other]\r\n[MAIN]\r\nlate=3\r\nbare=4\r\n");
}

TEST_F(IniStoreTest, EraseSectionRemovesTheFirstSectionOfThatName) {
    GivenFile(u"[exclude]\r\na=1\r\n[main]\r\nk=1\r\n[EXCLUDE]\r\nb=2\r\n");
    EXPECT_TRUE(Store().EraseSection(u"Exclude"));
    ExpectFile(u"[main]\r\nk=1\r\n[EXCLUDE]\r\nb=2\r\n");
    EXPECT_TRUE(Store().WriteString(u"exclude", u"program0", u"x"));
    ExpectFile(u"[main]\r\nk=1\r\n[EXCLUDE]\r\nb=2\r\nprogram0=x\r\n");
    EXPECT_TRUE(Store().EraseSection(u"exclude"));
    ExpectFile(u"[main]\r\nk=1\r\n");
}

TEST_F(IniStoreTest, KeyNamesComeInFileOrderWithoutCommentsAndLinesWithoutValue) {
    GivenFile(u"[main]\r\nz=0\r\n[Exclude]\r\nb=1\r\n;comment=2\r\nbare\r\n#hash=3\r\n  a = "
              u"4\r\nB=5\r\n");
    EXPECT_THAT(Store().ReadKeyNames(u"exclude"), ElementsAre(u"b", u"#hash", u"a", u"B"));
    EXPECT_THAT(Store().ReadKeyNames(u"missing"), IsEmpty());
}

TEST_F(IniStoreTest, ListingAndErasingTakeTheSectionNameAsGiven) {
    GivenFile(u"[ main ]\r\nq=1\r\n[ex]\r\na=1\r\n");
    EXPECT_THAT(Store().ReadKeyNames(u"MAIN"), ElementsAre(u"q"));
    EXPECT_THAT(Store().ReadKeyNames(u" main\t"), IsEmpty());
    EXPECT_TRUE(Store().EraseSection(u" ex "));
    EXPECT_EQ(Store().ReadString(u"ex", u"a", u""), u"1");
    EXPECT_TRUE(Store().EraseSection(u"EX"));
    EXPECT_EQ(Store().ReadString(u"ex", u"a", u"gone"), u"gone");
}

TEST_F(IniStoreTest, TheKeyNameListEndsAtAKeyWithoutName) {
    GivenFile(u"[exclude]\r\na=1\r\n=2\r\nb=3\r\n[empty first]\r\n=1\r\nc=2\r\n");
    EXPECT_THAT(Store().ReadKeyNames(u"exclude"), ElementsAre(u"a"));
    EXPECT_THAT(Store().ReadKeyNames(u"empty first"), IsEmpty());
}

TEST_F(IniStoreTest, KeyNamesAreListedThroughOneBufferOf32768Units) {
    // Every name takes 100 units and its terminator: 324 fit whole, the 325th is cut to the 42
    // units that leave room for the closing terminators, and the rest are not listed.
    std::u16string text = u"[exclude]\r\n";
    std::vector<std::u16string> names;
    for (int i = 0; i < 400; ++i) {
        std::string number = std::to_string(1000 + i);
        names.push_back(std::u16string(number.begin(), number.end()) + std::u16string(96, u'k'));
        text += names.back() + u"=v\r\n";
    }
    GivenFile(text);
    const std::vector<std::u16string> listed = Store().ReadKeyNames(u"exclude");
    ASSERT_EQ(listed.size(), 325u);
    EXPECT_EQ(listed[323], names[323]);
    EXPECT_EQ(listed[324], names[324].substr(0, 42));
}

TEST_F(IniStoreTest, LinesEndAtCrOrLfAndAreRewrittenWithCrLf) {
    GivenFile(u"[s]\ra=1\rb=2\nc=3\n\nd=4\r\n");
    EXPECT_EQ(Store().ReadString(u"s", u"b", u""), u"2");
    EXPECT_THAT(Store().ReadKeyNames(u"s"), ElementsAre(u"a", u"b", u"c", u"d"));
    EXPECT_TRUE(Store().WriteString(u"s", u"e", u"5"));
    ExpectFile(u"[s]\r\na=1\r\nb=2\r\nc=3\r\nd=4\r\ne=5\r\n");
}

TEST_F(IniStoreTest, ASectionNameRunsToTheLastBracketOnItsLine) {
    GivenFile(u"[a]b]\r\nk=1\r\n[c\r\nk2=2\r\n[d] ;note\r\nk3=3\r\n");
    EXPECT_THAT(Store().ReadKeyNames(u"a]b"), ElementsAre(u"k", u"k2"));
    EXPECT_EQ(Store().ReadString(u"d", u"k3", u""), u"3");
    EXPECT_TRUE(Store().WriteString(u"d", u"k4", u"4"));
    ExpectFile(u"[a]b]\r\nk=1\r\n[c\r\nk2=2\r\n[d]\r\nk3=3\r\nk4=4\r\n");
}

TEST_F(IniStoreTest, NonAsciiTextKeepsEveryUnit) {
    ASSERT_TRUE(Store().Open());
    const std::u16string path = u"d:\\\u624b\u52bf\\\U0001F600\u00e9.mtd";
    EXPECT_TRUE(Store().WriteString(u"main", u"motions", path));
    EXPECT_EQ(Store().ReadString(u"main", u"motions", u""), path);
    ExpectFile(u"[main]\r\nmotions=" + path + u"\r\n");
}

TEST_F(IniStoreTest, OnlyAsciiLettersMatchWithoutRegardToCase) {
    GivenFile(u"[Stra\u00dfe]\r\nK=1\r\n");
    EXPECT_EQ(Store().ReadString(u"STRA\u00dfE", u"k", u"d"), u"1");
}

TEST_F(IniStoreTest, AFileWithoutUtf16MarkKeepsItsEncoding) {
    WriteFileBytes(File(), "\xEF\xBB\xBF[s]\r\nk=v\xC3\xA9\r\n");
    EXPECT_EQ(Store().ReadString(u"s", u"k", u""), u"v\u00e9");
    EXPECT_TRUE(Store().WriteString(u"s", u"k2", u"\u6c34"));
    EXPECT_EQ(Bytes(), "\xEF\xBB\xBF[s]\r\nk=v\xC3\xA9\r\nk2=\xE6\xB0\xB4\r\n");

    WriteFileBytes(File(), "\xEF\xBB\xBF[s]\r\nk=a\xFF"
                           "b\xE6\xB0"
                           "c\xC3\r\n");
    EXPECT_EQ(Store().ReadString(u"s", u"k", u""), u"a\uFFFDb\uFFFDc\uFFFD");

    WriteFileBytes(File(), "\xFE\xFF\0[\0s\0]\0\r\0\n\0k\0=\0v\0\r\0\n"s);
    EXPECT_EQ(Store().ReadString(u"s", u"k", u""), u"v");
    EXPECT_TRUE(Store().WriteString(u"s", u"n", u"w"));
    EXPECT_EQ(Bytes(), "\xFE\xFF\0[\0s\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0n\0=\0w\0\r\0\n"s);

    WriteFileBytes(File(), "\r\n[s]\r\nk=v\r\n");
    EXPECT_TRUE(Store().WriteString(u"s", u"k2", u"w"));
    EXPECT_EQ(Bytes(), "[s]\r\nk=v\r\nk2=w\r\n");
}

TEST_F(IniStoreTest, WithoutOpenAMissingFileIsCreatedWithoutUtf16Mark) {
    EXPECT_TRUE(Store().WriteString(u"s", u"k", u"v"));
    EXPECT_EQ(Bytes(), "[s]\r\nk=v\r\n");
}

TEST_F(IniStoreTest, AnOddLastByteReadsAsAUnitOfItsOwn) {
    WriteFileBytes(File(), Utf16File(u"[s]\r\nk=v") + "A");
    EXPECT_EQ(Store().ReadString(u"s", u"k", u""), u"vA");
}

// The settings file is written whole, built in memory; the store reads it as edited.
TEST_F(IniStoreTest, AFileWrittenWholeReadsAsEdited) {
    GivenFile(u"[main]\r\nupdateUrl=http://x/\r\nversion=1.40\r\n[exclude]\r\nprogram0=a.exe\r\n");
    const std::string before = Bytes();
    IniFileEdit edit(File());
    EXPECT_EQ(edit.ReadString(u"main", u"version", u""), u"1.40");
    EXPECT_TRUE(edit.WriteString(u"main", u"version", u"1.41"));
    EXPECT_TRUE(edit.EraseSection(u"exclude"));
    EXPECT_THAT(edit.ReadKeyNames(u"exclude"), IsEmpty());
    EXPECT_TRUE(edit.WriteString(u"exclude", u"program0", u"c:\\b.exe"));
    EXPECT_EQ(Bytes(), before) << "written before the commit";
    ASSERT_TRUE(edit.Commit());
    EXPECT_EQ(Store().ReadString(u"main", u"version", u""), u"1.41");
    EXPECT_EQ(Store().ReadString(u"main", u"updateUrl", u""), u"http://x/");
    EXPECT_THAT(Store().ReadKeyNames(u"exclude"), ElementsAre(u"program0"));
    EXPECT_EQ(Store().ReadString(u"exclude", u"program0", u""), u"c:\\b.exe");
    ExpectFile(
        u"[main]\r\nupdateUrl=http://x/\r\nversion=1.41\r\n[exclude]\r\nprogram0=c:\\b.exe\r\n");
}

TEST(IniStoreFailure, AFileInAMissingFolderCannotBeOpenedOrWritten) {
    const ScratchFolder folder;
    const std::filesystem::path file = folder / "missing" / "traxo.ini";
    const std::unique_ptr<IniStore> store = MakeIniStoreUnderTest(file);
    EXPECT_FALSE(store->Open());
    EXPECT_FALSE(store->WriteString(u"main", u"k", u"v"));
    EXPECT_FALSE(store->EraseSection(u"exclude"));
    EXPECT_EQ(store->ReadString(u"main", u"k", u"d"), u"d");
    EXPECT_THAT(store->ReadKeyNames(u"main"), IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(IniStoreFailure, ErasingInAMissingFileIsNoFailureAndCreatesNothing) {
    const ScratchFolder folder;
    const std::unique_ptr<IniStore> store = MakeIniStoreUnderTest(folder / "traxo.ini");
    EXPECT_TRUE(store->EraseSection(u"exclude"));
    EXPECT_FALSE(std::filesystem::exists(folder / "traxo.ini"));
}

TEST(IniStoreFailure, AFolderInPlaceOfTheFileCannotBeOpenedOrWritten) {
    const ScratchFolder folder;
    std::filesystem::create_directory(folder / "traxo.ini");
    const std::unique_ptr<IniStore> store = MakeIniStoreUnderTest(folder / "traxo.ini");
    EXPECT_FALSE(store->Open());
    EXPECT_FALSE(store->WriteString(u"main", u"k", u"v"));
    EXPECT_EQ(store->ReadString(u"main", u"k", u"d"), u"d");
}

} // namespace
} // namespace traxo::testing
