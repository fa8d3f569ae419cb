// The small system queries on POSIX: program path, special folders from the XDG user folders, no
// registry, no Windows version, the temporary folder and the language of the locale.
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/CodePage.h"
#include "platform/LocaleLanguage.h"
#include "platform/NativePaths.h"
#include "platform/XdgUserDirs.h"
#include "platform/posix/PosixServices.h"

namespace {

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

class TPosixProgramPath : public IProgramPath {
public:
    std::string ProgramPath() override {
        std::string buffer(4096, '\0');
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n <= 0 || static_cast<size_t>(n) >= buffer.size()) return {};
        buffer.resize(static_cast<size_t>(n));
        std::string path = FromNativePath(buffer);
        return path.empty() ? PathThroughFolderHandle(buffer) : path;
    }

private:
    // A program folder whose name Windows-1252 cannot spell is reached through a handle on it that
    // stays open: Z:\proc\self\fd\N\ is that very folder, so the settings file beside the program
    // is still the one found and written (never a '?' stand-in for another folder).
    static std::string PathThroughFolderHandle(const std::string& native) {
        const size_t slash = native.rfind('/');
        static const int folder = ::open(native.substr(0, slash).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (folder < 0) return {};
        const std::string name = native.substr(slash + 1);
        const std::optional<std::string> spelled = ExactAnsiName(name);
        return "Z:\\proc\\self\\fd\\" + std::to_string(folder) + "\\" + (spelled ? *spelled : Utf8ToAnsi(name));
    }
};

std::string HomeFolder() {
    std::string home = Env("HOME");
    if (home.empty())
        if (const passwd* pw = ::getpwuid(::getuid())) home = pw->pw_dir ? pw->pw_dir : "";
    return home;
}

// $XDG_<name>_HOME when absolute, else the home folder followed by the fallback: an empty value means
// unset, and a relative one is ignored, as the XDG base-directory rules say.
std::string XdgBase(const char* variable, const std::string& home, const char* fallback) {
    const std::string value = Env(variable);
    return !value.empty() && value[0] == '/' ? value : home + fallback;
}

std::string UserDir(const std::string& home, const char* name, const char* fallback) {
    std::ifstream file(XdgBase("XDG_CONFIG_HOME", home, "/.config") + "/user-dirs.dirs", std::ios::binary);
    if (file) {
        std::ostringstream text;
        text << file.rdbuf();
        if (auto dir = XdgUserDirFromText(text.str(), name, home)) return *dir;
    }
    return home + fallback;
}

class TPosixSpecialFolders : public ISpecialFolders {
public:
    bool SpecialFolderPath(int Csidl, std::string& Path) override {
        Path.clear();
        const std::string home = HomeFolder();
        if (home.empty()) return false;
        std::string native;
        switch (Csidl) {
        case sfDesktopDirectory: native = UserDir(home, "DESKTOP", "/Desktop"); break;
        case sfPersonal: native = UserDir(home, "DOCUMENTS", "/Documents"); break;
        case sfTemplates: native = UserDir(home, "TEMPLATES", "/Templates"); break;
        case sfAppData: native = XdgBase("XDG_CONFIG_HOME", home, "/.config"); break;
        case sfStartup: native = XdgBase("XDG_CONFIG_HOME", home, "/.config") + "/autostart"; break;
        case sfStartMenu: native = XdgBase("XDG_DATA_HOME", home, "/.local/share") + "/applications"; break;
        case sfFonts: native = XdgBase("XDG_DATA_HOME", home, "/.local/share") + "/fonts"; break;
        case sfInternetCache: native = XdgBase("XDG_CACHE_HOME", home, "/.cache"); break;
        default: return false; // favourites, network places, recent, send-to, program files: none here
        }
        while (native.size() > 1 && native.back() == '/') native.pop_back();
        // The configuration folder is the user's even before anything made it (a new account, a
        // kiosk user); the settings make it when they first write. Every other folder must exist.
        const std::string needed = Csidl == sfAppData ? home : native;
        struct stat st {};
        if (::stat(needed.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
        Path = FromNativePath(native);
        return !Path.empty(); // a folder Windows-1252 cannot spell is not to be had, like a missing one
    }
};

class TPosixRegistry : public IRegistry {
public:
    Handle OpenKey(uint32_t, const std::string&, uint32_t) override { return nullptr; }
    bool QueryValue(Handle, const std::string&, uint32_t&, std::string&) override { return false; }
    void CloseKey(Handle) override {}
    // There are no values here, so none of REG_EXPAND_SZ to expand.
    std::string ExpandValue(const std::string& Text) override { return Text; }
};

class TPosixOsVersion : public IOsVersion {
public:
    uint32_t PlatformId() override { return 0; } // neither Windows 9x (1) nor NT (2)
};

class TPosixTempPath : public ITempPath {
public:
    uint32_t TempPath(uint32_t BufferLength, char* Buffer) override {
        std::string native = Env("TMPDIR");
        if (native.empty() || native[0] != '/') native = "/tmp";
        std::string path = FromNativePath(native);
        if (path.empty()) path = "Z:\\tmp"; // a folder Windows-1252 cannot spell: the system's own
        if (path.back() != '\\') path += '\\';
        if (!Buffer || BufferLength < path.size() + 1) return static_cast<uint32_t>(path.size() + 1);
        std::memcpy(Buffer, path.c_str(), path.size() + 1);
        return static_cast<uint32_t>(path.size());
    }
};

class TPosixLanguage : public ISystemLanguage {
public:
    uint16_t SystemDefaultLangID() override {
        for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const std::string value = Env(variable);
            if (!value.empty()) return LangIdFromLocale(value);
        }
        return LangIdFromLocale("");
    }
};

} // namespace

IProgramPath& PosixProgramPath() {
    static TPosixProgramPath program;
    return program;
}
ISpecialFolders& PosixSpecialFolders() {
    static TPosixSpecialFolders folders;
    return folders;
}
IRegistry& PosixRegistry() {
    static TPosixRegistry registry;
    return registry;
}
IOsVersion& PosixOsVersion() {
    static TPosixOsVersion version;
    return version;
}
ITempPath& PosixTempPath() {
    static TPosixTempPath temp;
    return temp;
}
ISystemLanguage& PosixSystemLanguage() {
    static TPosixLanguage language;
    return language;
}

const char* UserSettingsFolderName() { return "velundo"; }

TPlatform& NativePlatform() {
    static TPlatform platform{&PosixProgramPath(),    &PosixShellOpen(),       &PosixFolderSearch(),
                              &PosixFileSystem(),     &PosixPrivateProfile(),  &PosixSpecialFolders(),
                              &PosixRegistry(),       &PosixOsVersion(),       &PosixTempPath(),
                              &PosixSystemLanguage(), &PosixMachineSettings()};
    return platform;
}
