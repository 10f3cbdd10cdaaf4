#pragma once
// The services the gesture engine reaches without knowing how they are made: the tray icon's
// notices, the autostart entry and the update check. Windows gives the real ones.

#include <string_view>

namespace traxo {

// The notification area's icon, for notices.
class TrayNotices {
public:
    virtual ~TrayNotices() = default;
    virtual void ShowNotice(std::u16string_view title, std::u16string_view text,
                            unsigned seconds) = 0;
};

// The autostart entry.
class AutostartSwitch {
public:
    virtual ~AutostartSwitch() = default;
    virtual bool WillAutoStart() = 0;
    virtual void ToggleAutoStart() = 0;
    virtual void StartCheck() = 0; // the entry is checked once, a moment after start
};

// The update check.
class UpdateService {
public:
    virtual ~UpdateService() = default;
    virtual void StartUpdateTimer() = 0; // the automatic check, once, a moment after start
};

} // namespace traxo
