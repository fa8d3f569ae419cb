// Shell open on POSIX: an executable regular file is started detached (a session of its own, not
// waited for) in the given or the current folder; anything else goes to xdg-open. The results are
// ShellExecuteA's codes.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/CodePage.h"
#include "platform/NativePaths.h"
#include "platform/posix/PosixServices.h"

namespace {

enum : intptr_t {
    kStarted = 42,
    kFileNotFound = 2,
    kPathNotFound = 3,
    kAccessDenied = 5,
    kBadFormat = 11,
    kNoAssociation = 31,
};

// Windows' command-line splitting, simplified: blanks separate, double quotes group.
std::vector<std::string> SplitParameters(const std::string& text) {
    std::vector<std::string> args;
    std::string current;
    bool quoted = false, any = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (any) args.push_back(AnsiToUtf8(current));
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any) args.push_back(AnsiToUtf8(current));
    return args;
}

intptr_t CodeOfErrno(int error) {
    switch (error) {
    case ENOENT: return kFileNotFound;
    case ENOTDIR: return kPathNotFound;
    case EACCES:
    case EPERM: return kAccessDenied;
    case ENOEXEC: return kBadFormat;
    default: return kNoAssociation;
    }
}

// Runs argv[0] (searched in PATH when it has no slash) in a new session, in `folder` when not empty.
// With `detach` the program is started through an intermediate process that ends at once, so it is
// never waited for; the result is 0 or the errno of a failed start. Without it, the child is waited
// for up to a few seconds and its exit status is returned in `status` (-1 when still running).
int Spawn(const std::vector<std::string>& args, const std::string& folder, bool detach, int& status) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return errno;
    const pid_t child = ::fork();
    if (child < 0) {
        const int error = errno;
        ::close(report[0]);
        ::close(report[1]);
        return error;
    }
    if (child == 0) {
        ::setsid();
        if (detach) {
            const pid_t grandchild = ::fork();
            if (grandchild != 0) ::_exit(grandchild < 0 ? 1 : 0);
        }
        int error = 0;
        if (!folder.empty() && ::chdir(folder.c_str()) != 0) error = errno;
        if (!error) {
            ::execvp(argv[0], argv.data());
            error = errno;
        }
        (void)!::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(report[1]);
    int error = 0;
    ssize_t got;
    do got = ::read(report[0], &error, sizeof error);
    while (got < 0 && errno == EINTR);
    ::close(report[0]);
    if (got != sizeof error) error = 0; // the pipe closed on a successful exec
    status = -1;
    int raw = 0;
    if (detach) {
        while (::waitpid(child, &raw, 0) < 0 && errno == EINTR) {}
    } else if (!error) {
        for (int i = 0; i < 100; ++i) { // xdg-open hands over and ends; a handler that stays is left running
            if (::waitpid(child, &raw, WNOHANG) == child) {
                status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 1;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    } else {
        while (::waitpid(child, &raw, 0) < 0 && errno == EINTR) {}
    }
    return error;
}

bool FolderExists(const std::string& native) {
    struct stat st {};
    return ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ParentOf(const std::string& native) {
    const size_t slash = native.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : native.substr(0, slash);
}

class TPosixShellOpen : public IShellOpen {
public:
    intptr_t ShellOpen(const std::string& Verb, const std::string& File, const std::string& Parameters,
                       const std::string& Directory, int) override {
        if (!Verb.empty() && LowerCaseAscii(Verb) != "open") return kNoAssociation;
        if (File.empty()) return kFileNotFound;
        const std::string native = ToNativePath(File);
        if (native.empty()) return kPathNotFound;
        std::string folder;
        if (!Directory.empty()) {
            folder = ToNativePath(Directory);
            if (folder.empty() || !FolderExists(folder)) return kPathNotFound;
        }
        struct stat st {};
        if (::stat(native.c_str(), &st) != 0) {
            if (errno == ENOENT) return FolderExists(ParentOf(native)) ? kFileNotFound : kPathNotFound;
            return CodeOfErrno(errno);
        }
        int status = 0;
        if (S_ISREG(st.st_mode) && (st.st_mode & 0111) != 0) {
            std::vector<std::string> args{native.find('/') == std::string::npos ? "./" + native : native};
            for (std::string& a : SplitParameters(Parameters)) args.push_back(std::move(a));
            const int error = Spawn(args, folder, true, status);
            return error ? CodeOfErrno(error) : kStarted;
        }
        const int error = Spawn({"xdg-open", native}, folder, false, status);
        if (error) return kNoAssociation; // no xdg-open
        if (status == 0 || status == -1) return kStarted;
        return status == 2 ? kFileNotFound : kNoAssociation;
    }
};

} // namespace

IShellOpen& PosixShellOpen() {
    static TPosixShellOpen shell;
    return shell;
}
