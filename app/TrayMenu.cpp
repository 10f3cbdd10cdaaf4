#include "app/TrayMenu.h"

#include "app/EngineTexts.h"

#include <optional>
#include <utility>

namespace traxo {
namespace {

struct TrayCaption {
    TrayCommand command;
    std::optional<EngineText> text; // none for the separator
};

constexpr TrayCaption kTrayCaptions[] = {
    {mnActive, EngineText::TrayActive}, {mnConfigure, EngineText::TrayConfigure},
    {kTraySeparator, std::nullopt},     {mnAutostart, EngineText::TrayAutostart},
    {mnExit, EngineText::TrayExit},
};

constexpr std::u16string_view kSeparatorCaption = u"-";

constexpr std::uint32_t kWmContextMenu = 0x007B;
constexpr std::uint32_t kWmLButtonUp = 0x0202;
constexpr std::uint32_t kWmRButtonUp = 0x0205;
constexpr std::uint32_t kNinSelect = 0x0400;    // keyboard or mouse select (newer shells)
constexpr std::uint32_t kNinKeySelect = 0x0401; // Enter or Space on the focused icon

} // namespace

std::vector<TrayMenuEntry> BuildTrayMenu(Language language, bool active, bool willAutoStart) {
    std::vector<TrayMenuEntry> entries;
    for (const TrayCaption& caption : kTrayCaptions) {
        TrayMenuEntry entry;
        entry.command = caption.command;
        entry.caption =
            std::u16string(caption.text ? Text(*caption.text, language) : kSeparatorCaption);
        entry.checked = (caption.command == mnActive && active) ||
                        (caption.command == mnAutostart && willAutoStart);
        entry.isDefault = caption.command == mnConfigure;
        entries.push_back(std::move(entry));
    }
    return entries;
}

TrayMouseAction TrayActionFor(std::uint32_t mouseMessage) {
    switch (mouseMessage) {
    case kWmLButtonUp:
    case kNinSelect:
    case kNinKeySelect:
        return TrayMouseAction::Configure;
    case kWmRButtonUp:
    case kWmContextMenu:
        return TrayMouseAction::ShowMenu;
    default:
        return TrayMouseAction::None;
    }
}

} // namespace traxo
