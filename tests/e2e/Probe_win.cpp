// traxo_e2e_probe: the Windows side of the end-to-end tests. It shows a target window whose
// mouse messages and text the tests read from files, and it looks at and pokes the windows of
// the program under test from outside, as another process on the same desktop.
//
//   target LOGDIR                  show "Traxo test target" and log into LOGDIR until closed
//   find-window CLASS [TITLE]      exit 0 when a top-level window exists; prints visible=0/1
//   count-windows CLASS            prints the number of top-level windows of the class
//   click-button TITLE TEXT        BM_CLICK to the button TEXT of a visible window TITLE
//   list-buttons TITLE             prints the buttons of the visible windows titled TITLE
//   list-texts TITLE               prints the texts of the controls of visible windows TITLE
//   close-window CLASS             posts WM_CLOSE to the first window of the class
//   exe-of-window CLASS [TITLE]    prints the owner's executable path, as the program reads it
//   hook-record                    prints the hook library's shared record, if any process has it
//   foreground                     prints class and title of the foreground window
//   end-session CLASS normal|critical  asks the window whether the session may end and prints
//                                  query=0/1; on 1 tells it the session ends (WM_ENDSESSION)
//   time-show CLASS N              N times: hide, show, paint; prints the milliseconds of each
//   tray-recorder LOGFILE          stands in for the notification area and logs each call to it
//   window-handle CLASS            prints the handle of the class's window, in decimal
//   button-rect TITLE TEXT         prints the screen rectangle of a button (TEXT may use \uXXXX)
//   glyphs FACE HEIGHT TEXT        exit 0 when every character draws a real glyph, not the box
//   child-text CLASS CHILDCLASS    prints the text of the first visible child of that class
//   dpi CLASS                      prints the screen's DPI, the window's and its DPI awareness
//   cut-texts CLASS                prints the visible labels, buttons and boxes of the window
//                                  whose text does not fit them at their font; none: "none"
//   memory CLASS                   prints the memory of the window's process (ProbeMemory_win.h)
//   focus CLASS                    prints the window with the focus in the window's thread
//                                  (ProbeFocus_win.h)
//   accessible CLASS ROWS          prints the controls' accessible objects (ProbeAccessible_win.h)
//   high-contrast ...              reads or sets the system colours and the stored high-contrast
//                                  setting (ProbeContrast_win.h)
//   serve                          reads commands from its input, one a line (see Serve)
#include "ProbeAccessible_win.h"
#include "ProbeContrast_win.h"
#include "ProbeFocus_win.h"
#include "ProbeMemory_win.h"
#include "ProbeOutput_win.h"
#include "platform/ProductIdentity.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <shellapi.h>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kTargetClass[] = L"TraxoE2eTarget";
constexpr wchar_t kTargetTitle[] = L"Traxo test target";
constexpr int kTargetX = 100;
constexpr int kTargetY = 100;
constexpr int kTargetWidth = 600;
constexpr int kTargetHeight = 400;

enum ExitCode { kOk = 0, kNotFound = 1, kUsage = 2, kFailed = 3 };

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

// Button captions carry "&" for their access keys; the tests name them without it.
std::wstring WithoutAccessMarks(const std::wstring& text) {
    std::wstring result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) {
            ++i;
        }
        result += text[i];
    }
    return result;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> ChildButtons(HWND parent) {
    std::vector<HWND> buttons;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) -> BOOL {
            if (lstrcmpiW(ClassOf(child).c_str(), L"Button") == 0) {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&buttons));
    return buttons;
}

std::vector<HWND> VisibleWindowsTitled(const std::wstring& title) {
    std::vector<HWND> found;
    for (HWND window : TopLevelWindows()) {
        if (IsWindowVisible(window) && WindowText(window) == title) {
            found.push_back(window);
        }
    }
    return found;
}

// The executable of the window's process, read the way the program under test reads it.
std::wstring ExePathOfWindow(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process) {
        return {};
    }
    // From the process-status library, loaded as the program under test loads it.
    using ModuleFileNameEx = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);
    static const auto moduleFileNameEx = reinterpret_cast<ModuleFileNameEx>(reinterpret_cast<void*>(
        GetProcAddress(LoadLibraryW(L"psapi.dll"), "GetModuleFileNameExW")));
    wchar_t path[MAX_PATH] = {};
    const DWORD length = moduleFileNameEx ? moduleFileNameEx(process, nullptr, path, MAX_PATH) : 0;
    CloseHandle(process);
    return length ? std::wstring(path, length) : std::wstring();
}

// ---- target ---------------------------------------------------------------------------------

struct TargetState {
    std::wstring logDir;
    HANDLE mouseLog = INVALID_HANDLE_VALUE;
    HWND frame = nullptr;
    HWND edit = nullptr;
    WNDPROC editProc = nullptr;
};
TargetState target;

const wchar_t* MouseMessageName(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
        return L"WM_LBUTTONDOWN";
    case WM_LBUTTONUP:
        return L"WM_LBUTTONUP";
    case WM_LBUTTONDBLCLK:
        return L"WM_LBUTTONDBLCLK";
    case WM_RBUTTONDOWN:
        return L"WM_RBUTTONDOWN";
    case WM_RBUTTONUP:
        return L"WM_RBUTTONUP";
    case WM_RBUTTONDBLCLK:
        return L"WM_RBUTTONDBLCLK";
    case WM_MBUTTONDOWN:
        return L"WM_MBUTTONDOWN";
    case WM_MBUTTONUP:
        return L"WM_MBUTTONUP";
    case WM_MBUTTONDBLCLK:
        return L"WM_MBUTTONDBLCLK";
    case WM_XBUTTONDOWN:
        return L"WM_XBUTTONDOWN";
    case WM_XBUTTONUP:
        return L"WM_XBUTTONUP";
    case WM_XBUTTONDBLCLK:
        return L"WM_XBUTTONDBLCLK";
    case WM_CONTEXTMENU:
        return L"WM_CONTEXTMENU";
    default:
        return nullptr;
    }
}

// One line per message, written straight through so that a reader sees it at once.
void LogMouse(UINT message, const wchar_t* source, LPARAM lParam) {
    const wchar_t* name = MouseMessageName(message);
    if (!name || target.mouseLog == INVALID_HANDLE_VALUE) {
        return;
    }
    wchar_t line[128];
    swprintf(line, 128, L"%ls %ls %d %d %lu\n", name, source, static_cast<short>(LOWORD(lParam)),
             static_cast<short>(HIWORD(lParam)), GetTickCount());
    const std::string bytes = Utf8(line);
    DWORD written = 0;
    WriteFile(target.mouseLog, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    const std::wstring temporary = path + L".tmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    CloseHandle(file);
    // Readers see the old file or the new one, never half of one.
    return ok && MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

void WriteEditText() {
    const int length = GetWindowTextLengthW(target.edit);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(target.edit, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    WriteWholeFile(target.logDir + L"\\text.txt", Utf8(text));
}

// What the tests need to aim at the window and to name its program.
void WriteReadyFile() {
    RECT client{};
    GetClientRect(target.edit, &client);
    POINT topLeft{client.left, client.top};
    POINT bottomRight{client.right, client.bottom};
    ClientToScreen(target.edit, &topLeft);
    ClientToScreen(target.edit, &bottomRight);
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    wchar_t text[1024];
    swprintf(text, 1024, L"edit=%ld %ld %ld %ld\nforeground=%d\nfocus=%d\nexe=%ls\nexeAsSeen=%ls\n",
             topLeft.x, topLeft.y, bottomRight.x, bottomRight.y,
             GetForegroundWindow() == target.frame ? 1 : 0, GetFocus() == target.edit ? 1 : 0, self,
             ExePathOfWindow(target.frame).c_str());
    WriteWholeFile(target.logDir + L"\\ready.txt", Utf8(text));
}

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LogMouse(message, L"edit", lParam);
    if (message == WM_CONTEXTMENU) {
        return 0; // no menu: it would take the focus and the next clicks
    }
    return CallWindowProcW(target.editProc, window, message, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LogMouse(message, L"frame", lParam);
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE && reinterpret_cast<HWND>(lParam) == target.edit) {
            WriteEditText();
        }
        return 0;
    case WM_SIZE:
        if (target.edit) {
            MoveWindow(target.edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        }
        return 0;
    case WM_SETFOCUS:
        SetFocus(target.edit);
        return 0;
    case WM_CONTEXTMENU:
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

int RunTarget(const std::wstring& logDir) {
    target.logDir = logDir;
    CreateDirectoryW(logDir.c_str(), nullptr);
    target.mouseLog = CreateFileW((logDir + L"\\mouse.log").c_str(), FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (target.mouseLog == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "cannot open the mouse log\n");
        return kFailed;
    }
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW frameClass{};
    frameClass.style = CS_DBLCLKS;
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = instance;
    frameClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    frameClass.lpszClassName = kTargetClass;
    RegisterClassW(&frameClass);
    target.frame =
        CreateWindowExW(0, kTargetClass, kTargetTitle, WS_OVERLAPPEDWINDOW, kTargetX, kTargetY,
                        kTargetWidth, kTargetHeight, nullptr, nullptr, instance, nullptr);
    if (!target.frame) {
        std::fprintf(stderr, "cannot create the target window\n");
        return kFailed;
    }
    RECT client{};
    GetClientRect(target.frame, &client);
    target.edit = CreateWindowExW(
        0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, 0,
        0, client.right, client.bottom, target.frame, nullptr, instance, nullptr);
    target.editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(target.edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
    WriteEditText(); // the empty start, so that readers always find the file

    ShowWindow(target.frame, SW_SHOW);
    UpdateWindow(target.frame);
    SetForegroundWindow(target.frame);
    SetFocus(target.edit);
    // Let the window arrive on the screen before the tests aim at it.
    MSG message;
    for (int i = 0; i < 20; ++i) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
    WriteReadyFile();

    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    CloseHandle(target.mouseLog);
    return kOk;
}

// ---- looking from outside -------------------------------------------------------------------

int FindWindowCommand(const std::wstring& className, const wchar_t* title) {
    HWND window = FindWindowW(className.c_str(), title);
    if (!window) {
        PrintLine(L"visible=none");
        return kNotFound;
    }
    PrintLine(IsWindowVisible(window) ? L"visible=1" : L"visible=0");
    return kOk;
}

// The client area of the class's window in screen coordinates: "left top right bottom".
int ClientRect(const std::wstring& className) {
    HWND window = FindWindowW(className.c_str(), nullptr);
    if (!window) {
        return kNotFound;
    }
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    PrintLine(std::to_wstring(client.left) + L" " + std::to_wstring(client.top) + L" " +
              std::to_wstring(client.right) + L" " + std::to_wstring(client.bottom));
    return kOk;
}

// Times showing a window until it has painted, rounds times: ShowConfigMessage (0x3E71) for
// Traxo's main window, a plain show for any other; the window is hidden between rounds.
int TimeShow(const std::wstring& className, int rounds) {
    HWND window = FindWindowW(className.c_str(), nullptr);
    if (!window || rounds < 1) {
        return kNotFound;
    }
    const bool traxo = className == L"" TRAXO_MAIN_WINDOW_CLASS;
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    for (int round = 0; round < rounds; ++round) {
        ShowWindow(window, SW_HIDE);
        Sleep(300);
        LARGE_INTEGER begun{};
        LARGE_INTEGER painted{};
        QueryPerformanceCounter(&begun);
        if (traxo) {
            SendMessageW(window, 0x3E71, 0, 0);
        } else {
            ShowWindow(window, SW_SHOW);
        }
        UpdateWindow(window); // the paint is sent, not posted: it has run when this returns
        QueryPerformanceCounter(&painted);
        const double ms =
            1000.0 * double(painted.QuadPart - begun.QuadPart) / double(frequency.QuadPart);
        PrintLine(std::to_wstring(ms));
    }
    return kOk;
}

int CountWindows(const std::wstring& className) {
    int count = 0;
    for (HWND window : TopLevelWindows()) {
        if (lstrcmpiW(ClassOf(window).c_str(), className.c_str()) == 0) {
            ++count;
        }
    }
    PrintLine(std::to_wstring(count));
    return kOk;
}

int ClickButton(const std::wstring& title, const std::wstring& text) {
    for (HWND window : VisibleWindowsTitled(title)) {
        for (HWND button : ChildButtons(window)) {
            if (IsWindowVisible(button) && WithoutAccessMarks(WindowText(button)) == text) {
                PostMessageW(button, BM_CLICK, 0, 0);
                return kOk;
            }
        }
    }
    return kNotFound;
}

int ListButtons(const std::wstring& title) {
    for (HWND window : VisibleWindowsTitled(title)) {
        for (HWND button : ChildButtons(window)) {
            PrintLine(ClassOf(window) + L": " + WindowText(button) +
                      (IsWindowVisible(button) ? L"" : L" (hidden)"));
        }
    }
    return kOk;
}

// The texts of the visible controls of the visible windows titled so: "CLASS: text" per line.
int ListTexts(const std::wstring& title) {
    for (HWND window : VisibleWindowsTitled(title)) {
        std::vector<HWND> children;
        EnumChildWindows(
            window,
            [](HWND child, LPARAM list) -> BOOL {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&children));
        for (HWND child : children) {
            const std::wstring text = WindowText(child);
            if (IsWindowVisible(child) && !text.empty()) {
                PrintLine(ClassOf(child) + L": " + text);
            }
        }
    }
    return kOk;
}

int CloseWindowCommand(const std::wstring& className) {
    HWND window = FindWindowW(className.c_str(), nullptr);
    if (!window) {
        return kNotFound;
    }
    return PostMessageW(window, WM_CLOSE, 0, 0) ? kOk : kFailed;
}

int ExeOfWindow(const std::wstring& className, const wchar_t* title) {
    HWND window = FindWindowW(className.c_str(), title);
    if (!window) {
        return kNotFound;
    }
    PrintLine(ExePathOfWindow(window));
    return kOk;
}

// The record that the hook library shares between processes, while any process holds it.
int HookRecord() {
    HANDLE mapping = OpenFileMappingW(FILE_MAP_READ, FALSE, L"HookRecMemBlock");
    if (!mapping) {
        PrintLine(L"none");
        return kNotFound;
    }
    const auto* bytes =
        static_cast<const unsigned char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 20));
    if (!bytes) {
        CloseHandle(mapping);
        return kFailed;
    }
    unsigned long handle = 0;
    unsigned short hideMove = 0;
    unsigned short trapButton = 0;
    std::memcpy(&handle, bytes, 4);
    std::memcpy(&hideMove, bytes + 16, 2);
    std::memcpy(&trapButton, bytes + 18, 2);
    wchar_t line[128];
    swprintf(line, 128, L"HookHandle=%lu HideMove=%u TrapButton=%u", handle, hideMove, trapButton);
    PrintLine(line);
    UnmapViewOfFile(bytes);
    CloseHandle(mapping);
    return kOk;
}

// Waits until a window of that class and title answers a message, which its thread does only
// once it is back in its message loop; prints the milliseconds waited.
int WaitReady(const std::wstring& className, const std::wstring& title) {
    const ULONGLONG begun = GetTickCount64();
    while (GetTickCount64() - begun < 60000) {
        const HWND window = FindWindowW(className.c_str(), title.c_str());
        DWORD_PTR ignored = 0;
        if (window != nullptr &&
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &ignored)) {
            PrintLine(std::to_wstring(GetTickCount64() - begun));
            return kOk;
        }
        Sleep(1);
    }
    return kNotFound;
}

int Foreground() {
    HWND window = GetForegroundWindow();
    PrintLine(window ? ClassOf(window) + L"\t" + WindowText(window) : L"(none)");
    return kOk;
}

// A log-off as the system does it to one window: the question, then the end on a yes.
int EndSession(const std::wstring& className, const std::wstring& kind) {
    HWND window = FindWindowW(className.c_str(), nullptr);
    if (!window || (kind != L"normal" && kind != L"critical")) {
        return kNotFound;
    }
    const LPARAM reason = kind == L"critical" ? ENDSESSION_CRITICAL : 0;
    DWORD_PTR mayEnd = 0;
    if (!SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, reason, SMTO_NORMAL, 120000, &mayEnd)) {
        return kFailed;
    }
    PrintLine(mayEnd ? L"query=1" : L"query=0");
    if (mayEnd) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, reason, SMTO_NORMAL, 120000, &ignored);
    }
    return kOk;
}

// A message posted to the class's window; numbers in decimal or 0x hex.
int PostMessageCommand(const std::wstring& className, const std::wstring& message,
                       const std::wstring& wParam, const std::wstring& lParam) {
    HWND window = FindWindowW(className.c_str(), nullptr);
    if (!window) {
        return kNotFound;
    }
    const UINT id = static_cast<UINT>(std::wcstoul(message.c_str(), nullptr, 0));
    const WPARAM w = static_cast<WPARAM>(std::wcstoul(wParam.c_str(), nullptr, 0));
    const LPARAM l = static_cast<LPARAM>(std::wcstol(lParam.c_str(), nullptr, 0));
    return PostMessageW(window, id, w, l) ? kOk : kFailed;
}

// The shell's "TaskbarCreated" as a restarted shell sends it to every top-level window.
int TaskbarCreated() {
    const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message != 0 && PostMessageW(HWND_BROADCAST, message, 0, 0) ? kOk : kFailed;
}

// The handle of the class's window as a number, which names the window after it is gone.
int WindowHandle(const std::wstring& className) {
    HWND window = FindWindowW(className.c_str(), nullptr);
    if (!window) {
        return kNotFound;
    }
    PrintLine(std::to_wstring(reinterpret_cast<UINT_PTR>(window)));
    return kOk;
}

// Whether the shell knows the notification icon (window of the class, or the handle given as
// "#NUMBER", icon id): a modification that changes nothing succeeds for a known icon only.
// "delete" removes it, as a shell restart loses it.
int TrayIcon(const std::wstring& className, const std::wstring& id, const std::wstring& action) {
    HWND window = className.rfind(L"#", 0) == 0
                      ? reinterpret_cast<HWND>(static_cast<UINT_PTR>(
                            std::wcstoull(className.c_str() + 1, nullptr, 10)))
                      : FindWindowW(className.c_str(), nullptr);
    if (!window) {
        return kNotFound;
    }
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = static_cast<UINT>(std::wcstoul(id.c_str(), nullptr, 0));
    if (action == L"delete") {
        return Shell_NotifyIconW(NIM_DELETE, &data) ? kOk : kFailed;
    }
    const bool known = Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
    PrintLine(known ? L"icon=1" : L"icon=0");
    return kOk;
}

// A stand-in for the shell's notification area: a window of the shell's tray class, above the
// real one, so that the notification-icon calls of programs come here. Each call is logged as
// "NIM_CODE WINDOW" (the code as the call carries it, the owner's handle in decimal) and
// succeeds. Runs until closed.
int TrayRecorder(const std::wstring& logFile) {
    static std::wstring log;
    log = logFile;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam) -> LRESULT {
        if (message == WM_COPYDATA) {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (FILE* file = _wfopen(log.c_str(), L"ab")) {
                std::fprintf(file, "%lu %llu\n", static_cast<unsigned long>(data->dwData),
                             static_cast<unsigned long long>(wParam));
                std::fclose(file);
            }
            return TRUE;
        }
        if (message == WM_DESTROY) {
            PostQuitMessage(0);
        }
        return DefWindowProcW(window, message, wParam, lParam);
    };
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"Shell_TrayWnd";
    if (!RegisterClassW(&windowClass)) {
        return kFailed;
    }
    const HWND window =
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"Shell_TrayWnd", L"", WS_POPUP, 0, 0, 0,
                        0, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) {
        return kFailed;
    }
    if (FindWindowExW(nullptr, nullptr, L"Shell_TrayWnd", nullptr) != window) {
        return kFailed; // the shell's own would still get the calls
    }
    if (FILE* file = _wfopen(log.c_str(), L"ab")) {
        std::fprintf(file, "ready\n");
        std::fclose(file);
    }
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return kOk;
}

// The whole window of the class in screen coordinates, and whether it is visible:
// "left top right bottom visible".
int WindowRect(const std::wstring& className) {
    HWND window = FindWindowW(className.c_str(), nullptr);
    if (!window) {
        return kNotFound;
    }
    RECT rect{};
    GetWindowRect(window, &rect);
    PrintLine(std::to_wstring(rect.left) + L" " + std::to_wstring(rect.top) + L" " +
              std::to_wstring(rect.right) + L" " + std::to_wstring(rect.bottom) + L" " +
              (IsWindowVisible(window) ? L"1" : L"0"));
    return kOk;
}

// The first visible child of the class inside the top-level window of the class, in screen
// coordinates: "left top right bottom". Dialog controls are found at their real place.
int ChildRect(const std::wstring& parentClass, const std::wstring& childClass) {
    HWND parent = FindWindowW(parentClass.c_str(), nullptr);
    if (!parent) {
        return kNotFound;
    }
    struct Search {
        std::wstring className;
        HWND found;
    } search{childClass, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            if (IsWindowVisible(child) &&
                lstrcmpiW(ClassOf(child).c_str(), s.className.c_str()) == 0) {
                s.found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        return kNotFound;
    }
    RECT rect{};
    GetWindowRect(search.found, &rect);
    PrintLine(std::to_wstring(rect.left) + L" " + std::to_wstring(rect.top) + L" " +
              std::to_wstring(rect.right) + L" " + std::to_wstring(rect.bottom));
    return kOk;
}

// Waits until a window of the class is visible with nothing left to paint, in it or in its
// children, and prints the moment in seconds of the performance counter, which under Wine
// counts the host's monotonic clock: "armed SECONDS" at start, "shown SECONDS" when it is visible,
// "painted SECONDS" at the end.
double CounterSeconds() {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER now{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / double(frequency.QuadPart);
}

bool ShownAndPainted(HWND window) {
    if (!window || !IsWindowVisible(window)) {
        return false;
    }
    DWORD_PTR answer = 0;
    // Sent messages come before paints: once this is answered, what is due is queued.
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &answer);
    if (GetUpdateRect(window, nullptr, FALSE)) {
        return false;
    }
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
            return false;
        }
    }
    return true;
}

int WaitPainted(const std::wstring& className) {
    PrintLine(L"armed " + std::to_wstring(CounterSeconds()));
    std::fflush(stdout);
    const DWORD deadline = GetTickCount() + 15000;
    bool shown = false;
    while (GetTickCount() < deadline) {
        HWND window = FindWindowW(className.c_str(), nullptr);
        if (!shown && window && IsWindowVisible(window)) {
            shown = true;
            PrintLine(L"shown " + std::to_wstring(CounterSeconds()));
        }
        if (ShownAndPainted(window)) {
            PrintLine(L"painted " + std::to_wstring(CounterSeconds()));
            return kOk;
        }
        Sleep(1);
    }
    return kNotFound;
}

// Texts given on the command line may spell characters as \uXXXX, so that they reach the probe
// whatever the host's locale makes of other bytes.
std::wstring Unescaped(const std::wstring& text) {
    std::wstring result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\\' && i + 5 < text.size() && text[i + 1] == L'u') {
            result +=
                static_cast<wchar_t>(std::wcstoul(text.substr(i + 2, 4).c_str(), nullptr, 16));
            i += 5;
        } else {
            result += text[i];
        }
    }
    return result;
}

// The screen rectangle of the button TEXT in a visible window TITLE: "left top right bottom".
int ButtonRect(const std::wstring& title, const std::wstring& text) {
    const std::wstring wanted = Unescaped(text);
    for (HWND window : VisibleWindowsTitled(title)) {
        for (HWND button : ChildButtons(window)) {
            if (IsWindowVisible(button) && WithoutAccessMarks(WindowText(button)) == wanted) {
                RECT rect{};
                GetWindowRect(button, &rect);
                PrintLine(std::to_wstring(rect.left) + L" " + std::to_wstring(rect.top) + L" " +
                          std::to_wstring(rect.right) + L" " + std::to_wstring(rect.bottom));
                return kOk;
            }
        }
    }
    return kNotFound;
}

// The pixels one character leaves when drawn with ExtTextOutW (which falls back to other fonts
// as the program's own drawing does), black on white in a small bitmap.
std::vector<COLORREF> DrawnCharacter(HDC dc, HFONT font, wchar_t character, int side) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = side;
    info.bmiHeader.biHeight = -side;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT all{0, 0, side, side};
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
    ExtTextOutW(dc, 2, 2, ETO_OPAQUE, &all, &character, 1, nullptr);
    GdiFlush();
    const auto* pixels = static_cast<const COLORREF*>(bits);
    std::vector<COLORREF> drawn(pixels, pixels + side * side);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    return drawn;
}

// Whether every character of TEXT shows a glyph of its own in the font FACE at HEIGHT pixels:
// drawn, it leaves ink, and not the same ink as a character no font has (the missing-glyph box).
// Prints one line per character: its code, the face's own glyph index (GetGlyphIndicesW, 0xffff
// when the face lacks it and a linked font must supply it), and whether it was drawn for real.
int Glyphs(const std::wstring& face, const std::wstring& height, const std::wstring& text) {
    const std::wstring characters = Unescaped(text);
    const int pixels = std::max(8, _wtoi(height.c_str()));
    HFONT font = CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                             DEFAULT_PITCH, face.c_str());
    HDC dc = CreateCompatibleDC(nullptr);
    const int side = pixels * 2 + 4;
    const std::vector<COLORREF> missing = DrawnCharacter(dc, font, L'\xE83A', side);
    const std::vector<COLORREF> blank(missing.size(), RGB(255, 255, 255));
    HGDIOBJ oldFont = SelectObject(dc, font);
    bool all = !characters.empty();
    for (wchar_t character : characters) {
        WORD index = 0;
        GetGlyphIndicesW(dc, &character, 1, &index, GGI_MARK_NONEXISTING_GLYPHS);
        SelectObject(dc, oldFont);
        const std::vector<COLORREF> drawn = DrawnCharacter(dc, font, character, side);
        SelectObject(dc, font);
        const bool real = drawn != blank && drawn != missing;
        all = all && real;
        wchar_t line[96];
        swprintf(line, 96, L"U+%04X index=%u drawn=%d", static_cast<unsigned>(character),
                 static_cast<unsigned>(index), real ? 1 : 0);
        PrintLine(line);
    }
    SelectObject(dc, oldFont);
    DeleteDC(dc);
    DeleteObject(font);
    return all ? kOk : kFailed;
}

// The probe sees the screen unscaled, as Traxo does, so that the rectangles it reads and
// prints are the physical ones on a screen of any DPI.
void SeeTheScreenUnscaled() {
    using SetAwareFn = BOOL(WINAPI*)();
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const auto setAware = reinterpret_cast<SetAwareFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetProcessDPIAware")));
    if (setAware != nullptr) {
        setAware();
    }
}

int DpiCommand(const std::wstring& className) {
    HWND window = FindWindowW(className.c_str(), nullptr);
    if (!window) {
        return kNotFound;
    }
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    using GetContextFn = HANDLE(WINAPI*)(HWND);
    using GetAwarenessFn = int(WINAPI*)(HANDLE);
    const auto dpiOf = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetDpiForWindow")));
    const auto contextOf = reinterpret_cast<GetContextFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetWindowDpiAwarenessContext")));
    const auto awarenessOf = reinterpret_cast<GetAwarenessFn>(reinterpret_cast<void (*)()>(
        GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
    const HDC screen = GetDC(nullptr);
    const int screenDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const int windowDpi = dpiOf ? static_cast<int>(dpiOf(window)) : -1;
    const int awareness = contextOf && awarenessOf ? awarenessOf(contextOf(window)) : -1;
    PrintLine(L"screen=" + std::to_wstring(screenDpi) + L" window=" + std::to_wstring(windowDpi) +
              L" awareness=" + std::to_wstring(awareness));
    return kOk;
}

// A label, button or box whose text at its own font is wider (single line) or taller (wrapped)
// than the room the control gives it. Check boxes and radio buttons lose their mark's room.
int CutTexts(const std::wstring& className) {
    HWND window = FindWindowW(className.c_str(), nullptr);
    if (!window || !IsWindowVisible(window)) {
        return kNotFound;
    }
    struct Found {
        std::vector<std::wstring> cut;
        int checked = 0;
        int ownFont = 0; // fonts read from the control; the others are the message font
        HFONT messageFont = nullptr;
    } found;
    // A font handle of another process may not be readable here; Traxo's dialogs use the
    // system's message font at their DPI, which the probe, DPI aware too, reads as they do.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    found.messageFont = CreateFontIndirectW(&metrics.lfMessageFont);
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            auto& f = *reinterpret_cast<Found*>(data);
            const std::wstring kind = ClassOf(child);
            const bool isStatic = lstrcmpiW(kind.c_str(), L"Static") == 0;
            const bool isButton = lstrcmpiW(kind.c_str(), L"Button") == 0;
            const std::wstring text = WindowText(child);
            if (!IsWindowVisible(child) || (!isStatic && !isButton) || text.empty()) {
                return TRUE;
            }
            const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
            if (isStatic &&
                ((style & SS_TYPEMASK) == SS_OWNERDRAW || (style & SS_TYPEMASK) == SS_ICON ||
                 (style & SS_TYPEMASK) == SS_BITMAP)) {
                return TRUE;
            }
            const LONG_PTR type = style & BS_TYPEMASK;
            if (isButton && (type == BS_GROUPBOX || type == BS_OWNERDRAW)) {
                return TRUE;
            }
            RECT client{};
            GetClientRect(child, &client);
            const HDC dc = GetDC(child);
            const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
            int room = client.right;
            const bool mark = isButton && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX ||
                                           type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON ||
                                           type == BS_3STATE || type == BS_AUTO3STATE);
            if (mark) {
                room -= MulDiv(13 + 4, dpi, 96); // the mark and the gap after it
            } else if (isButton) {
                room -= 2 * GetSystemMetrics(SM_CXEDGE);
            }
            const HFONT font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
            LOGFONTW logical{};
            const bool readable =
                font != nullptr && GetObjectW(font, sizeof(logical), &logical) != 0;
            f.ownFont += readable ? 1 : 0;
            const HGDIOBJ old = SelectObject(dc, readable ? font : f.messageFont);
            const bool wraps = (isStatic && (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP &&
                                (style & SS_TYPEMASK) != SS_SIMPLE) ||
                               (isButton && (style & BS_MULTILINE) != 0);
            RECT need{0, 0, room, 0};
            const UINT flags = DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE);
            DrawTextW(dc, text.c_str(), -1, &need, flags);
            SelectObject(dc, old);
            ReleaseDC(child, dc);
            ++f.checked;
            if (need.right > room || need.bottom > client.bottom) {
                f.cut.push_back(L"\"" + text + L"\" needs " + std::to_wstring(need.right) + L"x" +
                                std::to_wstring(need.bottom) + L", has " + std::to_wstring(room) +
                                L"x" + std::to_wstring(client.bottom));
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    DeleteObject(found.messageFont);
    PrintLine(L"checked " + std::to_wstring(found.checked) + L" own-font " +
              std::to_wstring(found.ownFont));
    for (const std::wstring& line : found.cut) {
        PrintLine(line);
    }
    if (found.cut.empty()) {
        PrintLine(L"none");
    }
    return kOk;
}

// The text of the first visible child of that class, on one line (line breaks as "|").
int ChildText(const std::wstring& parentClass, const std::wstring& childClass) {
    HWND parent = FindWindowW(parentClass.c_str(), nullptr);
    if (!parent) {
        return kNotFound;
    }
    struct Search {
        std::wstring className;
        HWND found;
    } search{childClass, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            if (IsWindowVisible(child) &&
                lstrcmpiW(ClassOf(child).c_str(), s.className.c_str()) == 0) {
                s.found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        return kNotFound;
    }
    std::wstring text = WindowText(search.found);
    for (wchar_t& c : text) {
        if (c == L'\r' || c == L'\n') {
            c = L'|';
        }
    }
    PrintLine(text);
    return kOk;
}

int Usage() {
    std::fprintf(
        stderr,
        "usage: traxo_e2e_probe target LOGDIR | find-window CLASS [TITLE] | "
        "count-windows CLASS | click-button TITLE TEXT | list-buttons TITLE | "
        "close-window CLASS | exe-of-window CLASS [TITLE] | hook-record | "
        "wait-ready CLASS TITLE | foreground | client-rect CLASS | time-show CLASS N | "
        "end-session CLASS normal|critical | post-message CLASS MSG WPARAM LPARAM | "
        "taskbar-created | tray-icon CLASS|#HANDLE ID [delete] | window-rect CLASS | "
        "window-handle CLASS | tray-recorder LOGFILE | list-texts TITLE | "
        "child-rect CLASS CHILDCLASS | child-text CLASS CHILDCLASS | "
        "wait-painted CLASS | button-rect TITLE TEXT | "
        "glyphs FACE HEIGHT TEXT | dpi CLASS | cut-texts CLASS | memory CLASS | focus CLASS | "
        "high-contrast colours|set-colours|flags ... | accessible CLASS ROWS\n");
    return kUsage;
}

int RunCommand(const std::vector<std::wstring>& args) {
    if (args.empty()) {
        return Usage();
    }
    const std::wstring& command = args[0];
    const size_t n = args.size();
    if (command == L"target" && n == 2) {
        return RunTarget(args[1]);
    }
    if (command == L"find-window" && (n == 2 || n == 3)) {
        return FindWindowCommand(args[1], n == 3 ? args[2].c_str() : nullptr);
    }
    if (command == L"time-show" && n == 3) {
        return TimeShow(args[1], _wtoi(args[2].c_str()));
    }
    if (command == L"client-rect" && n == 2) {
        return ClientRect(args[1]);
    }
    if (command == L"count-windows" && n == 2) {
        return CountWindows(args[1]);
    }
    if (command == L"click-button" && n == 3) {
        return ClickButton(args[1], args[2]);
    }
    if (command == L"list-buttons" && n == 2) {
        return ListButtons(args[1]);
    }
    if (command == L"close-window" && n == 2) {
        return CloseWindowCommand(args[1]);
    }
    if (command == L"exe-of-window" && (n == 2 || n == 3)) {
        return ExeOfWindow(args[1], n == 3 ? args[2].c_str() : nullptr);
    }
    if (command == L"hook-record" && n == 1) {
        return HookRecord();
    }
    if (command == L"wait-ready" && n == 3) {
        return WaitReady(args[1], args[2]);
    }
    if (command == L"foreground" && n == 1) {
        return Foreground();
    }
    if (command == L"end-session" && n == 3) {
        return EndSession(args[1], args[2]);
    }
    if (command == L"post-message" && n == 5) {
        return PostMessageCommand(args[1], args[2], args[3], args[4]);
    }
    if (command == L"taskbar-created" && n == 1) {
        return TaskbarCreated();
    }
    if (command == L"tray-icon" && (n == 3 || (n == 4 && args[3] == L"delete"))) {
        return TrayIcon(args[1], args[2], n == 4 ? args[3] : L"");
    }
    if (command == L"list-texts" && n == 2) {
        return ListTexts(args[1]);
    }
    if (command == L"tray-recorder" && n == 2) {
        return TrayRecorder(args[1]);
    }
    if (command == L"window-handle" && n == 2) {
        return WindowHandle(args[1]);
    }
    if (command == L"window-rect" && n == 2) {
        return WindowRect(args[1]);
    }
    if (command == L"wait-painted" && n == 2) {
        return WaitPainted(args[1]);
    }
    if (command == L"child-rect" && n == 3) {
        return ChildRect(args[1], args[2]);
    }
    if (command == L"button-rect" && n == 3) {
        return ButtonRect(args[1], args[2]);
    }
    if (command == L"glyphs" && n == 4) {
        return Glyphs(args[1], args[2], args[3]);
    }
    if (command == L"dpi" && n == 2) {
        return DpiCommand(args[1]);
    }
    if (command == L"cut-texts" && n == 2) {
        return CutTexts(args[1]);
    }
    if (command == L"child-text" && n == 3) {
        return ChildText(args[1], args[2]);
    }
    if (command == L"focus" && n == 2) {
        return FocusOfWindowThread(args[1]);
    }
    if (command == L"accessible" && n == 3) {
        return AccessibleObjectsOf(args[1], _wtoi(args[2].c_str()));
    }
    if (command == L"memory" && n == 2) {
        return MemoryOfWindowOwner(args[1]);
    }
    if (command == L"high-contrast" && n >= 2) {
        return HighContrastCommand({args.begin() + 1, args.end()});
    }
    return Usage();
}

std::wstring Wide(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                        size);
    return result;
}

// One command a line, its words separated by tabs, in UTF-8; after each the command's printed
// lines come and then a line of the record separator and its exit code. A test class keeps one
// probe serving instead of starting a Wine process for every look.
int Serve() {
    std::string line;
    for (int c = std::getchar(); c != EOF; c = std::getchar()) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::vector<std::wstring> args;
        for (size_t start = 0;;) {
            const size_t tab = line.find('\t', start);
            args.push_back(Wide(line.substr(start, tab - start)));
            if (tab == std::string::npos) {
                break;
            }
            start = tab + 1;
        }
        line.clear();
        const int code = RunCommand(args);
        std::fflush(stderr);
        std::printf("\x1e%d\n", code);
        std::fflush(stdout);
    }
    return kOk;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::vector<std::wstring> args(argv + 1, argv + argc);
    SeeTheScreenUnscaled();
    if (args.size() == 1 && args[0] == L"serve") {
        return Serve();
    }
    return RunCommand(args);
}
