#pragma once
// The process-wide record of facts about the running Windows installation, gathered once at start.
#include <string>

#include "framework/Classes.h"
#include "platform/PlatformServices.h"

class TRegistry;

class TWindowsInfo : public TObject {
public:
    // Gathers every field from the platform (the real one by default).
    explicit TWindowsInfo(const TPlatform& Platform = NativePlatform());

    // Folders carry no trailing backslash; TempDir keeps the one the platform returns.
    std::string DesktopDir;
    std::string FavoritesDir;
    std::string FontsDir;
    std::string NetHoodDir;
    std::string PersonalDir;
    std::string ProgramFilesDir;
    std::string RecentDir;
    std::string SendToDir;
    std::string StartMenuDir;
    std::string StartupDir;
    std::string TemplatesDir;
    std::string InternetCacheDir;
    std::string LogonUserName;
    std::string SystemRootDir;
    std::string OSFamilyName;
    std::string RegProgramFilesDir;
    std::string RegCommonFilesDir;
    std::string RegMediaPath;
    std::string TempDir;
    std::string WabFileName;
    std::string AppDataDir;
    bool IsGermanSystem{false};

    // True exactly when the system default language is German (Germany), 0407.
    bool CheckGermanSystem();

private:
    std::string GetSpecialFolder(int Folder);
    std::string GetTempDir();
    void ReadRegistry(TRegistry& Registry, const std::string& FamilyKey);

    const TPlatform& FPlatform;
};

// The one record; valid between InitializeSystemInfo and FinalizeSystemInfo.
extern TWindowsInfo* WindowsInfo;
void InitializeSystemInfo(const TPlatform& Platform = NativePlatform());
void FinalizeSystemInfo();
