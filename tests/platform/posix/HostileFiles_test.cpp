// What only a POSIX folder can hold, met by the real services: a named pipe as the settings file,
// and files with the execute bit that are no programs of this system (a Windows program on a share
// that marks every file executable, a text file); and what a started program finds in its environment.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>
#include <vector>

#include "platform/LaunchTokens.h"
#include "platform/NativePaths.h"
#include "platform/PlatformTest_support.h"

namespace fs = std::filesystem;

TEST(HostileFiles, ANamedPipeIsNoSettingsFileAndBlocksNothing) {
    TTempFolder folder;
    const std::string file = folder["Velundo_Client.ini"];
    ASSERT_EQ(::mkfifo(ToNativePath(file).c_str(), 0666), 0);
    EXPECT_FALSE(NativePlatform().Files->FileExists(file));
    char buffer[64] = "stale";
    EXPECT_EQ(NativePlatform().Profile->GetString("SETTINGS", "Serverpath", "", buffer, sizeof buffer, file), 0u);
    EXPECT_FALSE(NativePlatform().Profile->WriteString("SETTINGS", "Serverpath", "Z:\\v.exe", file));
    struct stat st {};
    EXPECT_TRUE(::lstat(ToNativePath(file).c_str(), &st) == 0 && S_ISFIFO(st.st_mode)) << "the pipe stays";
}

namespace {
struct TOpenRow {
    const char* What;
    std::string Name, Bytes;
    fs::perms Mode;
    int OpenerExit;
    bool Opened, Ran, Started;
};

// The desktop's opener, on PATH for the test: it notes what it was given and answers as told.
struct TOpener {
    TTempFolder Bin;
    std::string OldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    fs::path Log = fs::path(ToNativePath(Bin.Path())) / "opened.txt";
    explicit TOpener(int Exit) {
        WriteBytes(Bin["xdg-open"], "#!/bin/sh\nenv > '" + Log.string() + ".env'\nprintf '%s\\n' \"$@\" > '" +
                                        Log.string() + "'\nexit " + std::to_string(Exit) + "\n");
        fs::permissions(ToNativePath(Bin["xdg-open"]), fs::perms::owner_all);
        ::setenv("PATH", (ToNativePath(Bin.Path()) + ":" + OldPath).c_str(), 1);
    }
    ~TOpener() { ::setenv("PATH", OldPath.c_str(), 1); }
};

bool Marked(const std::string& marker, std::chrono::milliseconds patience) {
    for (auto until = std::chrono::steady_clock::now() + patience;; std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
        if (ReadBytes(marker).find("ran") != std::string::npos) return true;
        if (std::chrono::steady_clock::now() > until) return false;
    }
}
} // namespace

TEST(HostileFiles, OnlyProgramsOfThisSystemRunDirectlyTheRestGoesToTheOpener) {
    const std::string pe = std::string("MZ\x90\0\3\0\0\0", 8) + "This program cannot be run in DOS mode.\n";
    // The marker appears whole (renamed into place), so that the test never reads half of it.
    const std::string script =
        "#!/bin/sh\ngrep SigIgn /proc/self/status > marker.tmp\necho ran >> marker.tmp\nmv marker.tmp marker.txt\n";
    const auto x = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read |
                   fs::perms::others_exec;
    const auto plain = fs::perms::owner_read | fs::perms::owner_write;
    const TOpenRow rows[] = {
        {"a Windows program with the execute bit", "Velundo.exe", pe, x, 0, true, false, true},
        {"a Windows program without it", "Velundo.exe", pe, plain, 0, true, false, true},
        {"a text file with the execute bit", "Velundo.exe", "echo ran > marker.txt\n", x, 0, true, false, true},
        {"a #! script", "Velundo.sh", script, x, 0, false, true, true},
        {"a name that looks like an option", "-Velundo.exe", pe, plain, 0, true, false, true},
        {"a file nothing can open", "Velundo.exe", pe, x, 3, true, false, false},
    };
    void (*oldPipe)(int) = std::signal(SIGPIPE, SIG_IGN); // as a GUI program often has it
    for (const TOpenRow& row : rows) {
        TTempFolder folder;
        TOpener opener(row.OpenerExit);
        WriteBytes(folder[row.Name], row.Bytes);
        fs::permissions(ToNativePath(folder[row.Name]), row.Mode);
        const auto before = fs::current_path();
        fs::current_path(ToNativePath(folder.Path())); // the name alone, relative to the current folder
        const intptr_t result = NativePlatform().Shell->ShellOpen("open", row.Name, "", "", 1);
        const bool ran = Marked(folder["marker.txt"], std::chrono::milliseconds(row.Ran ? 10000 : 500));
        fs::current_path(before);
        EXPECT_EQ(result > 32, row.Started) << row.What << ": result " << result;
        EXPECT_EQ(ReadBytes(FromNativePath(opener.Log.string())), row.Opened ? "./" + row.Name + "\n" : "<missing>")
            << row.What;
        EXPECT_EQ(ran, row.Ran) << row.What;
        if (row.Ran) {
            EXPECT_NE(ReadBytes(folder["marker.txt"]).find("SigIgn:\t0000000000000000"), std::string::npos)
                << "the program starts with no signal ignored: " << ReadBytes(folder["marker.txt"]);
        }
    }
    std::signal(SIGPIPE, oldPipe);
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "no child is left to reap";
}

TEST(HostileFiles, AnElfProgramRunsDirectly) {
    TTempFolder folder;
    TOpener opener(0);
    fs::copy_file("/bin/true", ToNativePath(folder["Velundo.exe"]));
    fs::permissions(ToNativePath(folder["Velundo.exe"]), fs::perms::owner_all);
    EXPECT_GT(NativePlatform().Shell->ShellOpen("open", folder["Velundo.exe"], "", "", 1), 32);
    EXPECT_FALSE(fs::exists(opener.Log)) << "an ELF program is not handed to the opener";
}

namespace {
// The desktop as a test plays it: numbered tokens, and the ones given back noted.
struct TTokens : ILaunchTokens {
    std::vector<std::string> Issued, Returned;
    std::string Issue(const std::string&) override {
        return Issued.emplace_back("t" + std::to_string(Issued.size() + 1));
    }
    void Failed(const std::string& Token) override { Returned.push_back(Token); }
};
} // namespace

// A start hands the program (or the desktop's opener) the desktop's token for it under both names,
// never the launcher's own; a start that fails gives its token back; a missing file asks for none.
TEST(HostileFiles, AStartCarriesTheDesktopsTokenForItAndNoOther) {
    struct Row {
        const char* What;
        const char* Name; // a script notes its environment, the opener its own
        int OpenerExit;
        bool WithTokens;
        std::string Seen;
        std::vector<std::string> Issued, Returned;
    };
    const std::string both = "XDG_ACTIVATION_TOKEN=t1\nDESKTOP_STARTUP_ID=t1\n";
    const Row rows[] = {
        {"a script", "Velundo.sh", 0, true, both, {"t1"}, {}},
        {"a file nothing opens", "Velundo.exe", 3, true, both, {"t1"}, {"t1"}},
        {"a start without a desktop's token", "Velundo.sh", 0, false, "", {}, {}},
        {"a missing file", "Missing.sh", 0, true, "<missing>", {}, {}},
    };
    ::setenv("XDG_ACTIVATION_TOKEN", "the-launchers-own", 1); // as a desktop started the launcher
    ::setenv("DESKTOP_STARTUP_ID", "the-launchers-own", 1);
    for (const Row& row : rows) {
        TTempFolder folder;
        TOpener opener(row.OpenerExit);
        TTokens tokens;
        const std::string seen = std::string(row.Name).ends_with(".exe")
                                     ? FromNativePath(opener.Log.string() + ".env")
                                     : folder["seen.env"];
        WriteBytes(folder["Velundo.sh"], "#!/bin/sh\nenv > env.tmp\nmv env.tmp seen.env\n");
        fs::permissions(ToNativePath(folder["Velundo.sh"]), fs::perms::owner_all);
        WriteBytes(folder["Velundo.exe"], "MZ");
        NativePlatform().Shell->SetLaunchTokens(row.WithTokens ? &tokens : nullptr);
        NativePlatform().Shell->ShellOpen("open", folder[row.Name], "", folder.Path(), 1);
        NativePlatform().Shell->SetLaunchTokens(nullptr);
        for (int i = 0; i < 100 && row.Seen != "<missing>" && ReadBytes(seen) == "<missing>"; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::string tokenLines = ReadBytes(seen) == "<missing>" ? "<missing>" : "";
        std::istringstream listing(ReadBytes(seen));
        for (std::string line; std::getline(listing, line);)
            if (line.starts_with("XDG_ACTIVATION_TOKEN=") || line.starts_with("DESKTOP_STARTUP_ID="))
                tokenLines += line + "\n";
        EXPECT_EQ(tokenLines, row.Seen) << row.What;
        EXPECT_EQ(tokens.Issued, row.Issued) << row.What;
        EXPECT_EQ(tokens.Returned, row.Returned) << row.What;
    }
    ::unsetenv("XDG_ACTIVATION_TOKEN");
    ::unsetenv("DESKTOP_STARTUP_ID");
}
