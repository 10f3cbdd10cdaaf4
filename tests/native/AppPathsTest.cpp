// Paths stored relative to the program's folder, and their expansion back.
#include "platform/AppPaths.h"

#include <gtest/gtest.h>

namespace traxo {
namespace {

std::string Narrow(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

struct PathCase {
    std::u16string_view path;
    std::u16string_view expected;
};

TEST(PathRelativeToFolder, ClimbsAndDescendsOnTheSameDrive) {
    constexpr std::u16string_view folder = u"C:\\Traxo\\";
    for (const PathCase& c : {
             PathCase{u"C:\\Traxo\\sets\\a.mtd", u"sets\\a.mtd"},
             PathCase{u"C:\\Traxo\\a.mtd", u"a.mtd"},
             PathCase{u"C:\\Other\\a.mtd", u"..\\Other\\a.mtd"},
             PathCase{u"C:\\a.mtd", u"..\\a.mtd"},
             PathCase{u"C:\\TraxoX\\a.mtd", u"..\\TraxoX\\a.mtd"},
             PathCase{u"c:\\TRAXO\\Sets\\a.mtd", u"Sets\\a.mtd"},
             PathCase{u"C:/Traxo/sets/a.mtd", u"sets\\a.mtd"},
         }) {
        EXPECT_EQ(PathRelativeToFolder(c.path, folder), c.expected) << Narrow(c.path);
    }
    EXPECT_EQ(PathRelativeToFolder(u"C:\\Traxo\\a.mtd", u"C:\\Traxo\\x\\y\\"), u"..\\..\\a.mtd");
    EXPECT_EQ(PathRelativeToFolder(u"C:\\Traxo\\sets\\a.mtd", u"C:\\Traxo"), u"sets\\a.mtd");
}

TEST(PathRelativeToFolder, KeepsPathsOnOtherDrivesAndPathsWithoutDrive) {
    constexpr std::u16string_view folder = u"C:\\Traxo\\";
    for (const std::u16string_view path :
         {u"D:\\a.mtd", u"\\\\server\\share\\a.mtd", u"sets\\a.mtd", u"\\a.mtd", u""}) {
        EXPECT_EQ(PathRelativeToFolder(path, folder), path) << Narrow(path);
    }
    EXPECT_EQ(
        PathRelativeToFolder(u"\\\\Server\\Share\\sets\\a.mtd", u"\\\\server\\share\\traxo\\"),
        u"..\\sets\\a.mtd");
    EXPECT_EQ(PathRelativeToFolder(u"\\\\server\\other\\a.mtd", u"\\\\server\\share\\"),
              u"\\\\server\\other\\a.mtd");
}

TEST(FullPathFromFolder, ExpandsAsTheSystemDoesFromTheCurrentFolder) {
    constexpr std::u16string_view folder = u"C:\\Traxo\\";
    for (const PathCase& c : {
             PathCase{u"sets\\a.mtd", u"C:\\Traxo\\sets\\a.mtd"},
             PathCase{u"..\\Other\\a.mtd", u"C:\\Other\\a.mtd"},
             PathCase{u".\\a.mtd", u"C:\\Traxo\\a.mtd"},
             PathCase{u"\\x\\a.mtd", u"C:\\x\\a.mtd"},
             PathCase{u"D:\\a.mtd", u"D:\\a.mtd"},
             PathCase{u"d:\\a.mtd", u"d:\\a.mtd"},
             PathCase{u"\\\\srv\\share\\x\\..\\a.mtd", u"\\\\srv\\share\\a.mtd"},
             PathCase{u"\\\\srv\\share\\..\\..\\a.mtd", u"\\\\srv\\share\\a.mtd"},
             PathCase{u"\\\\srv\\share", u"\\\\srv\\share"},
             PathCase{u"\\\\srv\\share\\", u"\\\\srv\\share\\"},
             PathCase{u"c:rel.mtd", u"C:\\Traxo\\rel.mtd"},
             PathCase{u"d:rel.mtd", u"d:\\rel.mtd"},
             PathCase{u"C:", u"C:\\Traxo\\"},
             PathCase{u"d:", u"d:\\"},
             PathCase{u"a.mtd. . ", u"C:\\Traxo\\a.mtd"},
             PathCase{u"sets\\", u"C:\\Traxo\\sets\\"},
             PathCase{u"sets\\.", u"C:\\Traxo\\sets"},
             PathCase{u"sets\\..", u"C:\\Traxo"},
             PathCase{u".", u"C:\\Traxo"},
             PathCase{u"..", u"C:\\"},
             PathCase{u"..\\..\\..\\x", u"C:\\x"},
             PathCase{u"a//b\\\\c", u"C:\\Traxo\\a\\b\\c"},
             PathCase{u"  lead.mtd", u"C:\\Traxo\\  lead.mtd"},
             PathCase{u"\\\\?\\C:\\a", u"\\\\?\\C:\\a"},
             PathCase{u"", u""},
         }) {
        EXPECT_EQ(FullPathFromFolder(c.path, folder), c.expected) << Narrow(c.path);
    }
}

TEST(FullPathFromFolder, ARootedPathTakesTheShareOfAUncFolder) {
    EXPECT_EQ(FullPathFromFolder(u"\\a.mtd", u"\\\\srv\\share\\traxo\\"), u"\\\\srv\\share\\a.mtd");
    EXPECT_EQ(FullPathFromFolder(u"sets\\a.mtd", u"\\\\srv\\share\\traxo\\"),
              u"\\\\srv\\share\\traxo\\sets\\a.mtd");
}

TEST(FullPathFromFolder, UndoesPathRelativeToFolder) {
    for (const std::u16string_view folder : {u"C:\\Traxo\\", u"C:\\", u"\\\\srv\\share\\t\\"}) {
        for (const std::u16string_view path :
             {u"C:\\Traxo\\sets\\a.mtd", u"C:\\Other\\deep\\a.mtd", u"C:\\a.mtd", u"D:\\x\\a.mtd",
              u"\\\\srv\\share\\a.mtd", u"\\\\srv\\share\\t\\u\\a.mtd"}) {
            EXPECT_EQ(FullPathFromFolder(PathRelativeToFolder(path, folder), folder), path)
                << Narrow(folder) << " " << Narrow(path);
        }
    }
}

} // namespace
} // namespace traxo
