// The program entry: units are initialised in a fixed order, the main window is created and the
// message loop runs until it closes; then everything is torn down in the reverse order.
#include "app/fArbeitsplatz.h"
#include "platform/UiSession.h"
#include "systools/TVK_SystemInfo.h"

int main(int argc, char** argv) {
    std::unique_ptr<TUiSession> session = CreateUiSession(argc, argv);
    TPlatform& platform = NativePlatform();
    {
        TApplication application(session->Backend(), platform.Program->ProgramPath());
        Application = &application;
        InitializeSystemInfo(platform);
        auto* form = new TMainForm(&application, platform);
        application.SetMainForm(form);
        form->DoCreate();
        session->ShowMainForm(*form);
        session->Run();
        Application = nullptr;
    }
    FinalizeSystemInfo();
    return 0;
}
