#include "platform/Registry_win.h"

#include "platform/ScopedWin_win.h"
#include "platform/WideText_win.h"

#include <windows.h>

#include <vector>

namespace traxo {
namespace {

class OpenKey {
public:
    explicit OpenKey(REGSAM access) {
        const std::wstring path = WideText(kRunKeyPath);
        HKEY opened = nullptr;
        if (access == KEY_READ) {
            status_ = RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, access, &opened);
        } else {
            status_ = RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, access,
                                      nullptr, &opened, nullptr);
        }
        key_.reset(opened);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY key() const { return key_; }
    LSTATUS status() const { return status_; }

private:
    ScopedRegistryKey key_;
    LSTATUS status_ = ERROR_SUCCESS;
};

} // namespace

RegistryRead RunKeyRegistry::Read(std::u16string_view name) {
    OpenKey key(KEY_READ);
    if (key.status() == ERROR_FILE_NOT_FOUND) {
        return {}; // no Run key: no entry
    }
    if (key.status() != ERROR_SUCCESS) {
        return {RegistryStatus::Refused, {}};
    }
    const std::wstring valueName = WideText(name);
    DWORD type = 0;
    DWORD bytes = 0;
    LSTATUS status =
        RegQueryValueExW(key.key(), valueName.c_str(), nullptr, &type, nullptr, &bytes);
    if (status == ERROR_FILE_NOT_FOUND) {
        return {};
    }
    if (status != ERROR_SUCCESS) {
        return {RegistryStatus::Refused, {}};
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        return {}; // not a path: reads as no entry
    }
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    status = RegQueryValueExW(key.key(), valueName.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(buffer.data()), &bytes);
    if (status != ERROR_SUCCESS) {
        return {RegistryStatus::Refused, {}};
    }
    buffer.back() = L'\0'; // the stored data need not end in a terminator
    return {RegistryStatus::Ok, Utf16Text(buffer.data())};
}

RegistryStatus RunKeyRegistry::Write(std::u16string_view name, std::u16string_view value) {
    OpenKey key(KEY_SET_VALUE);
    if (key.status() != ERROR_SUCCESS) {
        return RegistryStatus::Refused;
    }
    const std::wstring valueName = WideText(name);
    const std::wstring data = WideText(value);
    const LSTATUS status = RegSetValueExW(key.key(), valueName.c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(data.c_str()),
                                          static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    return status == ERROR_SUCCESS ? RegistryStatus::Ok : RegistryStatus::Refused;
}

RegistryStatus RunKeyRegistry::Delete(std::u16string_view name) {
    OpenKey key(KEY_SET_VALUE);
    if (key.status() != ERROR_SUCCESS) {
        return RegistryStatus::Refused;
    }
    const std::wstring valueName = WideText(name);
    const LSTATUS status = RegDeleteValueW(key.key(), valueName.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? RegistryStatus::Ok
                                                                     : RegistryStatus::Refused;
}

} // namespace traxo
