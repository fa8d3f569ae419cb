// Renders the launcher's main window without a desktop, as the headless back end draws it (the
// painted controls exactly, the standard controls plainly), and writes it as a PNG file.
//
//   velundo_render_window [--desktop-colours] OUTPUT.png
// With --desktop-colours the system colours are the desktop's (GTK: the running theme's), as the
// real window shows them.
#include <iostream>
#include <string>

#include "app/ProgramUnits.h"
#include "app/fArbeitsplatz.h"
#include "ui/headless/ClientAreaRender.h"
#include "ui/UiSession.h"
#include "ui/headless/HeadlessSession.h"

int main(int argc, char** argv) {
    const bool desktopColours = argc == 3 && std::string(argv[1]) == "--desktop-colours";
    if (argc != 2 && !desktopColours) {
        std::cerr << "usage: velundo_render_window [--desktop-colours] OUTPUT.png\n";
        return 2;
    }
    if (desktopColours) UseDesktopColours();
    const char* output = argv[argc - 1];
    auto session = CreateHeadlessSession();
    TApplication application(session->Backend(), NativePlatform().Program->ProgramPath());
    Application = &application;
    int status = 0;
    try {
        TProgramUnits units(NativePlatform());
        auto* form = new TMainForm(&application, NativePlatform());
        form->DoCreate();
        SaveClientAreaPng(*form, output);
        application.DestroyComponents();
    } catch (const std::exception& e) {
        std::cerr << "velundo_render_window: " << e.what() << "\n";
        status = 1;
    }
    Application = nullptr;
    return status;
}
