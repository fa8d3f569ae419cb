#include "systools/TVK_SystemInfo.h"

#include <vector>

#include "framework/Registry.h"
#include "framework/SysUtils.h"

TWindowsInfo* WindowsInfo = nullptr;

namespace {
constexpr uint32_t kWindows9x = 1;
constexpr uint32_t kWindowsNT = 2;
const char* const kCurrentVersion = "\\Software\\Microsoft\\Windows\\CurrentVersion";
const char* const kCurrentVersionNT = "\\Software\\Microsoft\\Windows NT\\CurrentVersion";

// A value whose type is not text counts as empty: nothing else in the program reads these fields.
std::string ReadText(TRegistry& Registry, const std::string& Name) {
    try {
        return Registry.ReadString(Name);
    } catch (const Exception&) {
        return {};
    }
}
} // namespace

TWindowsInfo::TWindowsInfo(const TPlatform& Platform) : FPlatform(Platform) {
    std::string familyKey;
    switch (FPlatform.Version->PlatformId()) {
    case kWindows9x:
        OSFamilyName = "Windows 95/98";
        familyKey = kCurrentVersion;
        break;
    case kWindowsNT:
        OSFamilyName = "Windows NT/2000/XP";
        familyKey = kCurrentVersionNT;
        break;
    default: break;
    }

    DesktopDir = GetSpecialFolder(sfDesktopDirectory);
    FavoritesDir = GetSpecialFolder(sfFavorites);
    FontsDir = GetSpecialFolder(sfFonts);
    NetHoodDir = GetSpecialFolder(sfNetHood);
    PersonalDir = GetSpecialFolder(sfPersonal);
    ProgramFilesDir = GetSpecialFolder(sfProgramFiles);
    RecentDir = GetSpecialFolder(sfRecent);
    SendToDir = GetSpecialFolder(sfSendTo);
    StartMenuDir = GetSpecialFolder(sfStartMenu);
    StartupDir = GetSpecialFolder(sfStartup);
    TemplatesDir = GetSpecialFolder(sfTemplates);
    InternetCacheDir = GetSpecialFolder(sfInternetCache);
    AppDataDir = GetSpecialFolder(sfAppData);

    {
        TRegistry registry(KEY_READ_ACCESS, *FPlatform.Registry);
        ReadRegistry(registry, familyKey);
        try {
            TempDir = GetTempDir();
        } catch (...) {
            TempDir.clear();
        }
    } // the registry reader is released here on every path

    try {
        IsGermanSystem = CheckGermanSystem();
    } catch (...) {
        IsGermanSystem = true;
    }
}

void TWindowsInfo::ReadRegistry(TRegistry& Registry, const std::string& FamilyKey) {
    Registry.SetRootKey(HKEY_CURRENT_USER_ID);
    if (Registry.OpenKey("\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"))
        LogonUserName = ReadText(Registry, "Logon User Name");
    if (Registry.OpenKey("\\Software\\Microsoft\\Wab\\Wab4\\Wab File Name\\")) WabFileName = ReadText(Registry, "");
    Registry.SetRootKey(HKEY_LOCAL_MACHINE_ID);
    if (Registry.OpenKey(FamilyKey)) SystemRootDir = ReadText(Registry, "SystemRoot");
    if (Registry.OpenKey(kCurrentVersion)) {
        RegProgramFilesDir = ReadText(Registry, "ProgramFilesDir");
        RegCommonFilesDir = ReadText(Registry, "CommonFilesDir");
        RegMediaPath = ReadText(Registry, "MediaPath");
    }
}

std::string TWindowsInfo::GetSpecialFolder(int Folder) {
    std::string path;
    if (!FPlatform.Folders->SpecialFolderPath(Folder, path)) return {};
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

std::string TWindowsInfo::GetTempDir() {
    const uint32_t needed = FPlatform.Temp->TempPath(0, nullptr);
    if (needed == 0) return {};
    std::vector<char> buffer(needed + 1, '\0');
    FPlatform.Temp->TempPath(needed, buffer.data());
    return std::string(buffer.data()); // cut at the first NUL
}

bool TWindowsInfo::CheckGermanSystem() { return IntToHex(FPlatform.Language->SystemDefaultLangID(), 4) == "0407"; }

void InitializeSystemInfo(const TPlatform& Platform) {
    if (!WindowsInfo) WindowsInfo = new TWindowsInfo(Platform);
}

void FinalizeSystemInfo() {
    delete WindowsInfo;
    WindowsInfo = nullptr;
}
