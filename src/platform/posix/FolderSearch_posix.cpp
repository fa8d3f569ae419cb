// Folder search on POSIX: the entries of one folder whose names match the pattern's last component
// as Windows matches wildcards (without regard to case), with attributes derived from the file:
// folder, read-only when the owner may not write, hidden when the name starts with a dot, system for
// anything that is neither a regular file nor a folder, archive for every regular file.
//
// Only entries whose names have an exact Windows-1252 form are reported (no backslash, no control
// character, nothing that does not survive the way back): the core acts on folder + name, so a
// converted stand-in would make it act on another file. Such a name is no Windows name anyway.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <string_view>

#include "platform/NativePaths.h"
#include "platform/WildcardMatch.h"
#include "platform/posix/PosixServices.h"

namespace {

struct TPosixSearch {
    DIR* Dir{nullptr};
    std::string Folder; // native, ending in '/'
    std::string Mask;   // ANSI wildcard
    uint32_t Attributes{0};
    std::string Path; // the entry being looked at, reused so that a sweep does not allocate per entry
    ~TPosixSearch() {
        if (Dir) ::closedir(Dir);
    }
};

uint32_t AttributesOf(const std::string& nativePath, std::string_view name) {
    struct stat st {};
    if (::stat(nativePath.c_str(), &st) != 0) return faSysFile; // a dangling link
    uint32_t a = 0;
    if (S_ISDIR(st.st_mode))
        a |= faDirectory;
    else if (S_ISREG(st.st_mode))
        a |= faArchive;
    else
        a |= faSysFile;
    if ((st.st_mode & S_IWUSR) == 0) a |= faReadOnly;
    if (name.size() > 1 && name[0] == '.' && name != "..") a |= faHidden;
    return a;
}

class TPosixFolderSearch : public IFolderSearch {
public:
    Handle FindFirst(const std::string& Pattern, uint32_t AttributeMask, TSearchEntry& Entry) override {
        const size_t cut = Pattern.find_last_of("\\/:");
        const std::string folder = cut == std::string::npos ? "" : Pattern.substr(0, cut + 1);
        std::string mask = cut == std::string::npos ? Pattern : Pattern.substr(cut + 1);
        if (mask.empty()) return nullptr;
        std::string native = folder.empty() ? "./" : ToNativePath(folder);
        if (native.empty()) return nullptr;
        if (native.back() != '/') native += '/'; // "Z:" alone is the root
        auto search = std::make_unique<TPosixSearch>();
        search->Dir = ::opendir(native.c_str());
        if (!search->Dir) return nullptr;
        search->Folder = native;
        search->Mask = mask;
        search->Attributes = AttributeMask;
        if (!FindNext(search.get(), Entry)) return nullptr;
        return search.release();
    }

    bool FindNext(Handle Search, TSearchEntry& Entry) override {
        auto* search = static_cast<TPosixSearch*>(Search);
        while (const dirent* d = ::readdir(search->Dir)) {
            std::optional<std::string> name = ExactAnsiName(d->d_name);
            if (!name || !WildcardMatch(search->Mask, *name)) continue;
            search->Path.assign(search->Folder).append(d->d_name);
            const uint32_t attributes = AttributesOf(search->Path, d->d_name);
            if (!MatchesAttributeMask(attributes, search->Attributes)) continue;
            Entry.Name = std::move(*name);
            Entry.Attributes = attributes;
            return true;
        }
        return false;
    }

    void FindClose(Handle Search) override { delete static_cast<TPosixSearch*>(Search); }
};

class TPosixFileSystem : public IFileSystem {
public:
    // As DeleteFileA: no folders, no missing names, and no read-only files even for root.
    bool RemoveFile(const std::string& Path) override {
        const std::string native = ToNativePath(Path);
        struct stat st {};
        if (native.empty() || ::lstat(native.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
        if (!S_ISLNK(st.st_mode) && (st.st_mode & S_IWUSR) == 0) return false;
        return ::unlink(native.c_str()) == 0;
    }

    // Only a regular file (or a link to one) is a file here: reading a named pipe or a device as
    // the settings file would block or never end.
    bool FileExists(const std::string& Path) override {
        const std::string native = ToNativePath(Path);
        struct stat st {};
        return !native.empty() && ::stat(native.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    }

    // Each missing folder from the root down; a name in the way that is no folder (or a link to one)
    // ends it.
    bool CreateFolder(const std::string& Path) override {
        const std::string native = ToNativePath(Path);
        if (native.empty() || native[0] != '/') return false;
        for (size_t end = native.find('/', 1);; end = native.find('/', end + 1)) {
            if (!MakeFolder(native.substr(0, end))) return false;
            if (end == std::string::npos) return true;
        }
    }

private:
    static bool IsFolder(const std::string& native) {
        struct stat st {};
        return ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }
    static bool MakeFolder(const std::string& native) {
        if (IsFolder(native)) return true;
        return ::mkdir(native.c_str(), 0700) == 0 || (errno == EEXIST && IsFolder(native));
    }
};

} // namespace

IFolderSearch& PosixFolderSearch() {
    static TPosixFolderSearch search;
    return search;
}

IFileSystem& PosixFileSystem() {
    static TPosixFileSystem files;
    return files;
}
