// One full repaint of the main window's client area, headless: every control of the stored
// description painted into a 506 x 294 memory canvas with the real GDI+ and libjpeg (the banner
// decoded once, on the first paint, as in the program).
#include <benchmark/benchmark.h>

#include "app/ProgramUnits.h"
#include "app/fArbeitsplatz.h"
#include "controls/JvGradient.h"
#include "framework/ControlPainter.h"
#include "ui/headless/HeadlessSession.h"

namespace {
void FullRepaint(benchmark::State& State) {
    auto session = CreateHeadlessSession();
    TApplication application(session->Backend(), NativePlatform().Program->ProgramPath());
    Application = &application;
    {
        TProgramUnits units(NativePlatform());
        auto* form = new TMainForm(&application, NativePlatform());
        auto surface = CreateSurface(form->Width(), form->Height());
        PaintControlTree(*form, *surface); // the banner's decoding and the gradient's bands
        bool flip = false;
        for (auto _ : State) {
            // A changed end colour makes the gradient render its bands again, as after a resize.
            form->JvGradient2->SetEndColor(flip ? 15784647 : 15784648);
            flip = !flip;
            PaintControlTree(*form, *surface);
            benchmark::DoNotOptimize(surface->Bits);
        }
        application.DestroyComponents();
    }
    Application = nullptr;
}
BENCHMARK(FullRepaint)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
