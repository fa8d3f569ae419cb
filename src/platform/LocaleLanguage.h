#pragma once
// The Windows language identifier of a POSIX locale name ("de_DE.UTF-8" gives 0x0407, "de_AT" 0x0C07,
// "en_US" 0x0409): the primary language from the language code, the sub-language from the country.
// A language without a country gets its default sub-language; "C", "POSIX", an empty name and
// unknown languages give 0x0409, as Wine reports for them.
#include <cstdint>
#include <string>

uint16_t LangIdFromLocale(const std::string& Locale);
