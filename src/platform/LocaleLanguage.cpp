#include "platform/LocaleLanguage.h"

namespace {

struct TLanguage {
    const char* Code;
    uint16_t Primary;
    const char* Countries; // countries in the order of their sub-language numbers, from 1
};

// Primary language numbers and sub-languages as Windows defines them.
constexpr TLanguage kLanguages[] = {
    {"de", 0x07, "DE CH AT LU LI"},
    {"en", 0x09, "US GB AU CA NZ IE ZA JM -- BZ TT ZW PH"},
    {"fr", 0x0C, "FR BE CA CH LU MC"},
    {"it", 0x10, "IT CH"},
    {"es", 0x0A, "-- MX ES GT CR PA DO VE CO PE AR EC CL UY PY BO SV HN NI PR US"},
    {"nl", 0x13, "NL BE"},
    {"pt", 0x16, "BR PT"},
    {"sv", 0x1D, "SE FI"},
    {"da", 0x06, "DK"},
    {"nb", 0x14, "NO"},
    {"no", 0x14, "NO"},
    {"fi", 0x0B, "FI"},
    {"pl", 0x15, "PL"},
    {"cs", 0x05, "CZ"},
    {"sk", 0x1B, "SK"},
    {"hu", 0x0E, "HU"},
    {"ru", 0x19, "RU"},
    {"tr", 0x1F, "TR"},
    {"el", 0x08, "GR"},
    {"ja", 0x11, "JP"},
    {"ko", 0x12, "KR"},
    {"zh", 0x04, "TW CN HK SG MO"},
};

uint16_t SubLanguage(const char* countries, const std::string& country) {
    uint16_t number = 1;
    for (const char* c = countries; *c; c += c[2] ? 3 : 2, ++number)
        if (country.size() == 2 && c[0] == country[0] && c[1] == country[1]) return number;
    return 1;
}

} // namespace

uint16_t LangIdFromLocale(const std::string& Locale) {
    const std::string name = Locale.substr(0, Locale.find_first_of(".@"));
    const size_t bar = name.find('_');
    const std::string language = name.substr(0, bar);
    const std::string country = bar == std::string::npos ? "" : name.substr(bar + 1);
    for (const TLanguage& l : kLanguages) {
        if (language != l.Code) continue;
        return static_cast<uint16_t>(SubLanguage(l.Countries, country) << 10 | l.Primary);
    }
    return 0x0409;
}
