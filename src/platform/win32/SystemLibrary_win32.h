#pragma once
// Libraries outside the set Windows always takes from its own folder (its known DLLs) are not imported:
// the loader would look for them beside the program first, and the launcher may be started from a
// folder that others can write to (a file share, a download folder). They are loaded here, from the
// system folder only, once per process, and stay loaded until it ends.
#include "platform/win32/WindowsApi.h"

// From now on every library the process loads by name alone, the system's own libraries' requests
// included, is looked for in the system folder only (on Windows 7 without its update KB2533623, which
// lacks the means: the current folder leaves the search). Called first thing, before any window.
void LoadLibrariesFromSystemFolderOnly();

// The library of that name from the system folder, or null when it has none.
HMODULE LoadSystemLibrary(const wchar_t* Name);
// The same by the library's full path, the way for Windows 7 without KB2533623; a library the
// program's manifest redirects comes from the side-by-side store as the loader would take it.
HMODULE LoadSystemLibraryByPath(const wchar_t* Name);

// The entry point Name of Module as a function of type Function (the type of its declaration in the
// system's header), or null when Module is null or has no such entry.
template <class Function> Function SystemFunction(HMODULE Module, const char* Name) {
    if (!Module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(Module, Name)));
}
