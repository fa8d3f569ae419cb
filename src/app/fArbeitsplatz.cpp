#include "app/fArbeitsplatz.h"

#include "framework/SysUtils.h"
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

TMainForm::TMainForm(TComponent* AOwner, const TPlatform& Platform) : TForm(AOwner), FPlatform(Platform) {
    SetName("MainForm");
    CreateControls();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnActivate = [this](TObject* s) { FormActivate(s); };
}

void TMainForm::CreateControls() {
    SetCaption("Velundo Client");
    SetBounds(656, 308, 506, 294);

    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");
    OpenDialog1->SetFilter("*.exe|*.exe");
    OpenDialog1->SetInitialDir("c:\\");

    CloseTimer = new TTimer(this);
    CloseTimer->SetName("CloseTimer");
    CloseTimer->SetEnabled(false);
    CloseTimer->SetInterval(2000);
    CloseTimer->OnTimer = [this](TObject* s) { Dispatch([this, s] { CloseTimerTimer(s); }); };

    GroupBox1 = new TGroupBox(this);
    GroupBox1->SetName("GroupBox1");
    GroupBox1->SetParent(this);
    GroupBox1->SetBounds(16, 176, 465, 97);
    GroupBox1->SetCaption("Pfad der Velundo.exe auf Ihrem Server ");
    GroupBox1->SetTabOrder(1);

    ServerEdit = new TEdit(this);
    ServerEdit->SetName("ServerEdit");
    ServerEdit->SetParent(GroupBox1);
    ServerEdit->SetBounds(16, 32, 409, 21);
    ServerEdit->SetEnabled(false);
    ServerEdit->SetReadOnly(true);
    ServerEdit->SetTabOrder(0);

    PfadBitBtn = new TBitBtn(this);
    PfadBitBtn->SetName("PfadBitBtn");
    PfadBitBtn->SetParent(GroupBox1);
    PfadBitBtn->SetBounds(16, 64, 145, 25);
    PfadBitBtn->SetCaption("Pfad ausw\xE4hlen");
    PfadBitBtn->SetTabOrder(1);
    PfadBitBtn->SetTabStop(true);
    PfadBitBtn->OnClick = [this](TObject* s) { Dispatch([this, s] { PfadBitBtnClick(s); }); };

    BitBtn1 = new TBitBtn(this);
    BitBtn1->SetName("BitBtn1");
    BitBtn1->SetParent(this);
    BitBtn1->SetBounds(16, 72, 465, 89);
    BitBtn1->SetCaption("Velundo starten");
    BitBtn1->SetNumGlyphs(2);
    BitBtn1->SetTabOrder(2);
    BitBtn1->SetTabStop(true);
    BitBtn1->OnClick = [this](TObject* s) { Dispatch([this, s] { BitBtn1Click(s); }); };
}

std::string TMainForm::SettingsFileName() const { return FExeDir + kSettingsFile; }

void TMainForm::FormCreate(TObject*) { FExeDir = AppendBackslash(ExtractFolder(FPlatform.Program->ProgramPath())); }

void TMainForm::FormActivate(TObject*) {
    if (!FPlatform.Files->FileExists(AppendBackslash(FExeDir) + kSettingsFile)) return;
    TIniFile ini(SettingsFileName(), FPlatform.Profile);
    ServerEdit->SetText(ini.ReadString(kSection, kKey, ""));
}

void TMainForm::PfadBitBtnClick(TObject*) {
    if (!OpenDialog1->Execute()) return;
    ServerEdit->SetText(OpenDialog1->FileName());
    TIniFile ini(SettingsFileName(), FPlatform.Profile);
    ini.WriteString(kSection, kKey, Trim(ServerEdit->Text()));
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
