#include "platform/Settings.h"

#include "platform/AppPaths.h"
#include "platform/PortableIni.h"
#include "platform/SettingsColours.h"

namespace traxo {
namespace {

constexpr std::u16string_view kMain = u"main";
constexpr std::u16string_view kExclude = u"exclude";
constexpr std::u16string_view kDefaultTail = u"clBlue";

std::int32_t ReadInteger(const IniStore& ini, std::u16string_view key, std::int32_t defaultValue) {
    return ParseStoredInteger(ini.ReadString(kMain, key, u"")).value_or(defaultValue);
}

// A value outside lowest to highest (or 0 when zeroAllowed) reads as the default.
std::int32_t ReadInRange(const IniStore& ini, std::u16string_view key, std::int32_t defaultValue,
                         std::int32_t lowest, std::int32_t highest, bool zeroAllowed = false) {
    const std::int32_t value = ReadInteger(ini, key, defaultValue);
    return (value >= lowest && value <= highest) || (zeroAllowed && value == 0) ? value
                                                                                : defaultValue;
}

bool ReadBool(const IniStore& ini, std::u16string_view key, bool defaultValue) {
    return ReadInteger(ini, key, defaultValue ? 1 : 0) != 0;
}

std::u16string DecimalText(std::int32_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

// Collects whether any write was refused.
class SettingsWriter {
public:
    explicit SettingsWriter(IniStore& ini) : ini_(ini) {}

    void String(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
        Note(ini_.WriteString(section, key, value));
    }
    void Integer(std::u16string_view key, std::int32_t value) {
        String(kMain, key, DecimalText(value));
    }
    void Bool(std::u16string_view key, bool value) { String(kMain, key, value ? u"1" : u"0"); }
    void EraseSection(std::u16string_view section) { Note(ini_.EraseSection(section)); }
    void Note(bool written) { allWritten_ = allWritten_ && written; }
    bool AllWritten() const { return allWritten_; }

private:
    IniStore& ini_;
    bool allWritten_ = true;
};

} // namespace

std::u16string ReadSettingsVersion(const IniStore& ini) {
    return ini.ReadString(kMain, u"version", u"");
}

Settings ReadSettings(IniStore& ini, std::u16string_view appFolder) {
    ini.Open(); // a file that cannot be created reads as all defaults
    Settings settings;
    settings.tail =
        StringToColor(ini.ReadString(kMain, u"tail", kDefaultTail)).value_or(settings.tail);
    settings.motions = FullPathFromFolder(ini.ReadString(kMain, u"motions", u""), appFolder);
    settings.tutorialPrompt = ReadBool(ini, u"tutorialPrompt", true);
    settings.showInfo = ReadBool(ini, u"showInfo", true);
    settings.autoCheck = ReadBool(ini, u"autoCheck", true);
    settings.recentList = ReadBool(ini, u"recentList", true);
    settings.showTrails = ReadBool(ini, u"showTrails", true);
    settings.fastTrails = ReadBool(ini, u"fastTrails", false);
    settings.active = ReadBool(ini, u"active", true);
    settings.mouseExMode = ReadBool(ini, u"mouseExMode", false);
    settings.invoke = ReadInRange(ini, u"invoke", 1, 0, 4);
    settings.language =
        LanguageFromNumber(ReadInRange(ini, u"language", 0, 0, 1)).value_or(Language::English);
    settings.idleTimeout =
        ReadInRange(ini, u"idleTimeout", 0, kLeastIdleTimeout, kMostIdleTimeout, true);
    settings.recogniser = ReadInRange(ini, u"recogniser", 0, 0, 1);
    for (const std::u16string& key : ini.ReadKeyNames(kExclude)) {
        settings.excludedPrograms.push_back(ini.ReadString(kExclude, key, u""));
    }
    return settings;
}

std::optional<std::u16string> SaveSettings(IniStore& ini, const Settings& settings,
                                           std::u16string_view appFolder) {
    SettingsWriter write(ini);
    write.Note(ini.Open());
    write.String(kMain, u"version", kSettingsVersion);
    write.String(kMain, u"motions", PathRelativeToFolder(settings.motions, appFolder));
    write.Bool(u"active", settings.active);
    write.Bool(u"tutorialPrompt", settings.tutorialPrompt);
    write.Bool(u"showInfo", settings.showInfo);
    write.Bool(u"showTrails", settings.showTrails);
    write.Bool(u"autoCheck", settings.autoCheck);
    write.Bool(u"mouseExMode", settings.mouseExMode);
    write.Bool(u"fastTrails", settings.fastTrails);
    write.Bool(u"recentList", settings.recentList);
    write.Integer(u"language", LanguageNumber(settings.language));
    write.Integer(u"idleTimeout", settings.idleTimeout);
    write.Integer(u"invoke", settings.invoke);
    write.String(kMain, u"tail", ColorToString(settings.tail));
    write.Integer(u"recogniser", settings.recogniser);
    write.EraseSection(kExclude);
    for (std::size_t i = 0; i < settings.excludedPrograms.size(); ++i) {
        const std::string index = std::to_string(i);
        write.String(kExclude, u"program" + std::u16string(index.begin(), index.end()),
                     settings.excludedPrograms[i]);
    }
    if (write.AllWritten()) {
        return std::nullopt;
    }
    return u"Unable to write to " + ini.FilePath().u16string();
}

std::optional<std::u16string> SaveSettingsFile(const std::filesystem::path& file,
                                               const Settings& settings,
                                               std::u16string_view appFolder) {
    IniFileEdit edit(file);
    const std::optional<std::u16string> failure = SaveSettings(edit, settings, appFolder);
    if (failure || !edit.Commit()) {
        return u"Unable to write to " + file.u16string();
    }
    return std::nullopt;
}

} // namespace traxo
