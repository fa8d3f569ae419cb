// One full repaint of the main window's client area, headless: every control of the stored
// description painted into a 506 x 294 memory canvas with the real GDI+ and libjpeg (the banner
// decoded once, on the first paint, as in the program), against the same pixels painted straight
// with the flat calls (bench/FlatCallWindow.h).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "FlatCallWindow.h"
#include "RatioReporter.h"

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
        // GDI+ stays up until the process ends, as in the program: libgdiplus' shut-down finalises
        // fontconfig, which asserts when a font of a run before still holds its caches.
        TProgramUnits units(NativePlatform(), true);
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

void FlatCallYardstick(benchmark::State& State) {
    TFlatCallWindow window(VELUNDO_RESOURCE_DIR);
    if (!window.Loaded()) {
        State.SkipWithError("the banner or a glyph did not load");
        return;
    }
    bool flip = false;
    for (auto _ : State) {
        window.Paint(flip ? 0xC7DAF0 : 0xC8DAF0);
        flip = !flip;
        benchmark::DoNotOptimize(window.Pixels.data());
    }
}
// The form's face in one repaint of the main window, with the opaque flag of its windowless children
// ignored (the whole client area) and honoured (the parts the painter paints); face_pixels counts the
// pixels painted.
void FormFace(benchmark::State& State, bool HonourOpaque) {
    auto session = CreateHeadlessSession();
    TApplication application(session->Backend(), NativePlatform().Program->ProgramPath());
    Application = &application;
    {
        TProgramUnits units(NativePlatform(), true); // as FullRepaint: GDI+ stays up between runs
        auto* form = new TMainForm(&application, NativePlatform());
        auto surface = CreateSurface(form->Width(), form->Height());
        const TRect client{0, 0, form->Width(), form->Height()};
        const std::vector<TRect> parts = HonourOpaque ? FaceParts(*form, TPoint{0, 0}, client) : std::vector{client};
        int64_t pixels = 0;
        for (const TRect& part : parts) pixels += int64_t{part.Width()} * part.Height();
        for (auto _ : State) {
            for (const TRect& part : parts) {
                TCanvas canvas(surface.get());
                canvas.SetClipRect(part);
                form->PaintWindow(canvas);
            }
            benchmark::DoNotOptimize(surface->Bits);
        }
        State.counters["face_pixels"] = static_cast<double>(pixels);
        application.DestroyComponents();
    }
    Application = nullptr;
}
BENCHMARK_CAPTURE(FormFace, OpaqueFlagIgnored, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FormFace, OpaqueFlagHonoured, true)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("FullRepaint", FullRepaint)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FlatCallYardstick", FlatCallYardstick)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double ours = reporter.Times["FullRepaint"], flat = reporter.Times["FlatCallYardstick"];
    const double oursCpu = reporter.CpuTimes["FullRepaint"], flatCpu = reporter.CpuTimes["FlatCallYardstick"];
    if (flat > 0 && flatCpu > 0)
        std::printf("ratio full repaint / flat-call yardstick: %.3f real time, %.3f processor time\n", ours / flat,
                    oursCpu / flatCpu);
    benchmark::Shutdown();
    return 0;
}
