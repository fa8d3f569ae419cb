// Shell open on POSIX: a program of this system (an executable ELF file or #! script) is started
// detached (a session of its own, not waited for) in the given or the current folder; anything else,
// a Windows program included, goes to the desktop's opener, xdg-open. Either gets the desktop's token
// to take the focus, where one is issued. The results are ShellExecuteA's codes.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string_view>
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

// What a started child reports through its pipe: that its exec failed (with errno), or, for a
// waited-for child, how it ended.
struct TReport {
    int Kind; // kExecFailed or kExited
    int Value;
};
enum { kExecFailed = 1, kExited = 2 };

// In a new child: the signal dispositions and mask a program gets from a fresh session, not the
// launcher's (an ignored SIGPIPE or SIGCHLD would be inherited through exec).
void ResetSignals() {
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal) ::sigaction(signal, &standard, nullptr);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
}

// The environment a started program gets: the launcher's own, with the desktop's token for this start
// under both names (the program may be a Wayland or an X11 client), and never a token the launcher
// was started with: that one was the launcher's own, and is spent.
std::vector<std::string> ChildEnvironment(const std::string& token) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string_view e = *entry;
        if (!e.starts_with("XDG_ACTIVATION_TOKEN=") && !e.starts_with("DESKTOP_STARTUP_ID="))
            environment.emplace_back(e);
    }
    if (!token.empty()) {
        environment.push_back("XDG_ACTIVATION_TOKEN=" + token);
        environment.push_back("DESKTOP_STARTUP_ID=" + token);
    }
    return environment;
}

std::vector<char*> Pointers(const std::vector<std::string>& texts) {
    std::vector<char*> out;
    for (const std::string& t : texts)
        out.push_back(const_cast<char*>(t.c_str()));
    out.push_back(nullptr);
    return out;
}

[[noreturn]] void Exec(char* const* argv, char* const* envp, const std::string& folder, bool searchPath,
                       int report) {
    int error = 0;
    if (!folder.empty() && ::chdir(folder.c_str()) != 0) error = errno;
    if (!error) {
        // execve, not execvpe, for a file we found: execvpe runs what the kernel cannot start with /bin/sh.
        searchPath ? ::execvpe(argv[0], argv, envp) : ::execve(argv[0], argv, envp);
        error = errno;
    }
    const TReport failed{kExecFailed, error};
    (void)!::write(report, &failed, sizeof failed);
    ::_exit(127);
}

// Starts argv[0] in a session of its own, in `folder` when not empty, as a grandchild that init
// adopts, so that the launcher never leaves a zombie and never waits for the program. Only
// async-signal-safe calls between fork and exec: the GTK process has threads.
//
// The result is 0 or the errno of a failed start. With `wait`, the program's exit status is read
// for up to a few seconds into `status` (-1 when it still runs then: a handler that stays).
int Spawn(const std::vector<std::string>& args, const std::vector<std::string>& environment,
          const std::string& folder, bool searchPath, bool wait, int& status) {
    const std::vector<char*> argv = Pointers(args), envp = Pointers(environment);
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return errno;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(report[0]);
        ::setsid();
        ResetSignals();
        if (::fork() != 0) ::_exit(0); // the first child ends at once; init adopts the second
        if (!wait) Exec(argv.data(), envp.data(), folder, searchPath, report[1]);
        const pid_t program = ::fork();
        if (program == 0) Exec(argv.data(), envp.data(), folder, searchPath, report[1]);
        int raw = 0;
        while (program > 0 && ::waitpid(program, &raw, 0) < 0 && errno == EINTR) {}
        const TReport ended{kExited, program > 0 && WIFEXITED(raw) ? WEXITSTATUS(raw) : 1};
        (void)!::write(report[1], &ended, sizeof ended);
        ::_exit(0);
    }
    const int forkError = child < 0 ? errno : 0;
    ::close(report[1]);
    if (child > 0)
        while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {}
    status = -1;
    int error = forkError;
    // Without `wait` the pipe closes when the exec succeeds; with it, the program's end is reported.
    for (auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5); !error;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        pollfd in{report[0], POLLIN, 0};
        const int ready = left.count() > 0 ? ::poll(&in, 1, static_cast<int>(left.count())) : 0;
        if (ready < 0 && errno == EINTR) continue;
        TReport got{};
        if (ready <= 0 || ::read(report[0], &got, sizeof got) != sizeof got) break;
        if (got.Kind == kExecFailed) error = got.Value;
        if (got.Kind == kExited) {
            status = got.Value;
            break;
        }
    }
    ::close(report[0]);
    return error;
}

// Whether the file is a program this system starts itself: an ELF binary or a script with a #!
// line. A file that cannot be read (execute-only) is left to the kernel. Anything else with the
// execute bit (a Windows program on a share that marks every file executable, a text file) is not
// run: the shell would try to read it as commands.
bool RunsDirectly(const std::string& native) {
    const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return errno == EACCES;
    char head[4] = {};
    ssize_t n;
    do n = ::read(fd, head, sizeof head);
    while (n < 0 && errno == EINTR);
    ::close(fd);
    return (n == 4 && std::memcmp(head, "\x7F" "ELF", 4) == 0) || (n >= 2 && head[0] == '#' && head[1] == '!');
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
        // A name such as "-x.exe" must not be read as an option, by the program or by xdg-open.
        const std::string path = native[0] == '/' ? native : "./" + native;
        const std::string token = FTokens ? FTokens->Issue(path) : std::string();
        const intptr_t result = Start(path, Parameters, folder, st, ChildEnvironment(token));
        if (result <= 32 && !token.empty()) FTokens->Failed(token);
        return result;
    }

    void SetLaunchTokens(ILaunchTokens* Tokens) override { FTokens = Tokens; }

private:
    static intptr_t Start(const std::string& path, const std::string& Parameters, const std::string& folder,
                          const struct stat& st, const std::vector<std::string>& environment) {
        int status = 0;
        if (S_ISREG(st.st_mode) && (st.st_mode & 0111) != 0 && RunsDirectly(path)) {
            std::vector<std::string> args{path};
            for (std::string& a : SplitParameters(Parameters)) args.push_back(std::move(a));
            const int error = Spawn(args, environment, folder, false, false, status);
            return error ? CodeOfErrno(error) : kStarted;
        }
        const int error = Spawn({"xdg-open", path}, environment, folder, true, true, status);
        if (error) return kNoAssociation; // no xdg-open
        if (status == 0 || status == -1) return kStarted;
        return status == 2 ? kFileNotFound : kNoAssociation;
    }

    ILaunchTokens* FTokens{nullptr};
};

} // namespace

IShellOpen& PosixShellOpen() {
    static TPosixShellOpen shell;
    return shell;
}
