// Renders the launcher's main window without a desktop, as the headless back end draws it (the
// painted controls exactly, the standard controls plainly), and writes it as a PNG file; or lists
// where its controls lie, so that scripts driving the real window take the rectangles from the
// window description instead of writing them down again. With DPI, the window is scaled from its
// stored 96 dots per inch to that resolution, as a window on such a screen is.
//
//   velundo_render_window [--desktop-colours] OUTPUT.png [DPI]
//   velundo_render_window [--desktop-colours] --layout [DPI]   (one line a control: name left top
//                                      width height, in client coordinates of the window)
// With --desktop-colours the system colours are the desktop's (GTK: the running theme's), as the
// real window shows them.
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "app/ProgramUnits.h"
#include "app/fArbeitsplatz.h"
#include "framework/Scaling.h"
#include "ui/headless/ClientAreaRender.h"
#include "ui/UiSession.h"
#include "ui/headless/HeadlessSession.h"

namespace {
void ListLayout(const TWinControl& Parent, int Left, int Top) {
    for (int i = 0; i < Parent.ControlCount(); ++i) {
        const TControl* control = Parent.Controls(i);
        const int left = Left + control->Left();
        const int top = Top + control->Top();
        std::cout << control->Name() << ' ' << left << ' ' << top << ' ' << control->Width() << ' '
                  << control->Height() << '\n';
        if (auto* windowed = dynamic_cast<const TWinControl*>(control)) ListLayout(*windowed, left, top);
    }
}
} // namespace

int main(int argc, char** argv) {
    int first = 1;
    const bool desktopColours = argc > 1 && std::string(argv[1]) == "--desktop-colours";
    if (desktopColours) ++first;
    const int dpi = argc == first + 2 ? std::atoi(argv[first + 1]) : 96;
    if (argc < first + 1 || argc > first + 2 || dpi <= 0) {
        std::cerr << "usage: velundo_render_window [--desktop-colours] OUTPUT.png|--layout [DPI]\n";
        return 2;
    }
    if (desktopColours) UseDesktopColours();
    const char* output = argv[first];
    auto session = CreateHeadlessSession();
    TApplication application(session->Backend(), NativePlatform().Program->ProgramPath());
    Application = &application;
    int status = 0;
    try {
        TProgramUnits units(NativePlatform());
        auto* form = new TMainForm(&application, NativePlatform());
        form->DoCreate();
        ScaleFormTo(*form, dpi);
        if (std::string_view(output) == "--layout")
            ListLayout(*form, 0, 0);
        else
            SaveClientAreaPng(*form, output);
        application.DestroyComponents();
    } catch (const std::exception& e) {
        std::cerr << "velundo_render_window: " << e.what() << "\n";
        status = 1;
    }
    Application = nullptr;
    return status;
}
