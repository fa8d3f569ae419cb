#pragma once
// Data the build puts into the program itself: on Windows its RCDATA resources
// (resources/Velundo_Client.rc), on Linux arrays the build compiles in from the same files.
#include <optional>
#include <string_view>

// Names: TMAINFORM, the window description; on Linux also MAINICON, the icon file (Windows keeps
// the icon as the system's icon resource).
// The bytes of the resource Name; they live as long as the program. Nothing when the program
// carries no such resource.
std::optional<std::string_view> ProgramResource(std::string_view Name);
