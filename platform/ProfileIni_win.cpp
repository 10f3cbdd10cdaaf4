#include "platform/ProfileIni_win.h"

#include "platform/ScopedWin_win.h"
#include "platform/WideText_win.h"

#include <windows.h>

#include <system_error>
#include <utility>

namespace traxo {

ProfileIni::ProfileIni(std::filesystem::path file) : file_(std::move(file)) {
    // A bare or relative name would make the system look in the Windows folder.
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(file_, error);
    if (!error) {
        file_ = std::move(full);
    }
}

bool ProfileIni::Open() {
    const ScopedKernelHandle file(CreateFileW(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        const DWORD attributes = GetFileAttributesW(file_.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    static constexpr unsigned char kEmptyUtf16File[] = {0xFF, 0xFE, '\r', 0, '\n', 0};
    DWORD written = 0;
    const BOOL ok = WriteFile(file, kEmptyUtf16File, sizeof kEmptyUtf16File, &written, nullptr);
    return ok && written == sizeof kEmptyUtf16File;
}

std::u16string ProfileIni::ReadString(std::u16string_view section, std::u16string_view key,
                                      std::u16string_view defaultValue) const {
    wchar_t buffer[kIniReadBufferUnits];
    const DWORD length = GetPrivateProfileStringW(WideText(section).c_str(), WideText(key).c_str(),
                                                  WideText(defaultValue).c_str(), buffer,
                                                  DWORD(kIniReadBufferUnits), file_.c_str());
    return std::u16string(buffer, buffer + length);
}

bool ProfileIni::WriteString(std::u16string_view section, std::u16string_view key,
                             std::u16string_view value) {
    return WritePrivateProfileStringW(WideText(section).c_str(), WideText(key).c_str(),
                                      WideText(value).c_str(), file_.c_str()) != FALSE;
}

bool ProfileIni::EraseSection(std::u16string_view section) {
    return WritePrivateProfileStringW(WideText(section).c_str(), nullptr, nullptr, file_.c_str()) !=
           FALSE;
}

std::vector<std::u16string> ProfileIni::ReadKeyNames(std::u16string_view section) const {
    std::wstring buffer(kIniKeyNamesBufferUnits, L'\0');
    GetPrivateProfileStringW(WideText(section).c_str(), nullptr, L"", buffer.data(),
                             DWORD(buffer.size()), file_.c_str());
    return KeyNamesFromBuffer(std::u16string(buffer.begin(), buffer.end()));
}

} // namespace traxo
