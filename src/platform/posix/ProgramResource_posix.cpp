// Linux programs carry their resources as arrays that the build makes from the files.
#include "platform/ProgramResource.h"

#include <cstddef>

extern const char kMainFormDescription[];
extern const std::size_t kMainFormDescriptionSize;
extern const char kMainIcon[];
extern const std::size_t kMainIconSize;

std::optional<std::string_view> ProgramResource(std::string_view Name) {
    if (Name == "TMAINFORM") return std::string_view(kMainFormDescription, kMainFormDescriptionSize);
    if (Name == "MAINICON") return std::string_view(kMainIcon, kMainIconSize);
    return std::nullopt;
}
