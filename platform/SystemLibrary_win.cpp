#include "platform/SystemLibrary_win.h"

#include <string>

namespace traxo {
namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

std::wstring SystemFolderPath(const wchar_t* fileName) {
    wchar_t folder[MAX_PATH] = L"";
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    return std::wstring(folder, length) + L'\\' + fileName;
}

} // namespace

void RestrictLibrarySearchToSystemFolder() {
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefault == nullptr || !setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        SetDllDirectoryW(L"");
    }
}

// By full path, so that the system folder's copy is the one loaded whatever the search order;
// its own imports are then looked for beside it first.
HMODULE SystemLibrary(const wchar_t* fileName) {
    const std::wstring path = SystemFolderPath(fileName);
    if (path.empty()) {
        return nullptr;
    }
    if (const HMODULE loaded = GetModuleHandleW(path.c_str())) {
        return loaded;
    }
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace traxo
