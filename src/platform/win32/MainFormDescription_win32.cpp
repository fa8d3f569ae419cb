// Windows programs carry the description as the RCDATA resource TMAINFORM (resources/Velundo_Client.rc).
#include "app/MainFormDescription.h"

#include "framework/SysUtils.h"

#include <windows.h>

std::string_view MainFormDescription() {
    // A loaded resource stays mapped with the program's image: nothing to free.
    HMODULE program = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(program, "TMAINFORM", RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(program, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) throw Exception("Die Fensterbeschreibung TMAINFORM fehlt im Programm");
    return {static_cast<const char*>(bytes), SizeofResource(program, found)};
}
