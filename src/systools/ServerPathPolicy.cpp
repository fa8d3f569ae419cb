#include "systools/ServerPathPolicy.h"

#include "framework/SysUtils.h"

namespace {
const char* const kPolicyKey = "SOFTWARE\\Policies\\Velundo\\Velundo Client";
const char* const kRecommendedKey = "SOFTWARE\\Policies\\Velundo\\Velundo Client\\Recommended";
const char* const kInstallerKey = "SOFTWARE\\Velundo\\Velundo Client";
const char* const kValue = "Serverpath";

// The text of a REG_SZ or REG_EXPAND_SZ value, trimmed; empty when the key or value is missing or
// holds anything else.
std::string RegistryPath(IRegistry* Registry, uint32_t Root, const char* Key) {
    if (!Registry) return {};
    IRegistry::Handle key = Registry->OpenKey(Root, Key, KEY_READ_ACCESS);
    if (!key) return {};
    uint32_t type = REG_NONE_TYPE;
    std::string data;
    const bool found = Registry->QueryValue(key, kValue, type, data);
    Registry->CloseKey(key);
    if (!found || (type != REG_SZ_TYPE && type != REG_EXPAND_SZ_TYPE)) return {};
    return Trim(type == REG_EXPAND_SZ_TYPE ? Registry->ExpandValue(data) : data);
}

std::string FilePath(IMachineSettings* Machine, const char* File) {
    return Machine ? Trim(Machine->ReadValue(File, "SETTINGS", kValue)) : std::string();
}

// The first of the places that sets a path.
template <typename... Place>
std::string FirstSet(Place... Places) {
    std::string path;
    ((path.empty() ? void(path = Places()) : void()), ...);
    return path;
}
} // namespace

TServerPathPolicy ReadServerPathPolicy(const TPlatform& Platform) {
    IRegistry* registry = Platform.Registry;
    IMachineSettings* machine = Platform.Machine;
    TServerPathPolicy policy;
    policy.Managed = FirstSet([&] { return RegistryPath(registry, HKEY_LOCAL_MACHINE_ID, kPolicyKey); },
                              [&] { return RegistryPath(registry, HKEY_CURRENT_USER_ID, kPolicyKey); },
                              [&] { return FilePath(machine, "managed.ini"); });
    policy.Recommended = FirstSet([&] { return RegistryPath(registry, HKEY_LOCAL_MACHINE_ID, kRecommendedKey); },
                                  [&] { return RegistryPath(registry, HKEY_CURRENT_USER_ID, kRecommendedKey); },
                                  [&] { return RegistryPath(registry, HKEY_LOCAL_MACHINE_ID, kInstallerKey); },
                                  [&] { return FilePath(machine, "recommended.ini"); });
    return policy;
}
