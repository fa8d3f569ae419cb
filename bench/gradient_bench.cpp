// The main window's gradient (506 x 310, vertical, 100 steps) rendered and painted, against one
// solid fill of a surface of the same size. Prints the ratios.
#include <benchmark/benchmark.h>

#include "RatioReporter.h"

#include <cstdio>
#include <map>
#include <string>

#include "controls/JvGradient.h"
#include "platform/Surface.h"

namespace {
constexpr int kWidth = 506;
constexpr int kHeight = 310;
const TColor kStart = static_cast<TColor>(RGB(239, 246, 253));
const TColor kEnd = static_cast<TColor>(RGB(199, 218, 240));

std::unique_ptr<TJvGradient> MainWindowGradient() {
    auto g = std::make_unique<TJvGradient>(nullptr);
    g->SetBounds(0, 0, kWidth, kHeight);
    g->SetStyle(grVertical);
    g->SetStartColor(kStart);
    g->SetEndColor(kEnd);
    return g;
}

// A setting change before each paint makes every paint render the bands again.
void RenderAndPaint(benchmark::State& State) {
    auto g = MainWindowGradient();
    auto surface = CreateSurface(kWidth, kHeight);
    TCanvas canvas(surface.get());
    bool flip = false;
    for (auto _ : State) {
        g->SetEndColor(flip ? kEnd : static_cast<TColor>(RGB(199, 218, 241)));
        flip = !flip;
        g->PaintOn(canvas);
        benchmark::DoNotOptimize(surface->Bits);
    }
}

// Every later paint: the cached rendering copied.
void CachedPaint(benchmark::State& State) {
    auto g = MainWindowGradient();
    auto surface = CreateSurface(kWidth, kHeight);
    TCanvas canvas(surface.get());
    g->PaintOn(canvas);
    for (auto _ : State) {
        g->PaintOn(canvas);
        benchmark::DoNotOptimize(surface->Bits);
    }
}

void SolidFill(benchmark::State& State) {
    auto surface = CreateSurface(kWidth, kHeight);
    TCanvas canvas(surface.get());
    canvas.Brush.Color = kStart;
    for (auto _ : State) {
        canvas.FillRect(Rect(0, 0, kWidth, kHeight));
        benchmark::DoNotOptimize(surface->Bits);
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("SolidFill/506x310", SolidFill)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("GradientRenderAndPaint/506x310", RenderAndPaint)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("GradientCachedPaint/506x310", CachedPaint)->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double fill = reporter.Times["SolidFill/506x310"];
    const double render = reporter.Times["GradientRenderAndPaint/506x310"];
    const double cached = reporter.Times["GradientCachedPaint/506x310"];
    if (fill > 0) {
        std::printf("ratio gradient render (with its copy) / solid fill: %.3f\n", render / fill);
        std::printf("ratio gradient render (without its copy) / solid fill: %.3f (goal <= 2)\n", (render - cached) / fill);
        std::printf("ratio cached paint / solid fill: %.3f\n", cached / fill);
    }
    benchmark::Shutdown();
    return 0;
}
