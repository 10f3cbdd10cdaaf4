#pragma once
// Named string values under one registry key, as the autostart entry needs them. The Windows
// implementation works on the current user's Run key; tests use RecordingRegistry.

#include <string>
#include <string_view>

namespace traxo {

enum class RegistryStatus { Ok, Refused };

struct RegistryRead {
    RegistryStatus status = RegistryStatus::Ok;
    std::u16string value; // a missing value reads as empty
};

class StringValueStore {
public:
    virtual ~StringValueStore() = default;
    virtual RegistryRead Read(std::u16string_view name) = 0;
    virtual RegistryStatus Write(std::u16string_view name, std::u16string_view value) = 0;
    // Deleting a value that does not exist succeeds.
    virtual RegistryStatus Delete(std::u16string_view name) = 0;
};

// Where the autostart entry lives, under HKEY_CURRENT_USER.
inline constexpr std::u16string_view kRunKeyPath =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::u16string_view kAutostartValueName = u"traxo";

} // namespace traxo
