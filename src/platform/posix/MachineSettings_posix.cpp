// The administrator's settings files on POSIX (/etc/velundo/managed.ini, recommended.ini). A value
// there is given to every user of the machine, so the file is trusted only as root keeps it: owned by
// root, in a folder owned by root, neither writable by anyone else. It is UTF-8 text; a file that is
// not, or whose value Windows-1252 cannot hold exactly, is left unread, never misread.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <set>

#include "platform/CodePage.h"
#include "platform/ProfileText.h"
#include "platform/posix/PosixServices.h"

namespace {

constexpr off_t kLargestFile = 64 * 1024; // a policy of a few lines; anything larger is no such file

bool KeptByRoot(const struct stat& St) { return St.st_uid == 0 && (St.st_mode & (S_IWGRP | S_IWOTH)) == 0; }

bool ValidUtf8(const std::string& Text) {
    for (size_t pos = 0; pos < Text.size();)
        if (DecodeUtf8(Text, pos) == kNoCodePoint) return false;
    return true;
}

bool HasControlCharacter(const std::string& Text) {
    for (unsigned char c : Text)
        if (c < 0x20 || c == 0x7F) return true;
    return false;
}

class TPosixMachineSettings : public IMachineSettings {
public:
    TPosixMachineSettings(std::string Folder, std::function<void(const std::string&)> Report)
        : FFolder(std::move(Folder)), FReport(std::move(Report)) {}

    std::string ReadValue(const std::string& File, const std::string& Section, const std::string& Key) override {
        const std::string path = FFolder + "/" + File;
        std::string bytes;
        if (!ReadTrusted(path, bytes)) return {};
        if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3); // a byte-order mark says UTF-8 too
        if (!ValidUtf8(bytes)) return Refuse(path + " is not UTF-8 text; it is ignored");
        const std::optional<std::string> value = ProfileLookup(bytes, Section, Key);
        if (!value) return {};
        if (!Utf8FitsAnsi(*value) || HasControlCharacter(*value))
            return Refuse(path + ": the value of " + Key + " has characters the program cannot keep; it is ignored");
        return Utf8ToAnsi(*value);
    }

private:
    // The file's bytes when root keeps it and its folder; a missing file is no problem to report.
    bool ReadTrusted(const std::string& Path, std::string& Bytes) {
        struct stat folder {};
        if (::stat(FFolder.c_str(), &folder) != 0) return false;
        // Not blocking: a named pipe in the file's place must not freeze the window.
        const int fd = ::open(Path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (fd < 0) return false;
        struct stat st {};
        bool ok = ::fstat(fd, &st) == 0;
        if (ok && (!S_ISREG(st.st_mode) || st.st_size > kLargestFile)) {
            Refuse(Path + " is no settings file of a few lines; it is ignored");
            ok = false;
        } else if (ok && (!KeptByRoot(st) || !S_ISDIR(folder.st_mode) || !KeptByRoot(folder))) {
            Refuse(Path + " or its folder may be changed by others than root; it is ignored");
            ok = false;
        }
        char buffer[4096];
        for (ssize_t n; ok && (n = ::read(fd, buffer, sizeof buffer)) != 0;) {
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 || Bytes.size() + static_cast<size_t>(n) > static_cast<size_t>(kLargestFile)) ok = false;
            else Bytes.append(buffer, static_cast<size_t>(n));
        }
        ::close(fd);
        return ok;
    }

    std::string Refuse(const std::string& Reason) {
        if (FReport) FReport(Reason);
        return {};
    }

    std::string FFolder;
    std::function<void(const std::string&)> FReport;
};

} // namespace

std::unique_ptr<IMachineSettings> MachineSettingsIn(std::string Folder, std::function<void(const std::string&)> Report) {
    return std::make_unique<TPosixMachineSettings>(std::move(Folder), std::move(Report));
}

IMachineSettings& PosixMachineSettings() {
    // Each reason once: the window reads the files at every activation.
    static std::set<std::string> reported;
    static const auto settings = MachineSettingsIn("/etc/velundo", [](const std::string& Reason) {
        if (reported.insert(Reason).second) std::fprintf(stderr, "Velundo Client: %s\n", Reason.c_str());
    });
    return *settings;
}
