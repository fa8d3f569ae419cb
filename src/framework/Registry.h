#pragma once
// Read access to the registry through the platform's registry service.
#include <string>

#include "framework/Classes.h"
#include "platform/PlatformServices.h"

class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

class TRegistry : public TObject {
public:
    TRegistry(uint32_t Access, IRegistry& Service);
    ~TRegistry() override;
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    uint32_t RootKey() const { return FRootKey; }
    // Closes the open key and switches to another root.
    void SetRootKey(uint32_t Value);
    // Opens a key for reading (never creates one); a leading backslash makes the path absolute from
    // the root. On success the key replaces the one open before.
    bool OpenKey(const std::string& Key);
    void CloseKey();
    // The text of a value of the open key: empty when the value is missing or empty; raises
    // ERegistryException (invalid data type, with the value's name) for a value that is not text.
    std::string ReadString(const std::string& Name);

private:
    IRegistry& FService;
    uint32_t FAccess;
    uint32_t FRootKey{HKEY_CURRENT_USER_ID};
    IRegistry::Handle FCurrentKey{nullptr};
};
