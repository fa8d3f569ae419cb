#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "app/fArbeitsplatz.h"
#include "platform/NativePaths.h"
#include "platform/PlatformTest_support.h"
#include "support/FakePlatform.h"
#include "systools/TVK_SystemInfo.h"

namespace {
const std::string kDesktop = "C:\\Dokumente und Einstellungen\\ann\\Desktop\\";
const std::string kAllUsers = "C:\\Dokumente und Einstellungen\\All Users\\Desktop\\";
const std::string kIni = "C:\\Programme\\Velundo\\Velundo_Client.ini";
const std::string kNoPath = "Bitte geben Sie zuerst in Einstellungen den Pfad f\xFCr Ihre Serverversion an!";

// The main window with its handlers, on doubles of the platform and the UI back end.
class Controller : public ::testing::Test {
protected:
    void SetUp() override {
        p.Folders.Paths[16] = "C:\\Dokumente und Einstellungen\\ann\\Desktop";
        FinalizeSystemInfo();
        InitializeSystemInfo(p.Services);
        app = std::make_unique<TApplication>(ui, "C:\\Programme\\Velundo\\Velundo_Client.exe");
        Application = app.get();
        form = new TMainForm(app.get(), p.Services);
        app->SetMainForm(form);
        form->DoCreate();
    }
    void TearDown() override {
        app.reset();
        Application = nullptr;
        FinalizeSystemInfo();
    }
    void Click(TControl* c) { c->Click(); }
    std::vector<std::string> Removed() const { return p.Files.Removed; }

    FakePlatform p;
    FakeUi ui;
    std::unique_ptr<TApplication> app;
    TMainForm* form{nullptr};
};
} // namespace

TEST_F(Controller, CreationStoresTheProgramFolderWithOneBackslash) {
    EXPECT_EQ(form->ExeDir(), "C:\\Programme\\Velundo\\");
    p.Program.Path = "C:\\Velundo_Client.exe";
    form->FormCreate(form);
    EXPECT_EQ(form->ExeDir(), "C:\\");
}

TEST_F(Controller, ActivationShowsTheStoredPathAsReadOnlyWhenTheFileExists) {
    p.Profile.Values[FakeProfile::Id(kIni, "SETTINGS", "Serverpath")] = " \\\\srv\\velundo\\Velundo.exe ";
    form->Activate();
    EXPECT_EQ(form->ServerEdit->Text(), "") << "no settings file yet";
    EXPECT_TRUE(p.Profile.Calls.empty());

    p.Files.Existing.insert(kIni);
    form->Activate();
    EXPECT_EQ(form->ServerEdit->Text(), " \\\\srv\\velundo\\Velundo.exe ") << "shown as read, untrimmed";

    p.Profile.Values.clear();
    form->Activate();
    EXPECT_EQ(form->ServerEdit->Text(), "") << "a missing key empties the field";
}

TEST_F(Controller, ChoosingAFileShowsItAndStoresItTrimmedAtOnce) {
    ui.ConfirmOpen = true;
    ui.ChosenFile = "  \\\\srv\\velundo\\Velundo.exe\t";
    Click(form->PfadBitBtn);
    ASSERT_EQ(ui.OpenRequests.size(), 1u);
    EXPECT_EQ(ui.OpenRequests[0].Filter, "*.exe|*.exe");
    EXPECT_EQ(ui.OpenRequests[0].InitialDir, "c:\\");
    EXPECT_FALSE(ui.OpenRequests[0].RestoreCurrentFolder);
    EXPECT_EQ(form->ServerEdit->Text(), ui.ChosenFile);
    EXPECT_EQ(p.Profile.Values[FakeProfile::Id(kIni, "SETTINGS", "Serverpath")], "\\\\srv\\velundo\\Velundo.exe");
    ASSERT_EQ(p.Profile.Calls.size(), 2u);
    EXPECT_TRUE(p.Profile.Calls[1].NullSection) << "freeing the settings object flushes";
}

TEST_F(Controller, CancellingTheDialogChangesNothing) {
    form->ServerEdit->SetText("old");
    Click(form->PfadBitBtn);
    EXPECT_EQ(form->ServerEdit->Text(), "old");
    EXPECT_TRUE(p.Profile.Calls.empty());
}

TEST_F(Controller, AFailedSettingsWriteIsShownAsAnErrorWithAFullStop) {
    ui.ConfirmOpen = true;
    ui.ChosenFile = "C:\\neu\\Velundo.exe";
    p.Profile.FailWrites = true;
    Click(form->PfadBitBtn);
    EXPECT_EQ(form->ServerEdit->Text(), "C:\\neu\\Velundo.exe") << "the field already shows the new path";
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_TRUE(ui.Dialogs[0].Error);
    EXPECT_EQ(ui.Dialogs[0].Text, "In " + kIni + " kann nicht geschrieben werden.");
    EXPECT_EQ(ui.Dialogs[0].Caption, "Velundo_client");
    EXPECT_TRUE(p.Profile.Calls.back().NullSection) << "flushed on the error path too";
}

// Where the path is kept: the per-user file once it exists; else beside the program, unless the
// program's folder refuses this user; a full disk or an I/O error is no refusal.
TEST_F(Controller, ThePathIsKeptWhereThisUserMayWrite) {
    const std::string appData = "C:\\Dokumente und Einstellungen\\ann\\Anwendungsdaten";
    const std::string userFolder = appData + "\\" + UserSettingsFolderName(), user = userFolder + "\\Velundo_Client.ini";
    struct Row {
        const char* What;
        bool UserExists, BesideRefused, UserRefused, IoError;
        std::string Stored, Error, Created;
    } rows[] = {
        {"beside the program", false, false, false, false, kIni, "", ""},
        {"the per-user file once it exists", true, false, false, false, user, "", ""},
        {"the program's folder refuses", false, true, false, false, user, "", userFolder},
        {"both refuse", false, true, true, false, "", "In " + user + " kann nicht geschrieben werden.", userFolder},
        {"a full disk", false, false, false, true, "", "In " + kIni + " kann nicht geschrieben werden.", ""},
    };
    p.Folders.Paths[sfAppData] = appData;
    FinalizeSystemInfo();
    InitializeSystemInfo(p.Services);
    ui.ConfirmOpen = true;
    ui.ChosenFile = "\\\\srv\\Velundo.exe";
    for (const Row& row : rows) {
        p.Profile = FakeProfile();
        p.Files = FakeFiles();
        ui.Dialogs.clear();
        if (row.UserExists) p.Files.Existing.insert(user);
        if (row.BesideRefused) p.Profile.Refused.insert(kIni);
        if (row.UserRefused) p.Profile.Refused.insert(user);
        p.Profile.FailWrites = row.IoError;
        Click(form->PfadBitBtn);
        std::string stored;
        for (const auto& [id, value] : p.Profile.Values) stored += id.substr(0, id.find('|'));
        EXPECT_EQ(stored, row.Stored) << row.What;
        EXPECT_EQ(ui.Dialogs.empty() ? "" : ui.Dialogs[0].Text, row.Error) << row.What;
        EXPECT_EQ(p.Files.Created.empty() ? "" : p.Files.Created[0], row.Created) << row.What;
    }
    p.Files.Existing = {kIni, user}; // once there, the per-user file is the one shown
    p.Profile.Values[FakeProfile::Id(user, "SETTINGS", "Serverpath")] = "per user";
    form->Activate();
    EXPECT_EQ(form->ServerEdit->Text(), "per user");
}

// Where the field's path comes from at activation: an administrator's managed path (HKLM, then HKCU,
// then /etc/velundo/managed.ini), with "Pfad auswählen" disabled and no settings file read; else the
// user's own path; else a recommended one (the policy's Recommended keys, the installer's value,
// /etc/velundo/recommended.ini). Values are trimmed, variables of REG_EXPAND_SZ expanded; a value
// that is empty or no text is not set.
TEST_F(Controller, AnAdministratorsPathIsManagedOrRecommended) {
    const std::string policy = "SOFTWARE\\Policies\\Velundo\\Velundo Client", machine = "SOFTWARE\\Velundo\\Velundo Client";
    const uint32_t hklm = HKEY_LOCAL_MACHINE_ID, hkcu = HKEY_CURRENT_USER_ID;
    struct Value {
        uint32_t Root;
        std::string Key;
        uint32_t Type;
        std::string Data;
    };
    struct Row {
        const char* What;
        std::vector<Value> Registry;
        std::map<std::string, std::string> Files; // managed.ini or recommended.ini -> value
        const char* Own;                          // the user's settings file's value; null: no file
        std::string Field;
        bool Managed;
    } rows[] = {
        {"managed for the machine", {{hklm, policy, REG_SZ_TYPE, " \\\\srv\\V.exe "}}, {}, "own", "\\\\srv\\V.exe", true},
        {"managed for the user", {{hkcu, policy, REG_SZ_TYPE, "\\\\u\\V.exe"}}, {}, nullptr, "\\\\u\\V.exe", true},
        {"the machine's before the user's",
         {{hkcu, policy, REG_SZ_TYPE, "\\\\u\\V.exe"}, {hklm, policy, REG_SZ_TYPE, "\\\\m\\V.exe"}}, {}, nullptr, "\\\\m\\V.exe", true},
        {"variables expanded", {{hklm, policy, REG_EXPAND_SZ_TYPE, "%LOGONSERVER%\\V.exe"}}, {}, nullptr, "\\\\DC1\\V.exe", true},
        {"a number is no path", {{hklm, policy, 4, "1"}}, {}, "own", "own", false},
        {"a blank value is not set", {{hklm, policy, REG_SZ_TYPE, " \t"}}, {}, "own", "own", false},
        {"managed by the file", {}, {{"managed.ini", "/srv/V.exe"}}, "own", "/srv/V.exe", true},
        {"recommended", {{hkcu, policy + "\\Recommended", REG_SZ_TYPE, "\\\\r\\V.exe"}}, {}, nullptr, "\\\\r\\V.exe", false},
        {"the installer's value", {{hklm, machine, REG_SZ_TYPE, "\\\\i\\V.exe"}}, {}, nullptr, "\\\\i\\V.exe", false},
        {"the policy's before the installer's",
         {{hklm, machine, REG_SZ_TYPE, "\\\\i\\V.exe"}, {hkcu, policy + "\\Recommended", REG_SZ_TYPE, "\\\\r\\V.exe"}}, {}, nullptr,
         "\\\\r\\V.exe", false},
        {"recommended by the file", {}, {{"recommended.ini", "/srv/R.exe"}}, "", "/srv/R.exe", false},
        {"the user's own path wins", {{hklm, machine, REG_SZ_TYPE, "\\\\i\\V.exe"}}, {}, " own ", " own ", false},
    };
    p.Files.Existing.insert(kIni);
    p.Registry.Environment["LOGONSERVER"] = "\\\\DC1";
    for (const Row& row : rows) {
        p.Registry.Keys.clear();
        p.Machine.Values.clear();
        p.Profile = FakeProfile();
        for (const Value& v : row.Registry) p.Registry.Keys[FakeRegistry::Id(v.Root, v.Key)]["Serverpath"] = {v.Type, v.Data};
        for (const auto& [file, value] : row.Files) p.Machine.Values[file + "|SETTINGS|Serverpath"] = value;
        if (row.Own) p.Profile.Values[FakeProfile::Id(kIni, "SETTINGS", "Serverpath")] = row.Own;
        if (row.Own) p.Files.Existing.insert(kIni);
        else p.Files.Existing.erase(kIni);
        form->Activate();
        EXPECT_EQ(form->ServerEdit->Text(), row.Field) << row.What;
        EXPECT_EQ(form->PfadBitBtn->Enabled(), !row.Managed) << row.What;
        EXPECT_EQ(form->PfadBitBtn->ShownHint(), row.Managed ? "Von Ihrem Administrator festgelegt" : "") << row.What;
        EXPECT_EQ(!row.Managed && row.Own, !p.Profile.Calls.empty()) << row.What << ": the file is read unless managed";
        EXPECT_EQ(p.Registry.OpenCount, 0) << row.What;
        for (uint32_t access : p.Registry.Access) EXPECT_EQ(access, KEY_READ_ACCESS) << row.What;
    }
}

// The recommended path stands until the user chooses; removing the choice brings it back. A managed
// path that goes away leaves the choice to the user again; while managed, the button does nothing.
TEST_F(Controller, TheUsersChoiceOutlivesTheRecommendedPathButNotTheManagedOne) {
    const std::string recommended = FakeRegistry::Id(HKEY_LOCAL_MACHINE_ID, "SOFTWARE\\Velundo\\Velundo Client");
    const std::string managed = FakeRegistry::Id(HKEY_LOCAL_MACHINE_ID, "SOFTWARE\\Policies\\Velundo\\Velundo Client");
    p.Registry.Keys[recommended]["Serverpath"] = {REG_SZ_TYPE, "\\\\srv\\Empfohlen.exe"};
    form->Activate();
    EXPECT_EQ(form->ServerEdit->Text(), "\\\\srv\\Empfohlen.exe");
    ui.ConfirmOpen = true;
    ui.ChosenFile = "C:\\Eigen.exe";
    Click(form->PfadBitBtn);
    p.Files.Existing.insert(kIni);
    form->Activate();
    EXPECT_EQ(form->ServerEdit->Text(), "C:\\Eigen.exe") << "the choice wins";
    p.Files.Existing.erase(kIni);
    form->Activate();
    EXPECT_EQ(form->ServerEdit->Text(), "\\\\srv\\Empfohlen.exe") << "the choice removed";

    p.Registry.Keys[managed]["Serverpath"] = {REG_SZ_TYPE, "\\\\srv\\Verwaltet.exe"};
    form->Activate();
    const size_t requests = ui.OpenRequests.size(), calls = p.Profile.Calls.size();
    Click(form->PfadBitBtn);
    EXPECT_EQ(ui.OpenRequests.size(), requests) << "no dialog while managed";
    EXPECT_EQ(p.Profile.Calls.size(), calls) << "nothing written while managed";
    Click(form->BitBtn1);
    ASSERT_FALSE(p.Shell.Calls.empty());
    EXPECT_EQ(p.Shell.Calls.back().File, "\\\\srv\\Verwaltet.exe") << "the managed path is launched";
    p.Registry.Keys.clear();
    form->Activate();
    EXPECT_EQ(form->ServerEdit->Text(), "") << "the administrator's path is gone";
    EXPECT_TRUE(form->PfadBitBtn->Enabled());
    EXPECT_EQ(form->PfadBitBtn->ShownHint(), "");
}

TEST_F(Controller, ABlankPathAsksForOneAndLaunchesNothing) {
    for (const std::string& text : std::vector<std::string>{"", "   ", std::string("\t\r\n\0 ", 5)}) {
        ui.Dialogs.clear();
        form->ServerEdit->SetText(text);
        Click(form->BitBtn1);
        ASSERT_EQ(ui.Dialogs.size(), 1u);
        EXPECT_EQ(ui.Dialogs[0].Text, kNoPath);
        EXPECT_EQ(ui.Dialogs[0].Caption, "Velundo_client");
        EXPECT_FALSE(ui.Dialogs[0].Error);
    }
    EXPECT_TRUE(p.Shell.Calls.empty());
    EXPECT_TRUE(ui.TimerIntervals.empty());
}

TEST_F(Controller, TheShellGetsTheTrimmedPathWithEmptyParametersAndFolder) {
    form->ServerEdit->SetText("  \\\\srv\\velundo\\Velundo.exe  ");
    Click(form->BitBtn1);
    ASSERT_EQ(p.Shell.Calls.size(), 1u);
    const ShellCall& c = p.Shell.Calls[0];
    EXPECT_EQ(c.Verb, "open");
    EXPECT_EQ(c.File, "\\\\srv\\velundo\\Velundo.exe");
    EXPECT_EQ(c.Parameters, "");
    EXPECT_EQ(c.Directory, "");
    EXPECT_EQ(c.Show, 1);
}

TEST_F(Controller, AShellResultOf32OrBelowIsAFailure) {
    struct Row {
        intptr_t Result;
        bool Success;
    };
    for (const Row& row : {Row{0, false}, Row{2, false}, Row{31, false}, Row{32, false}, Row{33, true}, Row{42, true},
                           Row{-1, true} /* a large unsigned value */}) {
        ui.Dialogs.clear();
        p.Search.Patterns.clear();
        p.Shell.Result = row.Result;
        form->ServerEdit->SetText(" C:\\x.exe ");
        Click(form->BitBtn1);
        if (row.Success) {
            EXPECT_TRUE(ui.Dialogs.empty()) << row.Result;
            EXPECT_EQ(p.Search.Patterns.size(), 2u) << row.Result;
        } else {
            ASSERT_EQ(ui.Dialogs.size(), 1u) << row.Result;
            EXPECT_EQ(ui.Dialogs[0].Text, "Kann Programm nicht starten: C:\\x.exe");
            EXPECT_TRUE(p.Search.Patterns.empty()) << row.Result;
            EXPECT_TRUE(form->CloseTimer->Enabled() == false) << row.Result;
        }
    }
}

TEST_F(Controller, ASuccessfulLaunchSweepsBothDesktopsInOrderAndArmsTheTimer) {
    const uint32_t ro = faReadOnly | faArchive, hidden = faHidden | faArchive;
    p.Search.Folders[kDesktop + "*.*"] = {{".", faDirectory},
                                          {"..", faDirectory},
                                          {"Velundo.lnk", faArchive},
                                          {"VELUNDO Start.LNK", faArchive},
                                          {"Velundo Client.lnk", faArchive},
                                          {"velundo-client.lnk", faArchive},
                                          {"Velundo.exe", faArchive},
                                          {"Start.lnk", faArchive},
                                          {"old.lnk velundo.txt", faArchive},
                                          {"velundo.lnk.bak", faArchive},
                                          {"VEL\xDCNDO.lnk", faArchive},
                                          {"Velundo.lnk", faDirectory}, // a folder is never reported
                                          {"versteckt velundo.lnk", hidden},
                                          {"schreibgeschuetzt velundo.lnk", ro},
                                          {"system velundo.lnk", faSysFile}};
    p.Search.Folders[kAllUsers + "*.*"] = {{"Velundo (alle).lnk", faArchive}};
    for (const char* name : {"Velundo.lnk", "VELUNDO Start.LNK", "versteckt velundo.lnk", "schreibgeschuetzt velundo.lnk"})
        p.Files.Existing.insert(kDesktop + name);
    p.Files.ReadOnly.insert(kDesktop + "schreibgeschuetzt velundo.lnk");
    p.Files.Existing.insert(kAllUsers + "Velundo (alle).lnk");

    form->ServerEdit->SetText("C:\\Velundo.exe");
    Click(form->BitBtn1);

    EXPECT_EQ(form->DesktopPath(), kDesktop);
    EXPECT_EQ(p.Search.Patterns, (std::vector<std::string>{kDesktop + "*.*", kAllUsers + "*.*"}));
    EXPECT_EQ(p.Search.Masks, (std::vector<uint32_t>{35, 35}));
    EXPECT_EQ(p.Search.Open, 0) << "every search is closed";
    EXPECT_EQ(Removed(), (std::vector<std::string>{kDesktop + "Velundo.lnk", kDesktop + "VELUNDO Start.LNK",
                                                   kDesktop + "versteckt velundo.lnk",
                                                   kDesktop + "schreibgeschuetzt velundo.lnk",
                                                   kAllUsers + "Velundo (alle).lnk"}));
    EXPECT_TRUE(p.Files.Existing.count(kDesktop + "schreibgeschuetzt velundo.lnk")) << "read-only survives";
    EXPECT_TRUE(form->CloseTimer->Enabled());
    EXPECT_EQ(ui.TimerIntervals, (std::vector<unsigned>{2000}));
    EXPECT_FALSE(ui.Terminated);
}

// The real search and deletion on a desktop where anyone may have put names: a backslash that the
// path mapping would read as a separator, bytes without a Windows-1252 form, a line break. The
// sweep deletes exactly the real matches and nothing outside the desktop.
TEST_F(Controller, TheSweepOnARealDesktopDeletesOnlyTheEntriesItFound) {
    if (OnWindows()) GTEST_SKIP() << "names that no Windows file system holds";
    namespace fs = std::filesystem;
    TTempFolder temp;
    const fs::path root = ToNativePath(temp.Path()), desktop = root / "Desktop";
    const char* const hostile[] = {"Velundo\\..\\..\\Opfer\\Editor.lnk", "Velundo\\Start.lnk",
                                   "Velundo\xE2\x98\x85.lnk", "Velundo\nNeu.lnk", "Velundo\xFF.lnk",
                                   "Velundo\xC0\xAE.lnk"};
    const char* const matches[] = {"Velundo.lnk", "Alt VELUNDO.LNK", "Velundo?.lnk"};
    const fs::path victims[] = {root / "Opfer" / "Editor.lnk", desktop / "Velundo" / "Start.lnk"};
    fs::create_directories(desktop / "Velundo");
    fs::create_directories(root / "Opfer");
    for (const fs::path& file : victims) std::ofstream(file) << "not to be deleted";
    for (const char* name : hostile) std::ofstream(desktop / name) << "hostile";
    for (const char* name : matches) std::ofstream(desktop / name) << "stale";
    p.Folders.Paths[16] = FromNativePath(desktop.string());
    p.Services.Search = NativePlatform().Search;
    p.Services.Files = NativePlatform().Files;
    FinalizeSystemInfo();
    InitializeSystemInfo(p.Services);

    form->ServerEdit->SetText("C:\\Velundo.exe");
    Click(form->BitBtn1);

    for (const fs::path& file : victims) EXPECT_TRUE(fs::exists(file)) << file;
    for (const char* name : hostile) EXPECT_TRUE(fs::exists(desktop / name)) << "left alone: " << name;
    for (const char* name : matches) EXPECT_FALSE(fs::exists(desktop / name)) << "deleted: " << name;
}

TEST_F(Controller, WithoutADesktopFolderOnlyTheAllUsersDesktopIsSwept) {
    p.Folders.Paths.clear();
    FinalizeSystemInfo();
    InitializeSystemInfo(p.Services);
    form->ServerEdit->SetText("C:\\Velundo.exe");
    Click(form->BitBtn1);
    EXPECT_EQ(form->DesktopPath(), "");
    EXPECT_EQ(p.Search.Patterns, (std::vector<std::string>{kAllUsers + "*.*"}));
    EXPECT_TRUE(form->CloseTimer->Enabled());
}

TEST_F(Controller, ASecondLaunchDoesNotRestartTheTimerAndTheTickEndsTheProgram) {
    form->ServerEdit->SetText("C:\\Velundo.exe");
    Click(form->BitBtn1);
    Click(form->BitBtn1);
    EXPECT_EQ(p.Shell.Calls.size(), 2u);
    EXPECT_EQ(p.Search.Patterns.size(), 4u);
    EXPECT_EQ(ui.TimerIntervals.size(), 1u);
    ui.TickAll();
    EXPECT_TRUE(form->Closed());
    EXPECT_TRUE(ui.Terminated);
}

TEST(StaleShortcut, MatchesOnlyShortcutsToTheProductThatAreNotTheClient) {
    struct Row {
        const char* Name;
        bool Match;
    };
    const Row rows[] = {{"Velundo.lnk", true},           {"VELUNDO Start.LNK", true},   {"my velundo.Lnk", true},
                        {"Velundo Client.lnk", false},   {"velundo-client.lnk", false}, {"Velundo.exe", false},
                        {"Start.lnk", false},            {"old.lnk velundo.txt", false}, {"velundo.lnk.bak", false},
                        {"VEL\xDCNDO.lnk", false},       {"vel\xFCndo.lnk", false},     {".lnk", false},
                        {"velundo.lnk ", false},         {"VELUNDOCLIENT.LNK", false}};
    for (const Row& row : rows) EXPECT_EQ(IsStaleShortcut(row.Name), row.Match) << row.Name;
}

TEST(ApplicationTitle, IsTheProgramNameUpToItsFirstDotWithTheRestLowerCase) {
    struct Row {
        const char* Exe;
        const char* Title;
    };
    const Row rows[] = {{"C:\\Programme\\Velundo\\Velundo_Client.exe", "Velundo_client"},
                        {"Z:\\opt\\VELUNDO.CLIENT.EXE", "Velundo"},
                        {"velundo_client", "velundo_client"},
                        {"C:\\x\\\xC4RGER.exe", "\xC4rger"},
                        {"C:\\x\\.hidden.exe", ""}};
    for (const Row& row : rows) EXPECT_EQ(TitleFromExeName(row.Exe), row.Title) << row.Exe;
}

TEST(ExceptionText, GetsAFullStopUnlessItEndsInOneOrACharacterBelowIt) {
    struct Row {
        const char* Message;
        const char* Shown;
    };
    const Row rows[] = {{"In x kann nicht geschrieben werden", "In x kann nicht geschrieben werden."},
                        {"Fertig.", "Fertig."},
                        {"Achtung!", "Achtung!"},
                        {"Pfad: ", "Pfad: "},
                        {"Wert -", "Wert -"},
                        {"Datei /", "Datei /."},
                        {"\xFC", "\xFC."},
                        {"", ""}};
    for (const Row& row : rows) EXPECT_EQ(ExceptionDisplayText(row.Message), row.Shown) << row.Message;
}
