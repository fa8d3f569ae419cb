// Renders the launcher's main window without a desktop, as the headless back end draws it (the
// painted controls exactly, the standard controls plainly), and writes it as a PNG file.
//
//   velundo_render_window OUTPUT.png
#include <iostream>

#include "app/ProgramUnits.h"
#include "app/fArbeitsplatz.h"
#include "ui/headless/ClientAreaRender.h"
#include "ui/headless/HeadlessSession.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velundo_render_window OUTPUT.png\n";
        return 2;
    }
    auto session = CreateHeadlessSession();
    TApplication application(session->Backend(), NativePlatform().Program->ProgramPath());
    Application = &application;
    int status = 0;
    try {
        TProgramUnits units(NativePlatform());
        auto* form = new TMainForm(&application, NativePlatform());
        form->DoCreate();
        SaveClientAreaPng(*form, argv[1]);
        application.DestroyComponents();
    } catch (const std::exception& e) {
        std::cerr << "velundo_render_window: " << e.what() << "\n";
        status = 1;
    }
    Application = nullptr;
    return status;
}
