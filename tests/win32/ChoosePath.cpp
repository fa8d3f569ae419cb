// One path choice as a user makes it, with every platform service real (the settings files, the
// user's application-data folder, the program's own path) and only the open-file dialog answered by
// a stand-in. Used by settings_rights.sh under Wine, as an unprivileged user.
//
//   velundo_choose_path PATH   chooses PATH; prints the field and every dialog shown
#include <iostream>

#include "app/fArbeitsplatz.h"
#include "support/FakePlatform.h"
#include "systools/TVK_SystemInfo.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velundo_choose_path PATH\n";
        return 2;
    }
    FakeUi ui;
    ui.ConfirmOpen = true;
    ui.ChosenFile = argv[1];
    InitializeSystemInfo();
    {
        TApplication app(ui, NativePlatform().Program->ProgramPath());
        Application = &app;
        auto* form = new TMainForm(&app);
        app.SetMainForm(form);
        form->DoCreate();
        form->PfadBitBtn->Click();
        std::cout << "field: " << form->ServerEdit->Text() << "\n";
        std::cout << "appdata: " << WindowsInfo->AppDataDir << "\n";
        for (const Dialog& d : ui.Dialogs) std::cout << (d.Error ? "error: " : "message: ") << d.Text << "\n";
    }
    Application = nullptr;
    FinalizeSystemInfo();
    return 0;
}
