#pragma once
// Real files for the contract tests of the platform services. Paths are the core's (Windows-style
// ANSI); the helpers reach the disk through the native path mapping, so the same test runs natively
// against platform/posix and under Wine against platform/win32.
#include <string>

#include "platform/PlatformServices.h"

// Whether the services under test are the Win32 ones (the path mapping is the identity there).
bool OnWindows();

// Where the Win32 services (under Wine, as CI runs them: as root) and the POSIX layer truly differ.
// Everything not named here holds for both.
struct TPlatformFacts {
    // POSIX refuses to write a file whose owner-write bit is clear, also for root, as Windows does;
    // Wine running as root writes through it.
    bool ReadOnlyFilesRefuseWrites;
    // POSIX changes only the bytes of the value (or adds a line); Wine rewrites the whole file from
    // what it parsed (CR LF line breaks, no blanks around '=', blank lines dropped).
    bool ProfileWritesKeepEveryByte;
    // POSIX has no registry: every key fails to open.
    bool HasRegistry;
    // The operating-system family: 2 (NT) under Wine, 0 (neither 9x nor NT) on POSIX.
    uint32_t PlatformId;
    // Shell open of a file in a missing folder: POSIX answers 3 (path not found), Wine 2 (file not
    // found). Both are failures to the launcher, which only compares with 32.
    intptr_t MissingFolderCode;
    // A program that writes "ran" to marker.txt in its current folder.
    const char* ScriptName;
    const char* ScriptText;
};
const TPlatformFacts& Facts();

// A fresh folder below the system's temporary folder, removed with everything in it at the end.
class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    // The folder's core path without a trailing backslash, and a name inside it.
    const std::string& Path() const { return m_path; }
    std::string operator[](const std::string& Name) const { return m_path + "\\" + Name; }

private:
    std::string m_path;
};

void WriteBytes(const std::string& Path, const std::string& Bytes);
// The file's bytes; "<missing>" when it cannot be opened.
std::string ReadBytes(const std::string& Path);
bool PathExists(const std::string& Path);
void MakeFolder(const std::string& Path);
// Clears or sets the write permission (the read-only attribute on Windows). ASCII names only.
void SetReadOnly(const std::string& Path, bool ReadOnly);
