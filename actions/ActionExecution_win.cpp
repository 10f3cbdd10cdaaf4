#include "actions/ActionExecution_win.h"

#include "platform/ScopedWin_win.h"
#include "platform/SystemLibrary_win.h"
#include "platform/WideText_win.h"

#include <mmsystem.h>
#include <shellapi.h>
#include <string>

namespace traxo {
namespace {

HWND AsHwnd(WindowHandle window) {
    return static_cast<HWND>(window);
}

// The default wave-out device, named by its identifier where a handle is asked for.
constexpr UINT kDefaultWaveOut = 0;
HWAVEOUT DefaultWaveOutHandle() {
    return reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(kDefaultWaveOut));
}

// The wave-out functions, from the system folder's winmm.dll, resolved when first used.
using WaveOutGetDevCapsFunction = MMRESULT(WINAPI*)(UINT_PTR, LPWAVEOUTCAPSW, UINT);
using WaveOutGetVolumeFunction = MMRESULT(WINAPI*)(HWAVEOUT, LPDWORD);
using WaveOutSetVolumeFunction = MMRESULT(WINAPI*)(HWAVEOUT, DWORD);

template <class Function> Function WaveOutFunction(const char* name) {
    return SystemFunction<Function>(L"winmm.dll", name);
}

bool SameTextIgnoringCase(const wchar_t* a, std::u16string_view b) {
    return CompareStringOrdinal(a, -1, reinterpret_cast<const wchar_t*>(b.data()),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// The system's text for an error code, without its line break; the code itself when there is
// none.
std::u16string SystemErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const ScopedLocalMemory ownedBuffer(buffer);
    std::u16string text;
    if (length > 0 && buffer != nullptr) {
        text.assign(reinterpret_cast<const char16_t*>(buffer), length);
    }
    while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n' || text.back() == u' ')) {
        text.pop_back();
    }
    if (text.empty()) {
        const std::wstring code = L"Error " + std::to_wstring(error);
        text.assign(code.begin(), code.end());
    }
    return text;
}

} // namespace

std::optional<std::u16string> OpenWithShellVerb(HWND owner, const std::wstring& file,
                                                const std::wstring& parameters,
                                                const std::wstring& directory) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
    info.nShow = SW_SHOW;
    if (ShellExecuteExW(&info)) {
        return std::nullopt;
    }
    return SystemErrorText(GetLastError());
}

std::optional<std::u16string> WindowsActionSystem::OpenWithShell(const ShellStep& step) {
    if (!step.currentDirectory.empty()) {
        SetCurrentDirectoryW(WideText(step.currentDirectory).c_str());
    }
    return OpenWithShellVerb(owner_, WideText(step.program), WideText(step.parameters),
                             WideText(step.directory));
}

bool WindowsActionSystem::IsWindowVisible(WindowHandle window) {
    return ::IsWindowVisible(AsHwnd(window)) != FALSE;
}

int WindowsActionSystem::GetShowState(WindowHandle window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(AsHwnd(window), &placement)) {
        const std::wstring error = std::to_wstring(GetLastError());
        MessageBoxW(nullptr, error.c_str(), L"error", MB_OK);
        return -1;
    }
    return static_cast<int>(placement.showCmd);
}

void WindowsActionSystem::PostSysCommand(WindowHandle window, std::uint32_t command) {
    PostMessageW(AsHwnd(window), WM_SYSCOMMAND, command, 0);
}

void WindowsActionSystem::LockWorkStation() {
    ::LockWorkStation();
}

bool WindowsActionSystem::HasWaveOutDevice() {
    const auto getDevCaps = WaveOutFunction<WaveOutGetDevCapsFunction>("waveOutGetDevCapsW");
    WAVEOUTCAPSW caps{};
    return getDevCaps != nullptr &&
           getDevCaps(kDefaultWaveOut, &caps, sizeof(caps)) == MMSYSERR_NOERROR;
}

std::optional<std::uint32_t> WindowsActionSystem::ReadWaveOutVolume() {
    const auto getVolume = WaveOutFunction<WaveOutGetVolumeFunction>("waveOutGetVolume");
    DWORD volume = 0;
    if (getVolume == nullptr || getVolume(DefaultWaveOutHandle(), &volume) != MMSYSERR_NOERROR) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(volume);
}

void WindowsActionSystem::WriteWaveOutVolume(std::uint32_t volume) {
    if (const auto setVolume = WaveOutFunction<WaveOutSetVolumeFunction>("waveOutSetVolume")) {
        setVolume(DefaultWaveOutHandle(), volume);
    }
}

bool WindowsActionSystem::FileExists(std::u16string_view fullPath) {
    const DWORD attributes = GetFileAttributesW(WideText(fullPath).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::uint8_t> WindowsActionSystem::VirtualKeyOfKeyName(std::u16string_view name) {
    for (UINT virtualKey = 0x08; virtualKey <= 0xFF; ++virtualKey) {
        const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
        wchar_t keyName[64] = {};
        if (scanCode != 0 && GetKeyNameTextW(static_cast<LONG>(scanCode << 16), keyName, 64) > 0 &&
            SameTextIgnoringCase(keyName, name)) {
            return static_cast<std::uint8_t>(virtualKey);
        }
    }
    return std::nullopt;
}

std::u16string WindowsActionSystem::WindowsFolder() {
    wchar_t folder[MAX_PATH] = L"";
    const UINT length = GetSystemWindowsDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    std::u16string path(reinterpret_cast<const char16_t*>(folder), length);
    if (path.back() != u'\\') {
        path += u'\\';
    }
    return path;
}

} // namespace traxo
