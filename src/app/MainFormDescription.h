#pragma once
// The main window's stored description (resources/fArbeitsplatz.json), compiled into the program.
#include <cstddef>
#include <string_view>

extern const char kMainFormDescription[];
extern const std::size_t kMainFormDescriptionSize;

inline std::string_view MainFormDescription() { return {kMainFormDescription, kMainFormDescriptionSize}; }
