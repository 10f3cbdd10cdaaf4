// MouseCore.dll: the global mouse hook. The system loads this library into every program with
// a user interface, so it carries no C or C++ runtime, allocates nothing and never waits: the
// hook procedure decides, posts one message at most, and returns.

#include "mousecore/HookCommon.h"

#include <windows.h>

using traxo::hook::HookRec;

namespace {

// Per process: the mapping of the shared record, and the registered message.
HANDLE mappingHandle = nullptr;
HookRec* hookRec = nullptr;
UINT traxoMessage = 0;
HINSTANCE libraryModule = nullptr;

HHOOK StoredHook(const HookRec& rec) {
    // Handles have 32 significant bits; widening sign-extends them, as the system does.
    return reinterpret_cast<HHOOK>(static_cast<INT_PTR>(static_cast<LONG>(rec.HookHandle)));
}

bool MappedAndHooked() {
    return hookRec != nullptr && hookRec->HookHandle != 0;
}

void MapSharedRecord() {
    mappingHandle = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                       sizeof(HookRec), traxo::hook::kMappingName);
    if (mappingHandle == nullptr) {
        return;
    }
    hookRec =
        static_cast<HookRec*>(MapViewOfFile(mappingHandle, FILE_MAP_WRITE, 0, 0, sizeof(HookRec)));
    if (hookRec == nullptr) {
        CloseHandle(mappingHandle);
        mappingHandle = nullptr;
    }
}

void UnmapSharedRecord() {
    if (hookRec != nullptr) {
        UnmapViewOfFile(hookRec);
        hookRec = nullptr;
    }
    if (mappingHandle != nullptr) {
        CloseHandle(mappingHandle);
        mappingHandle = nullptr;
    }
}

} // namespace

extern "C" {

LRESULT CALLBACK HookSysKeys(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && hookRec != nullptr &&
        traxo::hook::ShouldWithhold(*hookRec, static_cast<std::uintptr_t>(wParam))) {
        if (HWND app = FindWindowA(traxo::hook::kTargetClassName, nullptr)) {
            PostMessageA(app, traxoMessage, wParam, 0);
        }
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void WINAPI HookMouse() {
    if (hookRec == nullptr || hookRec->HookHandle != 0) {
        return;
    }
    hookRec->HideMove = 0;
    HHOOK hook = SetWindowsHookExA(WH_MOUSE, HookSysKeys, libraryModule, 0);
    hookRec->HookHandle = static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(hook));
}

void WINAPI UnHookMouse() {
    if (MappedAndHooked() && UnhookWindowsHookEx(StoredHook(*hookRec))) {
        hookRec->HookHandle = 0;
    }
}

void WINAPI HideMovement() {
    if (MappedAndHooked()) {
        hookRec->HideMove = 1;
    }
}

void WINAPI ShowMovement() {
    if (MappedAndHooked()) {
        hookRec->HideMove = 0;
    }
}

void WINAPI TrapRight() {
    if (MappedAndHooked()) {
        hookRec->TrapButton = traxo::hook::kTrapRightButton;
    }
}

void WINAPI TrapMiddle() {
    if (MappedAndHooked()) {
        hookRec->TrapButton = traxo::hook::kTrapMiddleButton;
    }
}

HookRec* WINAPI GetHookRecPointer() {
    return hookRec;
}

// The library's entry point: there is no runtime start-up code before it.
BOOL WINAPI MouseCoreEntry(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        libraryModule = module;
        DisableThreadLibraryCalls(module);
        MapSharedRecord();
        traxoMessage = RegisterWindowMessageA(traxo::hook::kMessageName);
    } else if (reason == DLL_PROCESS_DETACH) {
        UnmapSharedRecord();
    }
    return TRUE;
}

} // extern "C"
