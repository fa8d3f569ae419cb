// libFuzzer target for the private-profile text engine: any bytes as a settings file, read with the
// launcher's buffer and small ones, then edited; an edit must read back and must not repeat.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/ProfileText.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string file(reinterpret_cast<const char*>(Data), Size);
    char buffer[2048];
    for (uint32_t size : {2048u, 8u, 2u, 1u}) {
        const uint32_t n = ProfileGetString(file, "SETTINGS", "Serverpath", "default", buffer, size);
        Check(n < size && buffer[n] == '\0');
    }
    // Names taken from the file itself reach the odd corners of lookup.
    const size_t cut = Size / 2;
    ProfileGetString(file, file.substr(0, cut > 16 ? 16 : cut), file.substr(cut, 16), "", buffer, sizeof buffer);

    std::string edited = file;
    ProfileEdit(edited, "FUZZ", "Key", "value 123");
    Check(ProfileLookup(edited, "fuzz", "KEY") == std::string("value 123"));
    std::string again = edited;
    Check(!ProfileEdit(again, "FUZZ", "Key", "value 123") && again == edited);
    std::string removed = edited;
    ProfileEdit(removed, "FUZZ", "Key", nullptr);
    ProfileEdit(removed, "SETTINGS", nullptr, nullptr);
    return 0;
}
