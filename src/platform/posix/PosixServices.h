#pragma once
// The POSIX implementations of the platform services, one file each; NativePlatform() bundles them.
#include <functional>
#include <memory>
#include <string>

#include "platform/PlatformServices.h"

IProgramPath& PosixProgramPath();
IShellOpen& PosixShellOpen();
IFolderSearch& PosixFolderSearch();
IFileSystem& PosixFileSystem();
IPrivateProfile& PosixPrivateProfile();
ISpecialFolders& PosixSpecialFolders();
IRegistry& PosixRegistry();
IOsVersion& PosixOsVersion();
ITempPath& PosixTempPath();
ISystemLanguage& PosixSystemLanguage();
IMachineSettings& PosixMachineSettings(); // the files in /etc/velundo

// The administrator's settings files in Folder; Report gets the reason each time a file is left
// unread (the program's own instance prints each reason once on the standard error).
std::unique_ptr<IMachineSettings> MachineSettingsIn(std::string Folder, std::function<void(const std::string&)> Report);
