#pragma once
// The main window's stored description (resources/fArbeitsplatz.json). Windows programs read it from
// their TMAINFORM resource; on Linux it is compiled into the program as a character array.
#include <string_view>

// The description's bytes; they live as long as the program. Throws Exception when the program
// carries no description.
std::string_view MainFormDescription();
