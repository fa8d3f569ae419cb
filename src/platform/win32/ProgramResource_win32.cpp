// Windows programs carry their resources as RCDATA in their own image.
#include "platform/ProgramResource.h"

#include <string>

#include "platform/win32/WindowsApi.h"

std::optional<std::string_view> ProgramResource(std::string_view Name) {
    // A loaded resource stays mapped with the program's image: nothing to free.
    const std::string name(Name);
    HMODULE program = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(program, name.c_str(), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(program, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return std::nullopt;
    return std::string_view(static_cast<const char*>(bytes), SizeofResource(program, found));
}
