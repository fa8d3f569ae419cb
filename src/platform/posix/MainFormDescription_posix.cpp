// Linux programs carry the description as an array that the build makes from the file.
#include "app/MainFormDescription.h"

#include <cstddef>

extern const char kMainFormDescription[];
extern const std::size_t kMainFormDescriptionSize;

std::string_view MainFormDescription() { return {kMainFormDescription, kMainFormDescriptionSize}; }
