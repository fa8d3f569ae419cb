#include "app/fArbeitsplatz.h"

#include "controls/AdvSmoothLabel.h"
#include "controls/JvGradient.h"
#include "framework/StandardClasses.h"
#include "framework/Streaming.h"
#include "framework/SysUtils.h"
#include "framework/XPMan.h"
#include "platform/ProgramResource.h"
#include "systools/ServerPathPolicy.h"
#include "systools/TVK_SystemInfo.h"
#include "systools/TVK_Systools.h"

namespace {
const char* const kSettingsFile = "Velundo_Client.ini";
const char* const kSection = "SETTINGS";
const char* const kKey = "Serverpath";
const char* const kNoPathMessage =
    "Bitte geben Sie zuerst in Einstellungen den Pfad f\xFCr Ihre Serverversion an!";
const char* const kLaunchFailedMessage = "Kann Programm nicht starten: ";
const char* const kAllUsersDesktop = "C:\\Dokumente und Einstellungen\\All Users\\Desktop\\";
const char* const kManagedHint = "Von Ihrem Administrator festgelegt";
constexpr uint32_t kSearchAttributes = faReadOnly | faHidden | faArchive; // 35
constexpr int kShowNormal = 1;

bool Contains(const std::string& s, const char* marker) { return s.find(marker) != std::string::npos; }
} // namespace

bool IsStaleShortcut(const std::string& FileName) {
    const std::string name = UpperCaseAscii(FileName);
    const std::string ext = ".LNK";
    const bool shortcut = name.size() >= ext.size() && name.compare(name.size() - ext.size(), ext.size(), ext) == 0;
    return shortcut && Contains(name, "VELUNDO") && !Contains(name, "CLIENT");
}

std::string_view MainFormDescription() {
    const auto text = ProgramResource("TMAINFORM");
    if (!text) throw Exception("Die Fensterbeschreibung TMAINFORM fehlt im Programm");
    return *text;
}

void RegisterMainFormClasses() {
    RegisterComponentClass<TJvGradient>("TJvGradient");
    RegisterComponentClass<TPanel>("TPanel");
    RegisterComponentClass<TImage>("TImage");
    RegisterComponentClass<TAdvSmoothLabel>("TAdvSmoothLabel");
    RegisterComponentClass<TOpenDialog>("TOpenDialog");
    RegisterComponentClass<TTimer>("TTimer");
    RegisterComponentClass<TGroupBox>("TGroupBox");
    RegisterComponentClass<TEdit>("TEdit");
    RegisterComponentClass<TBitBtn>("TBitBtn");
    RegisterComponentClass<TXPManifest>("TXPManifest");
}

TMainForm::TMainForm(TComponent* AOwner, const TPlatform& Platform) : TForm(AOwner), FPlatform(Platform) {
    RegisterMainFormClasses();
    ReadComponentTextInto(*this, std::string(MainFormDescription()),
                          [this](const std::string& Name) { return Handler(Name); });
    BindFields();
}

const TPublishedClass* TMainForm::Published() const {
    static const TPublishedClass cls("TMainForm", &FormClass(), {});
    return &cls;
}

TNotifyEvent TMainForm::Handler(const std::string& MethodName) {
    // Input handlers run as the message loop runs them: an exception leaving one is shown.
    auto dispatched = [this](void (TMainForm::*Method)(TObject*)) -> TNotifyEvent {
        return [this, Method](TObject* s) { Dispatch([this, Method, s] { (this->*Method)(s); }); };
    };
    if (MethodName == "FormCreate") return [this](TObject* s) { FormCreate(s); };
    if (MethodName == "FormActivate") return [this](TObject* s) { FormActivate(s); };
    if (MethodName == "PfadBitBtnClick") return dispatched(&TMainForm::PfadBitBtnClick);
    if (MethodName == "BitBtn1Click") return dispatched(&TMainForm::BitBtn1Click);
    if (MethodName == "CloseTimerTimer") return dispatched(&TMainForm::CloseTimerTimer);
    return {};
}

namespace {
template <class T>
void Bind(const TComponent& Form, T*& Field, const char* Name) {
    Field = dynamic_cast<T*>(Form.FindComponent(Name));
    if (!Field) throw EReadError(std::string("Die Fensterbeschreibung enth\xE4lt keine Komponente ") + Name);
}
} // namespace

void TMainForm::BindFields() {
    Bind(*this, Panel1, "Panel1");
    Bind(*this, Image1, "Image1");
    Bind(*this, OpenDialog1, "OpenDialog1");
    Bind(*this, CloseTimer, "CloseTimer");
    Bind(*this, GroupBox1, "GroupBox1");
    Bind(*this, ServerEdit, "ServerEdit");
    Bind(*this, PfadBitBtn, "PfadBitBtn");
    Bind(*this, BitBtn1, "BitBtn1");
    Bind(*this, XPManifest1, "XPManifest1");
    Bind(*this, AdvSmoothLabel1, "AdvSmoothLabel1");
    Bind(*this, JvGradient2, "JvGradient2");
}

std::string TMainForm::UserSettingsFileName() const {
    const std::string appData = WindowsInfo ? WindowsInfo->AppDataDir : std::string();
    if (appData.empty()) return {};
    return AppendBackslash(appData) + UserSettingsFolderName() + "\\" + kSettingsFile;
}

std::string TMainForm::SettingsFileName() const {
    const std::string user = UserSettingsFileName();
    return !user.empty() && FPlatform.Files->FileExists(user) ? user : FExeDir + kSettingsFile;
}

void TMainForm::FormCreate(TObject*) { FExeDir = AppendBackslash(ExtractFolder(FPlatform.Program->ProgramPath())); }

// An administrator's managed path wins and no settings file is read; else the user's own path as
// read, or the recommended one while the user has none. Without either policy, only a settings file
// that exists changes the field.
void TMainForm::FormActivate(TObject*) {
    const TServerPathPolicy policy = ReadServerPathPolicy(FPlatform);
    ShowManaged(!policy.Managed.empty());
    if (!policy.Managed.empty()) return ShowPath(policy.Managed, TPathSource::Managed);
    const std::string file = SettingsFileName();
    const bool stored = FPlatform.Files->FileExists(file);
    std::string own;
    if (stored) {
        TIniFile ini(file, FPlatform.Profile);
        own = ini.ReadString(kSection, kKey, "");
    }
    if (Trim(own).empty() && !policy.Recommended.empty()) ShowPath(policy.Recommended, TPathSource::Recommended);
    else if (stored) ShowPath(own, TPathSource::Own);
    else if (FShown != TPathSource::Own) ShowPath("", TPathSource::Own); // the administrator's path is gone
}

void TMainForm::ShowPath(const std::string& Path, TPathSource Source) {
    ServerEdit->SetText(Path);
    FShown = Source;
}

void TMainForm::ShowManaged(bool Managed) {
    PfadBitBtn->SetEnabled(!Managed);
    PfadBitBtn->SetHint(Managed ? kManagedHint : "");
    PfadBitBtn->SetShowHint(Managed);
}

void TMainForm::PfadBitBtnClick(TObject*) {
    if (FShown == TPathSource::Managed) return; // the button is disabled: the administrator chose
    if (!OpenDialog1->Execute()) return;
    ServerEdit->SetText(OpenDialog1->FileName());
    StoreServerPath(Trim(ServerEdit->Text()));
}

void TMainForm::StoreServerPath(const std::string& Path) {
    const std::string file = SettingsFileName(), user = UserSettingsFileName();
    try {
        TIniFile ini(file, FPlatform.Profile);
        ini.WriteString(kSection, kKey, Path);
    } catch (const EIniFileException&) {
        // Where the program's folder refuses this user (an installed program), the per-user file
        // takes over, and stays the settings file from then on. A full disk or an I/O error is no
        // refusal: its message stands, and the old file is kept.
        if (user.empty() || file == user || !FPlatform.Profile->LastWriteRefused()) throw;
        FPlatform.Files->CreateFolder(ExtractFolder(user));
        TIniFile ini(user, FPlatform.Profile);
        ini.WriteString(kSection, kKey, Path);
    }
}

void TMainForm::BitBtn1Click(TObject*) {
    const std::string path = Trim(ServerEdit->Text());
    if (path.empty()) {
        ShowMessage(kNoPathMessage);
        return;
    }
    const intptr_t result = FPlatform.Shell->ShellOpen("open", path, "", "", kShowNormal);
    if (static_cast<uintptr_t>(result) <= 32) {
        ShowMessage(kLaunchFailedMessage + path);
        return;
    }
    FDesktopPath = AppendBackslash(WindowsInfo ? WindowsInfo->DesktopDir : std::string());
    // Without a desktop folder the pattern would search the current folder: skip that sweep.
    if (!FDesktopPath.empty()) SweepShortcuts(FDesktopPath, FDesktopPath + "*.*");
    SweepShortcuts(kAllUsersDesktop, std::string(kAllUsersDesktop) + "*.*");
    CloseTimer->SetEnabled(true);
}

void TMainForm::SweepShortcuts(const std::string& Folder, const std::string& Pattern) {
    IFolderSearch& search = *FPlatform.Search;
    TSearchEntry entry;
    IFolderSearch::Handle handle = search.FindFirst(Pattern, kSearchAttributes, entry);
    if (!handle) return;
    do {
        // A failed deletion (a read-only shortcut) is left alone.
        if (IsStaleShortcut(entry.Name)) FPlatform.Files->RemoveFile(Folder + entry.Name);
    } while (search.FindNext(handle, entry));
    search.FindClose(handle);
}

void TMainForm::CloseTimerTimer(TObject*) { Close(); }
