#pragma once
// The tray icon's menu and mouse as data: the entries in their order with captions, check marks
// and the default entry, and what a mouse message from the icon asks for.

#include "app/ProductInfo.h"
#include "platform/Language.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace traxo {

// Menu command identifiers; 0 stands for the separator.
enum TrayCommand : std::uint16_t {
    kTraySeparator = 0,
    mnActive = 1,
    mnConfigure = 2,
    mnAutostart = 3,
    mnExit = 4,
};

struct TrayMenuEntry {
    TrayCommand command = kTraySeparator;
    std::u16string caption;
    bool checked = false;
    bool isDefault = false; // drawn bold; a double click's target
};

// popupIcon in its order; language 1 Chinese, otherwise English.
std::vector<TrayMenuEntry> BuildTrayMenu(Language language, bool active, bool willAutoStart);

enum class TrayMouseAction { None, Configure, ShowMenu };

// The icon's callback carries the mouse message in its lParam (the classic notification form,
// which every shell and Wine send): a left click opens the window, a right click the menu.
TrayMouseAction TrayActionFor(std::uint32_t mouseMessage);

// What the icon and its menu ask for.
class TrayOwner {
public:
    virtual ~TrayOwner() = default;
    virtual void Settings1Click() = 0;
    virtual void mnActiveClick() = 0;
    virtual void mnAutostartClick() = 0;
    virtual void mnExitClick() = 0;
    // PopupMenu1Popup's state of the check marks, and the captions' language.
    virtual bool IsActive() = 0;
    virtual bool WillAutoStart() = 0;
    virtual Language CurrentLanguage() = 0;
};

} // namespace traxo
