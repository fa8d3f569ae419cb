#pragma once
// Doubles of the platform services and the UI back end, for driving the controller and the Windows
// information record through every path without a window or an operating system.
#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "framework/UiBackend.h"
#include "platform/PlatformServices.h"

struct FakeProgramPath : IProgramPath {
    std::string Path = "C:\\Programme\\Velundo\\Velundo_Client.exe";
    std::string ProgramPath() override { return Path; }
};

struct ShellCall {
    std::string Verb, File, Parameters, Directory;
    int Show;
};

struct FakeShell : IShellOpen {
    intptr_t Result = 42;
    std::vector<ShellCall> Calls;
    intptr_t ShellOpen(const std::string& Verb, const std::string& File, const std::string& Parameters,
                       const std::string& Directory, int ShowCmd) override {
        Calls.push_back({Verb, File, Parameters, Directory, ShowCmd});
        return Result;
    }
};

// Folders keyed by their search pattern; entries are returned in the order given, filtered by the mask.
struct FakeSearch : IFolderSearch {
    std::map<std::string, std::vector<TSearchEntry>> Folders;
    std::vector<std::string> Patterns;
    std::vector<uint32_t> Masks;
    int Open = 0;
    struct State {
        std::vector<TSearchEntry> Entries;
        size_t Next = 0;
    };
    Handle FindFirst(const std::string& Pattern, uint32_t Mask, TSearchEntry& Entry) override {
        Patterns.push_back(Pattern);
        Masks.push_back(Mask);
        auto it = Folders.find(Pattern);
        if (it == Folders.end()) return nullptr;
        auto* s = new State;
        for (const auto& e : it->second)
            if (MatchesAttributeMask(e.Attributes, Mask)) s->Entries.push_back(e);
        ++Open;
        if (!FindNext(s, Entry)) {
            FindClose(s);
            return nullptr;
        }
        return s;
    }
    bool FindNext(Handle H, TSearchEntry& Entry) override {
        auto* s = static_cast<State*>(H);
        if (s->Next >= s->Entries.size()) return false;
        Entry = s->Entries[s->Next++];
        return true;
    }
    void FindClose(Handle H) override {
        delete static_cast<State*>(H);
        --Open;
    }
};

struct FakeFiles : IFileSystem {
    std::set<std::string> Existing;
    std::set<std::string> ReadOnly;
    std::vector<std::string> Removed; // every attempt, in order
    bool RemoveFile(const std::string& Path) override {
        Removed.push_back(Path);
        if (ReadOnly.count(Path) || !Existing.count(Path)) return false;
        Existing.erase(Path);
        return true;
    }
    bool FileExists(const std::string& Path) override { return Existing.count(Path) != 0; }
    std::vector<std::string> Created; // folders
    bool CreateFolder(const std::string& Path) override {
        Created.push_back(Path);
        return true;
    }
};

struct ProfileCall {
    bool Write;
    std::string Section, Key, Value, File;
    bool NullSection, NullKey, NullValue;
    uint32_t Size;
};

struct FakeProfile : IPrivateProfile {
    std::map<std::string, std::string> Values; // "file|section|key" -> value
    bool FailWrites = false;         // as an I/O error fails them
    std::set<std::string> Refused;   // files whose writes are refused for lack of permission
    bool Refusal = false;
    std::vector<ProfileCall> Calls;
    static std::string Id(const std::string& f, const std::string& s, const std::string& k) {
        return f + "|" + s + "|" + k;
    }
    uint32_t GetString(const std::string& Section, const std::string& Key, const std::string& Default,
                       char* Buffer, uint32_t Size, const std::string& FileName) override {
        Calls.push_back({false, Section, Key, Default, FileName, false, false, false, Size});
        auto it = Values.find(Id(FileName, Section, Key));
        const std::string v = it == Values.end() ? Default : it->second;
        const uint32_t n = static_cast<uint32_t>(std::min<size_t>(v.size(), Size - 1));
        v.copy(Buffer, n);
        Buffer[n] = '\0';
        return n;
    }
    bool WriteString(const char* Section, const char* Key, const char* Value, const std::string& FileName) override {
        Calls.push_back({true, Section ? Section : "", Key ? Key : "", Value ? Value : "", FileName, !Section, !Key,
                         !Value, 0});
        if (!Section) return true;
        Refusal = Refused.count(FileName) != 0;
        if (FailWrites || Refusal) return false;
        if (Key && Value) Values[Id(FileName, Section, Key)] = Value;
        return true;
    }
    bool LastWriteRefused() override { return Refusal; }
};

struct FakeFolders : ISpecialFolders {
    std::map<int, std::string> Paths; // a folder missing here fails
    std::vector<int> Asked;
    bool SpecialFolderPath(int Csidl, std::string& Path) override {
        Asked.push_back(Csidl);
        auto it = Paths.find(Csidl);
        if (it == Paths.end()) return false;
        Path = it->second;
        return true;
    }
};

struct FakeRegistry : IRegistry {
    struct Value {
        uint32_t Type;
        std::string Data;
    };
    // "root|key" -> values by name
    std::map<std::string, std::map<std::string, Value>> Keys;
    std::vector<std::string> Opened; // every attempt: "root|key"
    std::vector<uint32_t> Access;
    int OpenCount = 0;
    static std::string Id(uint32_t root, const std::string& key) { return std::to_string(root) + "|" + key; }
    struct KeyState {
        std::string Id;
    };
    Handle OpenKey(uint32_t Root, const std::string& Key, uint32_t AccessMask) override {
        Opened.push_back(Id(Root, Key));
        Access.push_back(AccessMask);
        if (!Keys.count(Id(Root, Key))) return nullptr;
        ++OpenCount;
        return new KeyState{Id(Root, Key)};
    }
    bool QueryValue(Handle H, const std::string& Name, uint32_t& Type, std::string& Data) override {
        const auto& values = Keys[static_cast<KeyState*>(H)->Id];
        auto it = values.find(Name);
        if (it == values.end()) return false;
        Type = it->second.Type;
        Data = it->second.Data;
        return true;
    }
    void CloseKey(Handle H) override {
        delete static_cast<KeyState*>(H);
        --OpenCount;
    }
    std::map<std::string, std::string> Environment; // %NAME% -> value
    std::string ExpandValue(const std::string& Text) override {
        std::string out = Text;
        for (const auto& [name, value] : Environment)
            for (size_t at; (at = out.find("%" + name + "%")) != std::string::npos;) out.replace(at, name.size() + 2, value);
        return out;
    }
};

struct FakeMachine : IMachineSettings {
    std::map<std::string, std::string> Values; // "file|section|key" -> value
    std::vector<std::string> Read;             // the files asked for
    std::string ReadValue(const std::string& File, const std::string& Section, const std::string& Key) override {
        Read.push_back(File);
        const auto it = Values.find(File + "|" + Section + "|" + Key);
        return it == Values.end() ? std::string() : it->second;
    }
};

struct FakeVersion : IOsVersion {
    uint32_t Id = 2;
    uint32_t PlatformId() override { return Id; }
};

struct FakeTemp : ITempPath {
    std::string Path = "C:\\WINDOWS\\TEMP\\";
    uint32_t TempPath(uint32_t BufferLength, char* Buffer) override {
        if (BufferLength < Path.size() + 1) return static_cast<uint32_t>(Path.size() + 1);
        Path.copy(Buffer, Path.size());
        Buffer[Path.size()] = '\0';
        return static_cast<uint32_t>(Path.size());
    }
};

struct FakeLanguage : ISystemLanguage {
    uint16_t Id = 0x0407;
    uint16_t SystemDefaultLangID() override { return Id; }
};

struct FakePlatform {
    FakeProgramPath Program;
    FakeShell Shell;
    FakeSearch Search;
    FakeFiles Files;
    FakeProfile Profile;
    FakeFolders Folders;
    FakeRegistry Registry;
    FakeVersion Version;
    FakeTemp Temp;
    FakeLanguage Language;
    FakeMachine Machine;
    TPlatform Services{&Program, &Shell, &Search, &Files, &Profile, &Folders, &Registry, &Version, &Temp, &Language,
                       &Machine};
};

struct Dialog {
    std::string Text, Caption;
    bool Error;
};

struct FakeUi : IUiBackend {
    std::vector<Dialog> Dialogs;
    bool ConfirmOpen = false;
    std::string ChosenFile;
    std::vector<TOpenFileRequest> OpenRequests;
    std::map<uintptr_t, std::function<void()>> Timers;
    std::vector<unsigned> TimerIntervals;
    uintptr_t NextTimer = 1;
    bool Terminated = false;
    void MessageDialog(const std::string& Text, const std::string& Caption) override {
        Dialogs.push_back({Text, Caption, false});
    }
    void ErrorDialog(const std::string& Text, const std::string& Caption) override {
        Dialogs.push_back({Text, Caption, true});
    }
    bool OpenFileDialog(const TOpenFileRequest& Request, std::string& FileName) override {
        OpenRequests.push_back(Request);
        if (ConfirmOpen) FileName = ChosenFile;
        return ConfirmOpen;
    }
    uintptr_t StartTimer(unsigned IntervalMs, std::function<void()> Tick) override {
        TimerIntervals.push_back(IntervalMs);
        Timers[NextTimer] = std::move(Tick);
        return NextTimer++;
    }
    void StopTimer(uintptr_t Id) override { Timers.erase(Id); }
    void Terminate() override { Terminated = true; }
    void TickAll() {
        auto copy = Timers;
        for (auto& [id, tick] : copy) tick();
    }
};
