// traxo_e2e_probe: the Windows side of the end-to-end tests. It shows a target window whose
// mouse messages and text the tests read from files, and it looks at and pokes the windows of
// the program under test from outside, as another process on the same desktop.
//
//   target LOGDIR                  show "Traxo test target" and log into LOGDIR until closed
//   find-window CLASS [TITLE]      exit 0 when a top-level window exists; prints visible=0/1
//   count-windows CLASS            prints the number of top-level windows of the class
//   click-button TITLE TEXT        BM_CLICK to the button TEXT of a visible window TITLE
//   list-buttons TITLE             prints the buttons of the visible windows titled TITLE
//   close-window CLASS             posts WM_CLOSE to the first window of the class
//   exe-of-window CLASS [TITLE]    prints the owner's executable path, as the program reads it
//   hook-record                    prints the hook library's shared record, if any process has it
//   foreground                     prints class and title of the foreground window
//   end-session CLASS normal|critical  asks the window whether the session may end and prints
//                                  query=0/1; on 1 tells it the session ends (WM_ENDSESSION)
//   time-show CLASS N              N times: hide, show, paint; prints the milliseconds of each
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>
#include <windows.h>
#include <shellapi.h>

namespace {

constexpr wchar_t kTargetClass[] = L"TraxoE2eTarget";
constexpr wchar_t kTargetTitle[] = L"Traxo test target";
constexpr int kTargetX = 100;
constexpr int kTargetY = 100;
constexpr int kTargetWidth = 600;
constexpr int kTargetHeight = 400;

enum ExitCode { kOk = 0, kNotFound = 1, kUsage = 2, kFailed = 3 };

std::string Utf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
    return result;
}

void PrintLine(const std::wstring& text) {
    const std::string line = Utf8(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

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
    const bool traxo = className == L"TgestureConfigForm";
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
        const double ms = 1000.0 * double(painted.QuadPart - begun.QuadPart) / double(frequency.QuadPart);
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

// Whether the shell knows the notification icon (window of the class, icon id): a modification
// that changes nothing succeeds for a known icon only. "delete" removes it, as a shell restart
// loses it.
int TrayIcon(const std::wstring& className, const std::wstring& id, const std::wstring& action) {
    HWND window = FindWindowW(className.c_str(), nullptr);
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
            if (IsWindowVisible(child) && lstrcmpiW(ClassOf(child).c_str(), s.className.c_str()) == 0) {
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
// counts the host's monotonic clock: "armed SECONDS" at start, "shown SECONDS" when it is visible, "painted SECONDS" at the end.
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
            if (IsWindowVisible(child) && lstrcmpiW(ClassOf(child).c_str(), s.className.c_str()) == 0) {
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
    std::fprintf(stderr,
                 "usage: traxo_e2e_probe target LOGDIR | find-window CLASS [TITLE] | "
                 "count-windows CLASS | click-button TITLE TEXT | list-buttons TITLE | "
                 "close-window CLASS | exe-of-window CLASS [TITLE] | hook-record | "
                 "wait-ready CLASS TITLE | foreground | client-rect CLASS | time-show CLASS N | "
                 "end-session CLASS normal|critical | post-message CLASS MSG WPARAM LPARAM | "
                 "taskbar-created | tray-icon CLASS ID [delete] | window-rect CLASS | "
                 "child-rect CLASS CHILDCLASS | child-text CLASS CHILDCLASS | "
                 "wait-painted CLASS\n");
    return kUsage;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::vector<std::wstring> args(argv + 1, argv + argc);
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
    if (command == L"window-rect" && n == 2) {
        return WindowRect(args[1]);
    }
    if (command == L"wait-painted" && n == 2) {
        return WaitPainted(args[1]);
    }
    if (command == L"child-rect" && n == 3) {
        return ChildRect(args[1], args[2]);
    }
    if (command == L"child-text" && n == 3) {
        return ChildText(args[1], args[2]);
    }
    return Usage();
}
