// The launcher's platform services over the real Win32 calls.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "platform/PlatformServices.h"

namespace {

class TWin32ProgramPath : public IProgramPath {
public:
    std::string ProgramPath() override {
        std::vector<char> buffer(MAX_PATH);
        for (;;) {
            const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
            if (n < buffer.size()) return std::string(buffer.data(), n);
            buffer.resize(buffer.size() * 2);
        }
    }
};

class TWin32Shell : public IShellOpen {
public:
    intptr_t ShellOpen(const std::string& Verb, const std::string& File, const std::string& Parameters,
                       const std::string& Directory, int ShowCmd) override {
        return reinterpret_cast<intptr_t>(
            ShellExecuteA(nullptr, Verb.c_str(), File.c_str(), Parameters.c_str(), Directory.c_str(), ShowCmd));
    }
};

struct TWin32Search {
    HANDLE Find;
    uint32_t Mask;
};

class TWin32FolderSearch : public IFolderSearch {
public:
    Handle FindFirst(const std::string& Pattern, uint32_t AttributeMask, TSearchEntry& Entry) override {
        WIN32_FIND_DATAA data;
        HANDLE h = FindFirstFileA(Pattern.c_str(), &data);
        if (h == INVALID_HANDLE_VALUE) return nullptr;
        auto* search = new TWin32Search{h, AttributeMask};
        if (Take(search, data, Entry) || FindNext(search, Entry)) return search;
        FindClose(search);
        return nullptr;
    }
    bool FindNext(Handle Search, TSearchEntry& Entry) override {
        auto* search = static_cast<TWin32Search*>(Search);
        WIN32_FIND_DATAA data;
        while (FindNextFileA(search->Find, &data))
            if (Take(search, data, Entry)) return true;
        return false;
    }
    void FindClose(Handle Search) override {
        auto* search = static_cast<TWin32Search*>(Search);
        ::FindClose(search->Find);
        delete search;
    }

private:
    static bool Take(TWin32Search* search, const WIN32_FIND_DATAA& data, TSearchEntry& Entry) {
        if (!MatchesAttributeMask(data.dwFileAttributes, search->Mask)) return false;
        Entry.Name = data.cFileName;
        Entry.Attributes = data.dwFileAttributes;
        return true;
    }
};

class TWin32FileSystem : public IFileSystem {
public:
    bool RemoveFile(const std::string& Path) override { return ::DeleteFileA(Path.c_str()) != 0; }
    bool FileExists(const std::string& Path) override {
        const DWORD a = GetFileAttributesA(Path.c_str());
        return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }
    bool CreateFolder(const std::string& Path) override {
        const int error = ::SHCreateDirectoryExA(nullptr, Path.c_str(), nullptr);
        return error == ERROR_SUCCESS || error == ERROR_ALREADY_EXISTS;
    }
};

class TWin32Profile : public IPrivateProfile {
public:
    uint32_t GetString(const std::string& Section, const std::string& Key, const std::string& Default,
                       char* Buffer, uint32_t Size, const std::string& FileName) override {
        return GetPrivateProfileStringA(Section.c_str(), Key.c_str(), Default.c_str(), Buffer, Size,
                                        FileName.c_str());
    }
    bool WriteString(const char* Section, const char* Key, const char* Value,
                     const std::string& FileName) override {
        if (WritePrivateProfileStringA(Section, Key, Value, FileName.c_str()) != 0) return true;
        const DWORD error = ::GetLastError();
        if (Section || Key || Value) FRefused = error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT;
        return false;
    }
    bool LastWriteRefused() override { return FRefused; }

private:
    bool FRefused{false};
};

class TWin32SpecialFolders : public ISpecialFolders {
public:
    bool SpecialFolderPath(int Csidl, std::string& Path) override {
        Path.clear();
        IMalloc* allocator = nullptr;
        if (FAILED(SHGetMalloc(&allocator)) || !allocator) return false;
        LPITEMIDLIST list = nullptr;
        bool ok = false;
        if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, Csidl, &list)) && list) {
            std::vector<char> buffer(MAX_PATH, '\0');
            if (SHGetPathFromIDListA(list, buffer.data())) {
                Path = buffer.data();
                ok = true;
            }
            allocator->Free(list);
        }
        allocator->Release();
        return ok;
    }
};

class TWin32Registry : public IRegistry {
public:
    Handle OpenKey(uint32_t Root, const std::string& Key, uint32_t Access) override {
        HKEY key = nullptr;
        // The predefined roots are sign-extended 32-bit values: HKEY_CURRENT_USER is
        // 0xFFFFFFFF80000001 in a 64-bit program, not 0x80000001.
        const HKEY root = reinterpret_cast<HKEY>(static_cast<intptr_t>(static_cast<int32_t>(Root)));
        if (RegOpenKeyExA(root, Key.c_str(), 0, Access, &key) != ERROR_SUCCESS) return nullptr;
        return key;
    }
    bool QueryValue(Handle Key, const std::string& Name, uint32_t& Type, std::string& Data) override {
        DWORD type = 0, size = 0;
        const HKEY key = static_cast<HKEY>(Key);
        if (RegQueryValueExA(key, Name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
        std::vector<BYTE> buffer(size + 1, 0);
        DWORD got = size;
        if (RegQueryValueExA(key, Name.c_str(), nullptr, &type, buffer.data(), &got) != ERROR_SUCCESS) return false;
        Type = type;
        Data.assign(reinterpret_cast<const char*>(buffer.data()), got);
        if (type == REG_SZ || type == REG_EXPAND_SZ) Data = Data.substr(0, Data.find('\0')); // no terminator
        return true;
    }
    void CloseKey(Handle Key) override { RegCloseKey(static_cast<HKEY>(Key)); }
    std::string ExpandValue(const std::string& Text) override {
        const DWORD size = ExpandEnvironmentStringsA(Text.c_str(), nullptr, 0);
        if (size == 0) return Text;
        std::vector<char> buffer(size + 1, '\0');
        const DWORD got = ExpandEnvironmentStringsA(Text.c_str(), buffer.data(), size + 1);
        return got == 0 || got > size + 1 ? Text : std::string(buffer.data());
    }
};

// Windows' administrators set the registry's policy keys; there are no settings files of theirs.
class TWin32MachineSettings : public IMachineSettings {
public:
    std::string ReadValue(const std::string&, const std::string&, const std::string&) override { return {}; }
};

class TWin32OsVersion : public IOsVersion {
public:
    uint32_t PlatformId() override {
        OSVERSIONINFOA info{};
        info.dwOSVersionInfoSize = 148;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        if (!GetVersionExA(&info)) return 0;
#pragma GCC diagnostic pop
        return info.dwPlatformId;
    }
};

class TWin32TempPath : public ITempPath {
public:
    uint32_t TempPath(uint32_t BufferLength, char* Buffer) override { return GetTempPathA(BufferLength, Buffer); }
};

class TWin32Language : public ISystemLanguage {
public:
    uint16_t SystemDefaultLangID() override { return GetSystemDefaultLangID(); }
};

} // namespace

TPlatform& NativePlatform() {
    static TWin32ProgramPath program;
    static TWin32Shell shell;
    static TWin32FolderSearch search;
    static TWin32FileSystem files;
    static TWin32Profile profile;
    static TWin32SpecialFolders folders;
    static TWin32Registry registry;
    static TWin32OsVersion version;
    static TWin32TempPath temp;
    static TWin32Language language;
    static TWin32MachineSettings machine;
    static TPlatform platform{&program, &shell, &search, &files, &profile, &folders, &registry, &version, &temp,
                              &language, &machine};
    return platform;
}

const char* UserSettingsFolderName() { return "Velundo"; }
