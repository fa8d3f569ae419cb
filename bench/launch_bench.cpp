// The start button's handler, each part against a bare loop of the same system calls in the same run:
// - click to launch: BitBtn1Click with the real shell open of a small program, up to the moment the
//   program has started (the shell open returns once the exec succeeded), against stat, pipe, two
//   forks, exec and wait written out;
// - the shortcut sweep: BitBtn1Click over a desktop folder of 10,000 entries of which 100 match
//   (the launch itself answered by a stand-in), against opendir, readdir, stat and unlink written
//   out. The 100 shortcuts are made again between iterations, outside the timing.
// The desktop is a temporary folder: HOME points there while the benchmark runs.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "RatioReporter.h"
#include "app/ProgramUnits.h"
#include "app/fArbeitsplatz.h"
#include "ui/headless/HeadlessSession.h"

namespace {
namespace fs = std::filesystem;

constexpr int kEntries = 10000, kMatching = 100;
constexpr const char* kServer = "/bin/true";

// A temporary home whose desktop holds Entries files, Matching of them stale shortcuts.
class TDesktop {
public:
    TDesktop(int Entries, int Matching) : FMatching(Matching) {
        char name[] = "/tmp/velundo-launch-XXXXXX";
        FHome = ::mkdtemp(name);
        fs::create_directories(Desktop());
        for (int i = 0; i < Entries - Matching; ++i)
            std::ofstream(Desktop() + "/Dokument " + std::to_string(i) + (i % 2 ? ".txt" : " Client.lnk"));
        Refill();
        ::setenv("HOME", FHome.c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
    }
    ~TDesktop() { fs::remove_all(FHome); }
    std::string Desktop() const { return FHome + "/Desktop"; }
    // The stale shortcuts that a sweep deletes, made again.
    void Refill() const {
        for (int i = 0; i < FMatching; ++i) std::ofstream(Desktop() + "/Velundo Server " + std::to_string(i) + ".lnk");
    }

private:
    std::string FHome;
    int FMatching;
};

// A launch that always succeeds at once, so that the sweep is timed alone.
class TAcceptingShell : public IShellOpen {
public:
    intptr_t ShellOpen(const std::string&, const std::string&, const std::string&, const std::string&, int) override {
        return 42;
    }
};

// The main window, headless, with the units started on Platform.
class TWindow {
public:
    explicit TWindow(const TPlatform& Platform)
        : FSession(CreateHeadlessSession()), FApp(FSession->Backend(), Platform.Program->ProgramPath()) {
        Application = &FApp;
        FUnits = std::make_unique<TProgramUnits>(Platform, true); // GDI+ stays up, as in window_bench
        Form = new TMainForm(&FApp, Platform);
        Form->ServerEdit->SetText(kServer);
    }
    ~TWindow() {
        FApp.DestroyComponents();
        FUnits.reset();
        Application = nullptr;
    }
    void Click() {
        Form->BitBtn1Click(nullptr);
        Form->CloseTimer->SetEnabled(false);
    }
    TMainForm* Form{nullptr};

private:
    std::unique_ptr<TUiSession> FSession;
    TApplication FApp;
    std::unique_ptr<TProgramUnits> FUnits;
};

// What the shell open does for an executable, written out: stat, a report pipe, a session of its own
// through an intermediate process, exec, and the wait for the intermediate one.
void BareLaunch(const char* Path) {
    struct stat st {};
    if (::stat(Path, &st) != 0) return;
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return;
    const pid_t child = ::fork();
    if (child == 0) {
        ::setsid();
        if (::fork() != 0) ::_exit(0);
        char* const argv[] = {const_cast<char*>(Path), nullptr};
        ::execv(Path, argv);
        ::_exit(127);
    }
    ::close(report[1]);
    int error = 0;
    (void)!::read(report[0], &error, sizeof error);
    ::close(report[0]);
    int raw = 0;
    ::waitpid(child, &raw, 0);
}

bool Stale(const char* Name) {
    std::string upper(Name);
    for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
    return upper.size() >= 4 && upper.compare(upper.size() - 4, 4, ".LNK") == 0 &&
           upper.find("VELUNDO") != std::string::npos && upper.find("CLIENT") == std::string::npos;
}

// The sweep written out: every entry read and looked at (the search reports attributes), the stale
// shortcuts deleted.
void BareSweep(const std::string& Folder) {
    DIR* dir = ::opendir(Folder.c_str());
    if (!dir) return;
    while (const dirent* d = ::readdir(dir)) {
        const std::string path = Folder + "/" + d->d_name;
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) continue;
        if (S_ISREG(st.st_mode) && Stale(d->d_name)) ::unlink(path.c_str());
    }
    ::closedir(dir);
}

void ClickToLaunch(benchmark::State& State) {
    TDesktop desktop(0, 0);
    TWindow window(NativePlatform());
    for (auto _ : State) window.Click();
}

void BareLaunchLoop(benchmark::State& State) {
    TDesktop desktop(0, 0);
    for (auto _ : State) {
        BareLaunch(kServer);
        BareSweep(desktop.Desktop());
    }
}

void Sweep(benchmark::State& State) {
    TDesktop desktop(kEntries, kMatching);
    TAcceptingShell shell;
    TPlatform platform = NativePlatform();
    platform.Shell = &shell;
    TWindow window(platform);
    for (auto _ : State) {
        window.Click();
        State.PauseTiming();
        desktop.Refill();
        State.ResumeTiming();
    }
}

void BareSweepLoop(benchmark::State& State) {
    TDesktop desktop(kEntries, kMatching);
    for (auto _ : State) {
        BareSweep(desktop.Desktop());
        State.PauseTiming();
        desktop.Refill();
        State.ResumeTiming();
    }
}
} // namespace

int main(int argc, char** argv) {
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    benchmark::RegisterBenchmark("ClickToLaunch", ClickToLaunch)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BareLaunch", BareLaunchLoop)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Sweep/10000", Sweep)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BareSweep/10000", BareSweepLoop)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto ratio = [&](const char* Ours, const char* Bare) {
        const double bare = reporter.Times[Bare], bareCpu = reporter.CpuTimes[Bare];
        if (bare > 0 && bareCpu > 0)
            std::printf("ratio %s / %s: %.3f real time, %.3f processor time of this process (goal <= 1.2)\n", Ours,
                        Bare, reporter.Times[Ours] / bare, reporter.CpuTimes[Ours] / bareCpu);
    };
    ratio("ClickToLaunch", "BareLaunch");
    ratio("Sweep/10000", "BareSweep/10000");
    if (home) ::setenv("HOME", savedHome.c_str(), 1);
    benchmark::Shutdown();
    return 0;
}
