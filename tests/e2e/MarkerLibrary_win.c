/* A library that leaves "<its own path>.loaded" beside itself when it is loaded. Planted under
   the name of a library Traxo uses, it shows whether Traxo ever loaded a copy from a folder it
   must not load from. */
#include <windows.h>

static void LeaveMarker(HINSTANCE self) {
    wchar_t path[MAX_PATH + 8];
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    lstrcpyW(path + length, L".loaded");
    const HANDLE marker =
        CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (marker != INVALID_HANDLE_VALUE) {
        CloseHandle(marker);
    }
}

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        LeaveMarker(self);
    }
    return TRUE;
}
