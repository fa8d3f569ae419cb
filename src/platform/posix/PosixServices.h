#pragma once
// The POSIX implementations of the platform services, one file each; NativePlatform() bundles them.
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
