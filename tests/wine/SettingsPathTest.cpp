// The portable path arithmetic of the settings against the system's own: the expansion of a
// stored path must be what GetFullPathNameW makes of it in the program's folder.
#include "platform/AppPaths.h"
#include "platform/ProfileIni_win.h"
#include "platform/Settings.h"
#include "platform/SettingsColours.h"
#include "shared/IniStoreTestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace traxo::testing {
namespace {

std::u16string SystemFullPath(std::u16string_view path) {
    const std::wstring wide(path.begin(), path.end());
    wchar_t buffer[MAX_PATH * 4];
    const DWORD length = GetFullPathNameW(wide.c_str(), DWORD(std::size(buffer)), buffer, nullptr);
    return std::u16string(buffer, buffer + length);
}

// Makes the folder current for the test's life, as the program does when it reads the settings.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(previous_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path previous_;
};

TEST(SettingsPaths, StoredPathsExpandAsTheSystemExpandsThem) {
    const ScratchFolder scratch;
    const std::filesystem::path programFolder = scratch / "Traxo";
    std::filesystem::create_directory(programFolder);
    const std::u16string appFolder = programFolder.u16string() + u'\\';
    const std::u16string drive = appFolder.substr(0, 2);
    const CurrentFolder current(programFolder);

    // Paths starting with "/" are left out: Wine takes those as Unix paths.
    for (const std::u16string& path :
         std::initializer_list<std::u16string>{u"sets\\a.mtd",
                                               u"..\\Other\\a.mtd",
                                               u".\\a.mtd",
                                               u"\\x\\a.mtd",
                                               u"Q:\\a.mtd",
                                               u"q:\\x\\..\\a.mtd",
                                               u"\\\\srv\\share\\x\\..\\a.mtd",
                                               u"\\\\srv\\share\\..\\..\\a.mtd",
                                               u"\\\\srv\\share",
                                               u"\\\\srv\\share\\",
                                               u"q:rel.mtd",
                                               u"q:",
                                               drive,
                                               drive + u"rel.mtd",
                                               u"a.mtd. . ",
                                               u"sets\\",
                                               u"sets\\.",
                                               u"sets\\..",
                                               u".",
                                               u"..",
                                               u"..\\..\\..\\..\\x",
                                               u"a//b\\\\c",
                                               u"  lead.mtd",
                                               u"sets/a.mtd",
                                               appFolder + u"sets\\a.mtd"}) {
        EXPECT_EQ(FullPathFromFolder(path, appFolder), SystemFullPath(path))
            << std::string(path.begin(), path.end());
    }
}

TEST(SettingsPaths, ASetBesideTheProgramIsStoredRelativeAndFoundAgain) {
    const ScratchFolder scratch;
    const std::u16string appFolder = scratch.Path().u16string() + u'\\';
    ProfileIni ini(scratch / "traxo.ini");
    Settings settings;
    settings.motions = appFolder + u"sets\\a.mtd";
    ASSERT_EQ(SaveSettings(ini, settings, appFolder), std::nullopt);
    EXPECT_EQ(ini.ReadString(u"main", u"motions", u""), u"sets\\a.mtd");
    EXPECT_EQ(ReadSettings(ini, appFolder).motions, settings.motions);
}

TEST(SettingsColours, SystemColourNamesCarryTheSystemColourIndices) {
    const std::pair<std::u16string_view, int> names[] = {
        {u"clScrollBar", COLOR_SCROLLBAR},
        {u"clBackground", COLOR_BACKGROUND},
        {u"clActiveCaption", COLOR_ACTIVECAPTION},
        {u"clInactiveCaption", COLOR_INACTIVECAPTION},
        {u"clMenu", COLOR_MENU},
        {u"clWindow", COLOR_WINDOW},
        {u"clWindowFrame", COLOR_WINDOWFRAME},
        {u"clMenuText", COLOR_MENUTEXT},
        {u"clWindowText", COLOR_WINDOWTEXT},
        {u"clCaptionText", COLOR_CAPTIONTEXT},
        {u"clActiveBorder", COLOR_ACTIVEBORDER},
        {u"clInactiveBorder", COLOR_INACTIVEBORDER},
        {u"clAppWorkSpace", COLOR_APPWORKSPACE},
        {u"clHighlight", COLOR_HIGHLIGHT},
        {u"clHighlightText", COLOR_HIGHLIGHTTEXT},
        {u"clBtnFace", COLOR_BTNFACE},
        {u"clBtnShadow", COLOR_BTNSHADOW},
        {u"clGrayText", COLOR_GRAYTEXT},
        {u"clBtnText", COLOR_BTNTEXT},
        {u"clInactiveCaptionText", COLOR_INACTIVECAPTIONTEXT},
        {u"clBtnHighlight", COLOR_BTNHIGHLIGHT},
        {u"cl3DDkShadow", COLOR_3DDKSHADOW},
        {u"cl3DLight", COLOR_3DLIGHT},
        {u"clInfoText", COLOR_INFOTEXT},
        {u"clInfoBk", COLOR_INFOBK},
        {u"clHotLight", COLOR_HOTLIGHT},
        {u"clGradientActiveCaption", COLOR_GRADIENTACTIVECAPTION},
        {u"clGradientInactiveCaption", COLOR_GRADIENTINACTIVECAPTION},
        {u"clMenuHighlight", COLOR_MENUHILIGHT},
        {u"clMenuBar", COLOR_MENUBAR},
    };
    for (const auto& [name, index] : names) {
        EXPECT_EQ(StringToColor(name), 0xFF000000u | Colour(index))
            << std::string(name.begin(), name.end());
    }
}

} // namespace
} // namespace traxo::testing
