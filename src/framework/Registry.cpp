#include "framework/Registry.h"

TRegistry::TRegistry(uint32_t Access, IRegistry& Service) : FService(Service), FAccess(Access) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(uint32_t Value) {
    if (Value == FRootKey) return;
    FRootKey = Value;
    CloseKey();
}

bool TRegistry::OpenKey(const std::string& Key) {
    const std::string path = !Key.empty() && Key[0] == '\\' ? Key.substr(1) : Key;
    IRegistry::Handle key = FService.OpenKey(FRootKey, path, FAccess);
    if (!key) return false;
    CloseKey();
    FCurrentKey = key;
    return true;
}

void TRegistry::CloseKey() {
    if (FCurrentKey) FService.CloseKey(FCurrentKey);
    FCurrentKey = nullptr;
}

std::string TRegistry::ReadString(const std::string& Name) {
    uint32_t type = REG_NONE_TYPE;
    std::string data;
    if (!FCurrentKey || !FService.QueryValue(FCurrentKey, Name, type, data) || data.empty()) return {};
    if (type != REG_SZ_TYPE && type != REG_EXPAND_SZ_TYPE)
        throw ERegistryException(FormatText("Ung\xFCltiger Datentyp f\xFCr '%s'", Name));
    const auto nul = data.find('\0');
    if (nul != std::string::npos) data.erase(nul);
    return data;
}
