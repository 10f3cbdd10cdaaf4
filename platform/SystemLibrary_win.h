#pragma once
// Libraries the program loads itself come from the system folder only. A global hook makes every
// library Traxo loads a guest in every program of the session, so no load may look in the
// program's folder, the current folder or PATH, where anyone who can drop a file could plant one.

#include <windows.h>

namespace traxo {

// Called first thing at start: every later load by bare name searches the system folder only.
// Systems without SetDefaultDllDirectories at least drop the current folder from the search.
void RestrictLibrarySearchToSystemFolder();

// The library of that file name from the system folder, loaded once and kept for the life of
// the program; null when it is missing there.
HMODULE SystemLibrary(const wchar_t* fileName);

// The named function of a system library, or null when the library or the function is missing.
template <class Function> Function SystemFunction(const wchar_t* fileName, const char* name) {
    const HMODULE library = SystemLibrary(fileName);
    const FARPROC found = library == nullptr ? nullptr : GetProcAddress(library, name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

} // namespace traxo
