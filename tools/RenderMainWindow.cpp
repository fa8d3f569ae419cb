// Renders the launcher's main window without a desktop, as the headless back end draws it (the
// painted controls exactly, the standard controls plainly), and writes it as a PNG file; with DPI,
// scaled from its stored 96 dots per inch to that resolution, as a window on such a screen is.
//
//   velundo_render_window OUTPUT.png [DPI]
#include <cstdlib>
#include <iostream>

#include "app/ProgramUnits.h"
#include "app/fArbeitsplatz.h"
#include "framework/Scaling.h"
#include "ui/headless/ClientAreaRender.h"
#include "ui/headless/HeadlessSession.h"

int main(int argc, char** argv) {
    const int dpi = argc == 3 ? std::atoi(argv[2]) : 96;
    if ((argc != 2 && argc != 3) || dpi <= 0) {
        std::cerr << "usage: velundo_render_window OUTPUT.png [DPI]\n";
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
        ScaleFormTo(*form, dpi);
        SaveClientAreaPng(*form, argv[1]);
        application.DestroyComponents();
    } catch (const std::exception& e) {
        std::cerr << "velundo_render_window: " << e.what() << "\n";
        status = 1;
    }
    Application = nullptr;
    return status;
}
