// Drives one settings write the way a user makes it: the controller's path choice, with the real
// POSIX private-profile service and doubles for the rest. Used by profile_faults.sh under FaultShim.
//
//   ProfileWriter choose FOLDER PATH   chooses PATH in the dialog; prints the field and every dialog
//                                      (the user's application-data folder is $VELUNDO_APPDATA, or
//                                      with $VELUNDO_USERS_FOLDERS the one of $HOME and the XDG rules)
//   ProfileWriter kill FOLDER RUNS     kills a writer RUNS times at random moments and checks the file
//   ProfileWriter race FOLDER WRITES   two processes write WRITES times each at once; every write
//                                      must succeed
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>

#include "app/fArbeitsplatz.h"
#include "platform/NativePaths.h"
#include "platform/posix/PosixServices.h"
#include "support/FakePlatform.h"
#include "systools/TVK_SystemInfo.h"

namespace fs = std::filesystem;

namespace {

// Runs PfadBitBtnClick for a launcher that lies in Folder; fills Field and Dialogs.
void ChoosePath(const std::string& folder, const std::string& path, std::string& Field,
                std::vector<Dialog>& Dialogs) {
    FakePlatform p;
    p.Services.Profile = &PosixPrivateProfile();
    p.Program.Path = FromNativePath(folder + "/Velundo_Client.exe");
    p.Services.Files = &PosixFileSystem();
    if (const char* appData = std::getenv("VELUNDO_APPDATA")) p.Folders.Paths[sfAppData] = FromNativePath(appData);
    if (std::getenv("VELUNDO_USERS_FOLDERS")) p.Services.Folders = &PosixSpecialFolders(); // HOME, XDG_CONFIG_HOME
    FakeUi ui;
    ui.ConfirmOpen = true;
    ui.ChosenFile = path;
    InitializeSystemInfo(p.Services);
    {
        TApplication app(ui, p.Program.Path);
        Application = &app;
        auto* form = new TMainForm(&app, p.Services);
        app.SetMainForm(form);
        form->DoCreate();
        form->PfadBitBtn->Click();
        Field = form->ServerEdit->Text();
        Dialogs = ui.Dialogs;
    }
    Application = nullptr;
    FinalizeSystemInfo();
}

int Choose(const std::string& folder, const std::string& path) {
    std::string field;
    std::vector<Dialog> dialogs;
    ChoosePath(folder, path, field, dialogs);
    std::cout << "field: " << field << "\n";
    for (const Dialog& d : dialogs)
        std::cout << (d.Error ? "error: " : "message: ") << d.Text << "\n";
    return 0;
}

std::string Slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return "<missing>";
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Spill(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// Names in the folder other than the settings file.
std::vector<std::string> Strays(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename() != "Velundo_Client.ini") names.push_back(entry.path().filename());
    return names;
}

int Kill(const std::string& folder, int runs) {
    const fs::path ini = fs::path(folder) / "Velundo_Client.ini";
    // A file large enough that a write takes a while, so the kills land in every part of it.
    std::string old = "; kept\r\n[SETTINGS]\r\nServerpath=/old/Velundo.exe\r\n[Other]\r\n";
    for (int i = 0; old.size() < (4u << 20); ++i)
        old += "key" + std::to_string(i) + "=value\r\n";
    const std::string chosen = "/new/Velundo.exe";

    auto writer = [&] {
        std::string field;
        std::vector<Dialog> dialogs;
        ChoosePath(folder, chosen, field, dialogs);
        ::_exit(dialogs.empty() ? 0 : 1);
    };
    Spill(ini, old);
    const auto t0 = std::chrono::steady_clock::now();
    if (pid_t pid = ::fork(); pid == 0)
        writer();
    else
        ::waitpid(pid, nullptr, 0);
    const auto span =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - t0);
    const std::string fresh = Slurp(ini);
    if (fresh == old || fresh.find("Serverpath=" + chosen) == std::string::npos) {
        std::cerr << "kill: the undisturbed write did not store the path\n";
        return 1;
    }

    std::mt19937 random(12345);
    std::uniform_int_distribution<long> moment(0, span.count() * 6 / 5);
    int sawOld = 0, sawNew = 0, strayRuns = 0, bad = 0;
    auto writeUndisturbed = [&] {
        if (pid_t pid = ::fork(); pid == 0)
            writer();
        else
            ::waitpid(pid, nullptr, 0);
    };
    for (int run = 0; run < runs; ++run) {
        Spill(ini, old);
        const pid_t pid = ::fork();
        if (pid == 0) writer();
        ::usleep(static_cast<useconds_t>(moment(random)));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        const std::string now = Slurp(ini);
        if (now == old)
            ++sawOld;
        else if (now == fresh)
            ++sawNew;
        else {
            ++bad;
            std::cerr << "kill: run " << run << " left " << now.size() << " bytes of neither content\n";
        }
        // A name killed between link and rename may stay until the next write, which must remove it.
        if (Strays(folder).empty()) continue;
        ++strayRuns;
        writeUndisturbed();
        for (const auto& name : Strays(folder)) {
            ++bad;
            std::cerr << "kill: run " << run << " left " << name << " also after the next write\n";
            fs::remove(fs::path(folder) / name);
        }
    }
    std::cout << "kill: " << runs << " runs over " << span.count() << " us writes: " << sawOld << " old, "
              << sawNew << " new, " << bad << " wrong; " << strayRuns
              << " left a temporary name that the next write removed\n";
    return bad ? 1 : 0;
}

int Race(const std::string& folder, int writes) {
    const std::string ini = FromNativePath(folder + "/Velundo_Client.ini");
    pid_t writers[2];
    for (pid_t& pid : writers)
        if ((pid = ::fork()) == 0) {
            int failed = 0;
            for (int i = 0; i < writes; ++i) {
                const std::string value = "/srv/" + std::to_string(::getpid()) + "/" + std::to_string(i);
                failed += !PosixPrivateProfile().WriteString("SETTINGS", "Serverpath", value.c_str(), ini);
            }
            ::_exit(failed > 0);
        }
    int wrong = 0;
    for (pid_t pid : writers) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        wrong += !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    }
    std::cout << "race: " << 2 * writes << " writes, " << wrong << " writer(s) saw a failure\n";
    return wrong ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "choose" && argc == 4) return Choose(argv[2], argv[3]);
    if (mode == "kill" && argc == 4) return Kill(argv[2], std::atoi(argv[3]));
    if (mode == "race" && argc == 4) return Race(argv[2], std::atoi(argv[3]));
    std::cerr << "usage: ProfileWriter choose FOLDER PATH | kill FOLDER RUNS | race FOLDER WRITES\n";
    return 2;
}
