// Private-profile files on POSIX: the text engine of ProfileText over the file's bytes. Nothing is
// cached, so every read sees the file as it is and the flush has nothing to do.
//
// A write never leaves a mix of old and new content. Where the folder allows it, the new bytes go to
// a temporary file beside the old one, which is then renamed over it; a crash at any moment leaves
// the old file or the new one (and at worst, between the temporary file's link and its rename, its
// name, which the next write removes). Where the folder refuses new files but the file itself is writable
// (an administrator's read-only program folder), and where the file belongs to another user who lets
// us write it, the file is rewritten in place, as Windows does, and the old bytes are put back if that
// fails part-way. Whether we may write is the kernel's judgement of this user's rights.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "platform/NativePaths.h"
#include "platform/ProfileText.h"
#include "platform/posix/PosixServices.h"

namespace {

enum class TRead { Ok, Missing, Refused, Failed };

bool IsRefusal(int error) { return error == EACCES || error == EPERM || error == EROFS; }

TRead ReadFileBytes(const std::string& native, std::string& bytes) {
    bytes.clear();
    // Not blocking: a named pipe in the file's place must not freeze the window; it is no file.
    const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? TRead::Missing : IsRefusal(errno) ? TRead::Refused : TRead::Failed;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return TRead::Failed;
    }
    // One buffer of the file's size; a file that grows meanwhile is still read to its end.
    bytes.resize(static_cast<size_t>(st.st_size));
    size_t done = 0;
    char probe[4096];
    for (;;) {
        const bool full = done == bytes.size();
        const ssize_t n =
            full ? ::read(fd, probe, sizeof probe) : ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return TRead::Failed;
        }
        if (n == 0) break;
        if (full) bytes.append(probe, static_cast<size_t>(n));
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    ::close(fd);
    return TRead::Ok;
}

bool WriteAllAt(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& native) {
    const size_t slash = native.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : native.substr(0, slash);
}

// Temporary files are hidden names of the file's own that no other tool makes
// (.Velundo_Client.ini.velundo-write-<16 hex digits>); a writer holds a lock on its own while the
// name exists.
constexpr std::string_view kTempMark = ".velundo-write-";
constexpr size_t kTempDigits = 16;

std::string BaseName(const std::string& native) { return native.substr(native.rfind('/') + 1); }

std::string TempName(const std::string& native, uint64_t number) {
    static const char hex[] = "0123456789abcdef";
    std::string name = FolderOf(native) + "/." + BaseName(native) + std::string(kTempMark);
    for (int shift = 60; shift >= 0; shift -= 4) name += hex[(number >> shift) & 15];
    return name;
}

// Whether the folder entry is one of our temporary files for the file: exactly the name TempName makes.
bool IsOurTemp(std::string_view entry, const std::string& base) {
    const size_t head = 1 + base.size() + kTempMark.size();
    if (entry.size() != head + kTempDigits || entry[0] != '.' || entry.substr(1, base.size()) != base ||
        entry.substr(1 + base.size(), kTempMark.size()) != kTempMark)
        return false;
    return entry.substr(head).find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// Removes temporary files of earlier writers that died before their rename: nobody holds their lock.
void SweepStaleTemps(const std::string& native) {
    const std::string folder = FolderOf(native);
    const std::string base = BaseName(native);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsOurTemp(entry->d_name, base)) continue;
        const std::string path = folder + "/" + entry->d_name;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(path.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}

// Whether the name still leads to the open file: another writer's sweep may have removed it between
// our exclusive create and our lock.
bool StillNamed(int fd, const std::string& temp) {
    struct stat open {}, named {};
    return ::fstat(fd, &open) == 0 && ::lstat(temp.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

// A locked temporary file in the folder. Where the file system can, it has no name until its content
// is safe (Named stays false), so that a crash while writing leaves nothing; else it gets a fresh name
// at once. Sets FolderRefused when the folder does not let us create files.
int CreateTemp(const std::string& native, std::string& temp, bool& Named, bool& FolderRefused) {
    static std::mt19937_64 random{std::random_device{}()};
    FolderRefused = Named = false;
    temp = TempName(native, random());
    int fd = ::open(FolderOf(native).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0 && IsRefusal(errno)) {
        FolderRefused = true;
        return -1;
    }
    if (fd >= 0) {
        if (::flock(fd, LOCK_EX) == 0) return fd;
        ::close(fd);
        return -1;
    }
    for (int attempt = 0; attempt < 16; ++attempt, temp = TempName(native, random())) {
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (IsRefusal(errno)) FolderRefused = true;
            if (errno != EEXIST) return -1;
            continue;
        }
        if (::flock(fd, LOCK_EX) != 0) {
            ::close(fd);
            ::unlink(temp.c_str());
            return -1;
        }
        if (StillNamed(fd, temp)) {
            Named = true;
            return fd;
        }
        ::close(fd); // swept away before we held the lock: take a new name
    }
    return -1;
}

// Gives an unnamed temporary file its name, just before the rename.
bool NameTemp(int fd, const std::string& temp) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// Replaces the file at `native` by `bytes` through a temporary file in the same folder. An existing
// file keeps its mode (and owner, where allowed); a new one gets 0666 less the umask.
bool ReplaceFile(const std::string& native, const std::string& bytes, const struct stat* old,
                 bool& FolderRefused) {
    std::string temp;
    bool named = false;
    const int fd = CreateTemp(native, temp, named, FolderRefused);
    if (fd < 0) return false;
    bool ok = WriteAllAt(fd, bytes);
    if (ok && old) {
        ok = ::fchmod(fd, old->st_mode & 07777) == 0;
        if (ok && (old->st_uid != ::geteuid() || old->st_gid != ::getegid()))
            (void)!::fchown(fd, old->st_uid, old->st_gid); // only root may, and then it should
    }
    ok = ok && ::fsync(fd) == 0;
    if (ok && !named) ok = named = NameTemp(fd, temp);
    ok = ok && ::rename(temp.c_str(), native.c_str()) == 0;
    if (!ok && named) ::unlink(temp.c_str());
    // The lock is held up to here, so no sweep takes the name away. After fsync and rename the new
    // content is in place; what close then reports cannot undo that.
    ::close(fd);
    return ok;
}

// Puts `bytes` back as the whole content of the open file.
bool RestoreContent(int fd, const std::string& bytes) {
    return WriteAllAt(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
           ::fsync(fd) == 0;
}

// Rewrites an existing file in place; if that fails part-way, the old bytes go back.
bool RewriteInPlace(const std::string& native, const std::string& bytes) {
    std::string old;
    if (ReadFileBytes(native, old) != TRead::Ok) return false;
    int fd = ::open(native.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok =
        WriteAllAt(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
    if (!ok) RestoreContent(fd, old);
    if (::close(fd) != 0 && ok) { // what close reports may have lost the new bytes: the old ones go back
        ok = false;
        fd = ::open(native.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd >= 0) {
            RestoreContent(fd, old);
            ::close(fd);
        }
    }
    return ok;
}

// A symbolic link is followed, so that the link stays and its target gets the new content.
std::string ResolveLink(const std::string& native) {
    char* real = ::realpath(native.c_str(), nullptr);
    if (!real) return native;
    std::string resolved = real;
    ::free(real);
    return resolved;
}

// Whether this user may change the file, as the kernel judges this user's rights (owner, groups,
// ACLs, a read-only mount); a file without any write bit is read-only also for root, as Windows'
// read-only attribute is for administrators.
bool MayWrite(const std::string& native, const struct stat& st) {
    return (st.st_mode & 0222) != 0 && ::faccessat(AT_FDCWD, native.c_str(), W_OK, AT_EACCESS) == 0;
}

class TPosixProfile : public IPrivateProfile {
public:
    uint32_t GetString(const std::string& Section, const std::string& Key, const std::string& Default,
                       char* Buffer, uint32_t Size, const std::string& FileName) override {
        std::string bytes;
        const std::string native = ToNativePath(FileName);
        if (native.empty() || ReadFileBytes(native, bytes) != TRead::Ok) bytes.clear();
        return ProfileGetString(bytes, Section, Key, Default, Buffer, Size);
    }

    bool WriteString(const char* Section, const char* Key, const char* Value,
                     const std::string& FileName) override {
        if (!Section && !Key && !Value) return false; // the flush: nothing is cached; Windows answers false
        FRefused = false;
        if (!Section) return false;
        const std::string native = ResolveLink(ToNativePath(FileName));
        if (native.empty()) return false;
        std::string bytes;
        const TRead read = ReadFileBytes(native, bytes);
        if (read != TRead::Ok && read != TRead::Missing) { // what cannot be read cannot be kept
            FRefused = read == TRead::Refused;
            return false;
        }
        if (!ProfileEdit(bytes, Section, Key, Value)) return true;
        struct stat st {};
        const bool exists = read == TRead::Ok && ::stat(native.c_str(), &st) == 0;
        if (exists && !MayWrite(native, st)) return Refuse();
        // Another user's file that we may write (through its group, say) is rewritten in place: a
        // replacement would make it ours and could take that user's rights away.
        if (exists && st.st_uid != ::geteuid() && ::geteuid() != 0) return RewriteInPlace(native, bytes);
        SweepStaleTemps(native);
        bool folderRefused = false;
        if (ReplaceFile(native, bytes, exists ? &st : nullptr, folderRefused)) return true;
        if (!exists) return folderRefused ? Refuse() : false;
        return folderRefused && RewriteInPlace(native, bytes);
    }

    bool LastWriteRefused() override { return FRefused; }

private:
    bool Refuse() {
        FRefused = true;
        return false;
    }
    bool FRefused{false};
};

} // namespace

IPrivateProfile& PosixPrivateProfile() {
    static TPosixProfile profile;
    return profile;
}
