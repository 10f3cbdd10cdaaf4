#include "controls/HighContrast_win.h"

namespace traxo {
namespace {

// Where the user's profile keeps the setting.
constexpr wchar_t kStoredKey[] = L"Control Panel\\Accessibility\\HighContrast";
constexpr wchar_t kStoredValue[] = L"Flags";
// A decimal 32-bit number and its terminator fit; a longer value is not a setting.
constexpr DWORD kStoredChars = 16;

struct HighContrastCache {
    bool read = false;
    std::optional<SystemColours> colours;
};

HighContrastCache& Cache() {
    static HighContrastCache cache;
    return cache;
}

Colour SystemColour(int index) {
    return static_cast<Colour>(GetSysColor(index)) & 0x00FFFFFFu;
}

BOOL CALLBACK RepaintWindow(HWND window, LPARAM) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

} // namespace

std::uint32_t Win32HighContrastSystem::ReportedFlags() {
    HIGHCONTRASTW settings{};
    settings.cbSize = sizeof(settings);
    if (!SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(settings), &settings, 0)) {
        return 0;
    }
    return static_cast<std::uint32_t>(settings.dwFlags);
}

std::optional<std::u16string> Win32HighContrastSystem::StoredFlags() {
    wchar_t text[kStoredChars]{};
    DWORD bytes = sizeof(text);
    if (RegGetValueW(HKEY_CURRENT_USER, kStoredKey, kStoredValue, RRF_RT_REG_SZ, nullptr, text,
                     &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    text[kStoredChars - 1] = L'\0';
    std::u16string value;
    for (const wchar_t* c = text; *c != L'\0'; ++c) {
        value.push_back(static_cast<char16_t>(*c));
    }
    return value;
}

SystemColours Win32HighContrastSystem::Colours() {
    return {SystemColour(COLOR_WINDOW),    SystemColour(COLOR_WINDOWTEXT),
            SystemColour(COLOR_BTNFACE),   SystemColour(COLOR_BTNTEXT),
            SystemColour(COLOR_HIGHLIGHT), SystemColour(COLOR_HIGHLIGHTTEXT),
            SystemColour(COLOR_GRAYTEXT)};
}

const SystemColours* HighContrastColours() {
    HighContrastCache& cache = Cache();
    if (!cache.read) {
        RefreshHighContrast();
    }
    return cache.colours ? &*cache.colours : nullptr;
}

bool RefreshHighContrast() {
    HighContrastCache& cache = Cache();
    Win32HighContrastSystem system;
    std::optional<SystemColours> colours = ReadHighContrast(system);
    const bool changed = !cache.read || colours != cache.colours;
    cache.read = true;
    cache.colours = colours;
    return changed;
}

void FollowSystemColours() {
    if (RefreshHighContrast()) {
        EnumThreadWindows(GetCurrentThreadId(), RepaintWindow, 0);
    }
}

} // namespace traxo
