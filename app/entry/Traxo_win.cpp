// The program's entry: the library search restricted, one instance per session, the hook library
// next to the executable, the windows created once in their order, and the message loop until the
// main window closes.
#include "app/Startup.h"
#include "platform/PathCase_win.h"
#include "platform/Settings.h"
#include "platform/WideText_win.h"
#include "sets/FileBytes.h"
#include "ui/main/MainDialogs_win.h"
#include "ui/main/MainWindow_win.h"
#include "ui/main/RunningInstance_win.h"
// After the views: its <windows.h> must not come before the canvas interface they implement.
#include "platform/SystemLibrary_win.h"

#include <windows.h>

#include <commctrl.h>
#include <filesystem>
#include <span>
#include <string>

namespace traxo {
namespace {

std::u16string ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            return std::u16string(path.begin(), path.begin() + length);
        }
        path.resize(path.size() * 2);
    }
}

std::filesystem::path InFolder(const std::u16string& folder, std::u16string_view name) {
    return PathOf(folder) / PathOf(name);
}

// The library as carried in the executable: resource RCDATA "MouseCore".
std::span<const std::uint8_t> EmbeddedHookLibrary() {
    const HRSRC resource = FindResourceW(nullptr, L"MouseCore", MAKEINTRESOURCEW(10));
    const HGLOBAL loaded = resource == nullptr ? nullptr : LoadResource(nullptr, resource);
    if (loaded == nullptr) {
        return {};
    }
    return {static_cast<const std::uint8_t*>(LockResource(loaded)),
            SizeofResource(nullptr, resource)};
}

// Run only by the instance that goes on running: a second start never touches the file that
// the first has loaded.
ProvidedHookLibrary ProvideHookLibrary(const std::u16string& appFolder) {
    const std::span<const std::uint8_t> library = EmbeddedHookLibrary();
    if (library.empty()) {
        return {};
    }
    return ProvideHookLibraryFile(InFolder(appFolder, kHookLibraryFileName), library,
                                  WriteFileReplacing);
}

// Gestures without the hook library are off: the user is told once why, and the program goes
// on running. Asked of the main window, whose load is the one that counts.
void TellWhenGesturesAreOff(HWND owner, HookLibraryFileState fileState, bool gesturesAvailable,
                            const std::u16string& appFolder) {
    if (const auto notice = HookLibraryNotice(fileState, gesturesAvailable, appFolder)) {
        MessageBoxW(owner, WideText(*notice).c_str(), kProductTitle, MB_OK | MB_ICONWARNING);
    }
}

// The application's own hidden top-level window owns every form: as a tool window it keeps the
// program off the taskbar, and so do the windows it owns.
HWND CreateApplicationWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TraxoApplication";
    RegisterClassExW(&windowClass);
    return CreateWindowExW(WS_EX_TOOLWINDOW, L"TraxoApplication", kProductTitle, WS_POPUP, 0, 0, 0,
                           0, nullptr, nullptr, windowClass.hInstance, nullptr);
}

void InitialiseCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
}

int RunMessageLoop(TgestureConfigForm& mainForm) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (mainForm.FormKeyPress(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

int RunProgram() {
    UsePathCaseFolding(SystemPathCaseFolding()); // program paths fold as the system folds them
    const InstanceLock instance;
    if (!instance.IsFirst()) {
        ShowRunningInstance();
        return 0;
    }
    InitialiseCommonControls();
    const std::u16string modulePath = ModulePath();
    const std::u16string appFolder = AppFolderOf(modulePath);
    const ProvidedHookLibrary hookLibrary = ProvideHookLibrary(appFolder);
    const HWND applicationWindow = CreateApplicationWindow();
    TgestureConfigForm mainForm(modulePath, applicationWindow, hookLibrary.file);
    if (mainForm.hwnd() == nullptr) {
        return 0;
    }
    MainDialogs dialogs(applicationWindow);
    mainForm.UseDialogs(dialogs);
    mainForm.FirstRunPrompt();
    TellWhenGesturesAreOff(applicationWindow, hookLibrary.state, mainForm.GesturesAvailable(),
                           appFolder);
    return RunMessageLoop(mainForm);
}

} // namespace
} // namespace traxo

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    traxo::RestrictLibrarySearchToSystemFolder(); // before any library is loaded at run time
    return traxo::RunProgram();
}
