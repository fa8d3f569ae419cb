#include "platform/win32/SystemLibrary_win32.h"

void LoadLibrariesFromSystemFolderOnly() { SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32); }

HMODULE LoadSystemLibrary(const wchar_t* Name) { return LoadLibraryExW(Name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32); }
