// The program entry: the application object first, then the units in their fixed order; the main
// window is read from its description and the message loop runs until it closes. Then the window and
// its controls are freed, and the units are finalised in the reverse order.
#include "app/ProgramUnits.h"
#include "app/fArbeitsplatz.h"
#include "ui/UiSession.h"

namespace {
void RunMainWindow(TApplication& Application, TUiSession& Session, const TPlatform& Platform) {
    TProgramUnits units(Platform, Session.GdiplusOutlivesUnits());
    // Declared after the units, so freed before they are finalised, on every path.
    struct TFreeComponents {
        TApplication& App;
        ~TFreeComponents() { App.DestroyComponents(); }
    } freeComponents{Application};
    auto* form = new TMainForm(&Application, Platform);
    Application.SetMainForm(form);
    form->DoCreate();
    Session.ShowMainForm(*form);
    Session.Run();
}
} // namespace

int main() {
    std::unique_ptr<TUiSession> session = CreateUiSession();
    TApplication application(session->Backend(), NativePlatform().Program->ProgramPath());
    Application = &application;
    // A launched program may take the focus with the desktop's leave, which the session asks for.
    NativePlatform().Shell->SetLaunchTokens(session->LaunchTokens());
    struct TForgetTokens {
        ~TForgetTokens() { NativePlatform().Shell->SetLaunchTokens(nullptr); }
    } forgetTokens;
    int status = 0;
    try {
        RunMainWindow(application, *session, NativePlatform());
    } catch (const std::exception& e) {
        // The window could not be made (a damaged description): say why, and end.
        application.ShowException(e);
        status = 1;
    }
    Application = nullptr;
    return status;
}
