#pragma once
// Path helpers and the settings-file access object.
#include <string>

#include "framework/Classes.h"
#include "platform/PlatformServices.h"

// The path with one trailing backslash (a drive such as "C:" gets one too); empty stays empty, and
// other one- or two-character paths stay as they are. Byte tests.
std::string AppendBackslash(const std::string& Path);
// The folder part of a path: up to the last backslash, colon or NUL; a drive root keeps its
// backslash. Byte tests.
std::string ExtractFolder(const std::string& Path);

class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

class TCustomIniFile : public TObject {
public:
    explicit TCustomIniFile(std::string FileName) : FFileName(std::move(FileName)) {}
    const std::string& FileName() const { return FFileName; }
    virtual std::string ReadString(const std::string& Section, const std::string& Ident,
                                   const std::string& Default) = 0;
    virtual void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) = 0;

private:
    std::string FFileName;
};

// An INI file read and written through the platform's private-profile operations; it keeps no
// cache of its own. Destroying it flushes the platform's cached copy of the file.
class TIniFile : public TCustomIniFile {
public:
    explicit TIniFile(const std::string& FileName, IPrivateProfile* Profile = nullptr);
    ~TIniFile() override;
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    // At most 2047 characters of the value; the default when file, section or key is missing.
    std::string ReadString(const std::string& Section, const std::string& Ident,
                           const std::string& Default) override;
    // Raises EIniFileException "In <file> kann nicht geschrieben werden" when the write fails.
    void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) override;

private:
    IPrivateProfile& FProfile;
};
