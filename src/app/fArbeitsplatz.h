#pragma once
// The launcher's main window and its handlers: the program's folder at start, the remembered server
// path on every activation, choosing and storing a new path, launching it through the shell with the
// sweep of stale desktop shortcuts, and the timed close.
#include <string>
#include <string_view>

#include "framework/Buttons.h"
#include "framework/Dialogs.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "platform/PlatformServices.h"

class TJvGradient;
class TAdvSmoothLabel;
class TXPManifest;

// The main window's stored description (resources/fArbeitsplatz.json), the program's resource
// TMAINFORM; it lives as long as the program. Throws Exception when the program carries none.
std::string_view MainFormDescription();
// Registers the classes the window's description names (the form does so before it reads it).
void RegisterMainFormClasses();

// The main window, read from its stored description.
class TMainForm : public TForm {
public:
    TMainForm(TComponent* AOwner, const TPlatform& Platform = NativePlatform());
    const TPublishedClass* Published() const override;

    // Controls and components, in declared order (owned by the form as components).
    TPanel* Panel1{nullptr};
    TImage* Image1{nullptr};
    TOpenDialog* OpenDialog1{nullptr};
    TTimer* CloseTimer{nullptr};
    TGroupBox* GroupBox1{nullptr};
    TEdit* ServerEdit{nullptr};
    TBitBtn* PfadBitBtn{nullptr};
    TBitBtn* BitBtn1{nullptr};
    TXPManifest* XPManifest1{nullptr};
    TAdvSmoothLabel* AdvSmoothLabel1{nullptr};
    TJvGradient* JvGradient2{nullptr};

    // Handlers.
    void PfadBitBtnClick(TObject* Sender);
    void FormActivate(TObject* Sender);
    void FormCreate(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void CloseTimerTimer(TObject* Sender);

    const std::string& DesktopPath() const { return FDesktopPath; }
    const std::string& ExeDir() const { return FExeDir; }

private:
    // The handler a description names, or none.
    TNotifyEvent Handler(const std::string& MethodName);
    void BindFields();
    // The settings file: the per-user one once it exists, else the one beside the program.
    std::string SettingsFileName() const;
    // The per-user file in the user's application-data folder; empty when that folder is not known.
    std::string UserSettingsFileName() const;
    void StoreServerPath(const std::string& Path);
    // Where the path in the field came from: the user's own settings (or nowhere), or an administrator.
    enum class TPathSource { Own, Managed, Recommended };
    void ShowPath(const std::string& Path, TPathSource Source);
    // A managed path leaves the user no choice: "Pfad auswählen" is disabled and says why.
    void ShowManaged(bool Managed);
    // Deletes the shortcuts to the product in one folder: Pattern is Folder followed by "*.*".
    void SweepShortcuts(const std::string& Folder, const std::string& Pattern);

    const TPlatform& FPlatform;
    std::string FDesktopPath;
    std::string FExeDir;
    TPathSource FShown{TPathSource::Own};
};

// Whether a desktop entry is a stale shortcut to the product: its upper-cased name ends in ".LNK",
// contains "VELUNDO" and does not contain "CLIENT".
bool IsStaleShortcut(const std::string& FileName);
