// Private-profile files on POSIX: the text engine of ProfileText over the file's bytes. Nothing is
// cached, so every read sees the file as it is and the flush has nothing to do. A write never loses
// other content: the new bytes go to a temporary file beside the old one, which is then renamed over
// it; on any failure the old file stays as it was.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "platform/NativePaths.h"
#include "platform/ProfileText.h"
#include "platform/posix/PosixServices.h"

namespace {

enum class TRead { Ok, Missing, Failed };

TRead ReadFileBytes(const std::string& native, std::string& bytes) {
    bytes.clear();
    const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? TRead::Missing : TRead::Failed;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return TRead::Failed;
    }
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return TRead::Failed;
        }
        if (n == 0) break;
        bytes.append(chunk, static_cast<size_t>(n));
    }
    ::close(fd);
    return TRead::Ok;
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}


// Replaces the file at `native` by `bytes` through a temporary file in the same folder. An existing
// file keeps its mode (and owner, where allowed); a new one gets 0666 less the umask.
bool ReplaceFile(const std::string& native, const std::string& bytes, const struct stat* old) {
    static std::mt19937_64 random{std::random_device{}()};
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temp = native + ".~" + std::to_string(random() % 1000000000ull);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = WriteAll(fd, bytes);
    if (ok && old) {
        ok = ::fchmod(fd, old->st_mode & 07777) == 0;
        if (ok && (old->st_uid != ::geteuid() || old->st_gid != ::getegid()))
            (void)!::fchown(fd, old->st_uid, old->st_gid); // only root may, and then it should
    }
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = ::rename(temp.c_str(), native.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
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

class TPosixProfile : public IPrivateProfile {
public:
    uint32_t GetString(const std::string& Section, const std::string& Key, const std::string& Default, char* Buffer,
                       uint32_t Size, const std::string& FileName) override {
        std::string bytes;
        const std::string native = ToNativePath(FileName);
        if (native.empty() || ReadFileBytes(native, bytes) != TRead::Ok) bytes.clear();
        return ProfileGetString(bytes, Section, Key, Default, Buffer, Size);
    }

    bool WriteString(const char* Section, const char* Key, const char* Value, const std::string& FileName) override {
        if (!Section && !Key && !Value) return false; // the flush: nothing is cached; Windows answers false
        if (!Section) return false;
        const std::string native = ResolveLink(ToNativePath(FileName));
        if (native.empty()) return false;
        std::string bytes;
        const TRead read = ReadFileBytes(native, bytes);
        if (read == TRead::Failed) return false; // what cannot be read cannot be kept
        if (!ProfileEdit(bytes, Section, Key, Value)) return true;
        struct stat st {};
        const bool exists = read == TRead::Ok && ::stat(native.c_str(), &st) == 0;
        if (exists && (st.st_mode & S_IWUSR) == 0) return false; // read-only, also for root
        return ReplaceFile(native, bytes, exists ? &st : nullptr);
    }
};

} // namespace

IPrivateProfile& PosixPrivateProfile() {
    static TPosixProfile profile;
    return profile;
}
