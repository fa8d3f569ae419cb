#pragma once
// The services the launcher core needs from the operating system, one narrow interface per need.
// Paths and texts are Windows-style ANSI byte strings on every platform; platform/win32 passes them to
// the real Win32 calls, platform/posix maps them (drive Z: is the file-system root, Windows-1252 <->
// UTF-8). Results are values, as the Win32 calls return them; none of these raise.
#include <cstdint>
#include <string>

#include "platform/LaunchTokens.h"

// Attribute bits of a folder entry.
enum : uint32_t {
    faReadOnly = 0x01,
    faHidden = 0x02,
    faSysFile = 0x04,
    faVolumeID = 0x08,
    faDirectory = 0x10,
    faArchive = 0x20,
    faNormal = 0x80,
};

struct TSearchEntry {
    std::string Name; // without folder
    uint32_t Attributes{0};
};

// Whether an entry with these attributes is reported by a search with this mask: entries carrying
// hidden, system, volume-label or directory bits that the mask lacks are skipped.
bool MatchesAttributeMask(uint32_t Attributes, uint32_t Mask);

class IProgramPath {
public:
    virtual ~IProgramPath() = default;
    // Full path of the running executable (GetModuleFileNameA).
    virtual std::string ProgramPath() = 0;
};

class IShellOpen {
public:
    virtual ~IShellOpen() = default;
    // ShellExecuteA without an owner window: above 32 on success, else an error code (2 file not
    // found, 3 path not found, 5 access denied, 31 no association).
    virtual intptr_t ShellOpen(const std::string& Verb, const std::string& File, const std::string& Parameters,
                               const std::string& Directory, int ShowCmd) = 0;
    // Where the started program gets the desktop's leave to take the focus (none: it gets none).
    // Windows' shell passes it on by itself.
    virtual void SetLaunchTokens(ILaunchTokens*) {}
};

class IFolderSearch {
public:
    using Handle = void*;
    virtual ~IFolderSearch() = default;
    // The first entry matching Pattern (a folder followed by a wildcard name) and the attribute mask;
    // null when there is none or the folder cannot be searched.
    virtual Handle FindFirst(const std::string& Pattern, uint32_t AttributeMask, TSearchEntry& Entry) = 0;
    // The next matching entry; false at the end or on an error.
    virtual bool FindNext(Handle Search, TSearchEntry& Entry) = 0;
    virtual void FindClose(Handle Search) = 0;
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // DeleteFileA: fails for read-only files, folders and missing names.
    virtual bool RemoveFile(const std::string& Path) = 0;
    // True when the name is a file (on POSIX: a regular file or a link to one; folders, pipes and
    // devices are not).
    virtual bool FileExists(const std::string& Path) = 0;
    // The folder with whichever of its parents are missing, as the shell's SHCreateDirectoryExA makes
    // them (on POSIX private to the user, mode 0700, as the XDG base-directory rules ask); true also
    // when it exists already.
    virtual bool CreateFolder(const std::string& Path) = 0;
};

class IPrivateProfile {
public:
    virtual ~IPrivateProfile() = default;
    // GetPrivateProfileStringA for one key: copies at most Size - 1 characters of the value (or of the
    // default) and a terminator into Buffer; returns the count copied without the terminator.
    virtual uint32_t GetString(const std::string& Section, const std::string& Key, const std::string& Default,
                               char* Buffer, uint32_t Size, const std::string& FileName) = 0;
    // WritePrivateProfileStringA: a null Value deletes the key, a null Key the section; all three null
    // flushes the cached copy of the file. Returns false on failure.
    virtual bool WriteString(const char* Section, const char* Key, const char* Value,
                             const std::string& FileName) = 0;
    // Whether the last write that failed (not counting flushes) was refused for lack of permission:
    // access denied, a read-only file, folder or file system. Not after a full disk or an I/O error.
    virtual bool LastWriteRefused() = 0;
};

// The name of the per-user folder of the program's settings inside the user's application-data
// folder: "Velundo" on Windows, "velundo" on Linux (as configuration folders are named there).
const char* UserSettingsFolderName();

// Special-folder numbers (the shell's CSIDL values).
enum TSpecialFolder : int {
    sfPersonal = 5,
    sfFavorites = 6,
    sfStartup = 7,
    sfRecent = 8,
    sfSendTo = 9,
    sfStartMenu = 11,
    sfDesktopDirectory = 16,
    sfNetHood = 19,
    sfFonts = 20,
    sfTemplates = 21,
    sfAppData = 26,
    sfInternetCache = 32,
    sfProgramFiles = 38,
};

class ISpecialFolders {
public:
    virtual ~ISpecialFolders() = default;
    // The file-system path of a special folder, as the shell gives it (SHGetMalloc,
    // SHGetSpecialFolderLocation, SHGetPathFromIDListA). False when the allocator, the location or the
    // path is not to be had.
    virtual bool SpecialFolderPath(int Csidl, std::string& Path) = 0;
};

// Registry roots and access.
enum : uint32_t {
    HKEY_CURRENT_USER_ID = 0x80000001u,
    HKEY_LOCAL_MACHINE_ID = 0x80000002u,
    KEY_READ_ACCESS = 0x20019u,
};
enum : uint32_t { REG_NONE_TYPE = 0, REG_SZ_TYPE = 1, REG_EXPAND_SZ_TYPE = 2 };

class IRegistry {
public:
    using Handle = void*;
    virtual ~IRegistry() = default;
    // RegOpenKeyExA below one of the roots (key without a leading backslash); null when it fails.
    virtual Handle OpenKey(uint32_t Root, const std::string& Key, uint32_t Access) = 0;
    // RegQueryValueExA; an empty name reads the key's default value, texts come without their
    // terminator. False when the value is missing.
    virtual bool QueryValue(Handle Key, const std::string& Name, uint32_t& Type, std::string& Data) = 0;
    virtual void CloseKey(Handle Key) = 0;
    // A REG_EXPAND_SZ value's text with its %NAME% variables replaced (ExpandEnvironmentStringsA);
    // a variable that is not set stays as written.
    virtual std::string ExpandValue(const std::string& Text) = 0;
};

// The settings files an administrator keeps for every user of the machine: on Linux FILE in
// /etc/velundo, an INI file of UTF-8 text that root owns and only root may change. Windows has none
// (its administrators set the registry's policy keys).
class IMachineSettings {
public:
    virtual ~IMachineSettings() = default;
    // The value of Key in Section of File, in Windows-1252; empty when the file, section or key is
    // missing, and when the file cannot be trusted or read exactly (each such file is reported once,
    // on the standard error: a file others may change, text that is not UTF-8 or not Windows-1252).
    virtual std::string ReadValue(const std::string& File, const std::string& Section, const std::string& Key) = 0;
};

class IOsVersion {
public:
    virtual ~IOsVersion() = default;
    // dwPlatformId from GetVersionExA (1 Windows 9x, 2 Windows NT), 0 when it fails.
    virtual uint32_t PlatformId() = 0;
};

class ITempPath {
public:
    virtual ~ITempPath() = default;
    // GetTempPathA: with a buffer too small, the size needed including the terminator; else the
    // length copied without it. The path ends in a backslash.
    virtual uint32_t TempPath(uint32_t BufferLength, char* Buffer) = 0;
};

class ISystemLanguage {
public:
    virtual ~ISystemLanguage() = default;
    // GetSystemDefaultLangID (0x0407 German, Germany).
    virtual uint16_t SystemDefaultLangID() = 0;
};

// The services as one bundle, injected into the controller and the Windows information record.
struct TPlatform {
    IProgramPath* Program{nullptr};
    IShellOpen* Shell{nullptr};
    IFolderSearch* Search{nullptr};
    IFileSystem* Files{nullptr};
    IPrivateProfile* Profile{nullptr};
    ISpecialFolders* Folders{nullptr};
    IRegistry* Registry{nullptr};
    IOsVersion* Version{nullptr};
    ITempPath* Temp{nullptr};
    ISystemLanguage* Language{nullptr};
    IMachineSettings* Machine{nullptr};
};

// The real services of this platform (platform/win32 or platform/posix).
TPlatform& NativePlatform();
