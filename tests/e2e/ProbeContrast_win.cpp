#include "ProbeContrast_win.h"

#include "ProbeOutput_win.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

enum ExitCode { kOk = 0, kFailed = 3, kUsage = 2 };

constexpr wchar_t kKey[] = L"Control Panel\\Accessibility\\HighContrast";
constexpr wchar_t kValue[] = L"Flags";

bool ParseIndex(const std::wstring& text, int& index) {
    wchar_t* end = nullptr;
    const long value = std::wcstol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != L'\0' || value < 0 || value > 40) {
        return false;
    }
    index = static_cast<int>(value);
    return true;
}

// INDEX=RRGGBB
bool ParseAssignment(const std::wstring& text, int& index, COLORREF& colour) {
    const size_t equals = text.find(L'=');
    if (equals == std::wstring::npos || text.size() - equals - 1 != 6 ||
        !ParseIndex(text.substr(0, equals), index)) {
        return false;
    }
    wchar_t* end = nullptr;
    const unsigned long rgb = std::wcstoul(text.c_str() + equals + 1, &end, 16);
    if (*end != L'\0') {
        return false;
    }
    colour = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    return true;
}

int PrintColours(const std::vector<std::wstring>& args) {
    std::string line;
    for (size_t i = 1; i < args.size(); ++i) {
        int index = 0;
        if (!ParseIndex(args[i], index)) {
            return kUsage;
        }
        const COLORREF colour = GetSysColor(index);
        char item[32];
        std::snprintf(item, sizeof(item), "%s%d=%02X%02X%02X", line.empty() ? "" : " ", index,
                      GetRValue(colour), GetGValue(colour), GetBValue(colour));
        line += item;
    }
    std::printf("%s\n", line.c_str());
    return kOk;
}

int SetColours(const std::vector<std::wstring>& args) {
    std::vector<INT> indexes;
    std::vector<COLORREF> colours;
    for (size_t i = 1; i < args.size(); ++i) {
        int index = 0;
        COLORREF colour = 0;
        if (!ParseAssignment(args[i], index, colour)) {
            return kUsage;
        }
        indexes.push_back(index);
        colours.push_back(colour);
    }
    if (indexes.empty()) {
        return kUsage;
    }
    return SetSysColors(static_cast<int>(indexes.size()), indexes.data(), colours.data()) ? kOk
                                                                                          : kFailed;
}

std::wstring StoredFlags() {
    wchar_t text[64]{};
    DWORD bytes = sizeof(text) - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_REG_SZ, nullptr, text, &bytes) !=
        ERROR_SUCCESS) {
        return L"-";
    }
    return text;
}

int StoreFlags(const std::wstring& value) {
    const std::wstring before = StoredFlags();
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return kFailed;
    }
    LSTATUS status = ERROR_SUCCESS;
    if (value == L"-") {
        status = RegDeleteValueW(key, kValue);
        status = status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
    } else {
        status =
            RegSetValueExW(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        return kFailed;
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST,
                        reinterpret_cast<LPARAM>(L"HighContrast"), SMTO_ABORTIFHUNG, 5000,
                        &ignored);
    PrintLine(before);
    return kOk;
}

} // namespace

int HighContrastCommand(const std::vector<std::wstring>& args) {
    if (args.empty()) {
        return kUsage;
    }
    if (args[0] == L"colours") {
        return PrintColours(args);
    }
    if (args[0] == L"set-colours") {
        return SetColours(args);
    }
    if (args[0] == L"flags" && args.size() == 2) {
        return StoreFlags(args[1]);
    }
    return kUsage;
}
