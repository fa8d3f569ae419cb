#pragma once
// The launcher's main window and its handlers: the program's folder at start, the remembered server
// path on every activation, choosing and storing a new path, launching it through the shell with the
// sweep of stale desktop shortcuts, and the timed close.
#include <string>

#include "framework/Buttons.h"
#include "framework/Dialogs.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "platform/PlatformServices.h"

class TMainForm : public TForm {
public:
    TMainForm(TComponent* AOwner, const TPlatform& Platform = NativePlatform());

    // Controls, in declared order (owned by the form as components).
    TOpenDialog* OpenDialog1{nullptr};
    TTimer* CloseTimer{nullptr};
    TGroupBox* GroupBox1{nullptr};
    TEdit* ServerEdit{nullptr};
    TBitBtn* PfadBitBtn{nullptr};
    TBitBtn* BitBtn1{nullptr};

    // Handlers.
    void PfadBitBtnClick(TObject* Sender);
    void FormActivate(TObject* Sender);
    void FormCreate(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void CloseTimerTimer(TObject* Sender);

    const std::string& DesktopPath() const { return FDesktopPath; }
    const std::string& ExeDir() const { return FExeDir; }

private:
    void CreateControls();
    std::string SettingsFileName() const;
    // Deletes the shortcuts to the product in one folder: Pattern is Folder followed by "*.*".
    void SweepShortcuts(const std::string& Folder, const std::string& Pattern);

    const TPlatform& FPlatform;
    std::string FDesktopPath;
    std::string FExeDir;
};

// Whether a desktop entry is a stale shortcut to the product: its upper-cased name ends in ".LNK",
// contains "VELUNDO" and does not contain "CLIENT".
bool IsStaleShortcut(const std::string& FileName);
