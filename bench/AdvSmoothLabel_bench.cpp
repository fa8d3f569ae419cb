// One paint of the main window's label (shadow and caption) and of a fill with every feature on, at
// 280 x 50, each against issuing the same GDI+ flat calls directly. The ratio counter is the
// object paint's time over the direct one (goal: at most 1.15).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>

#include "controls/AdvSmoothLabel.h"
#include "platform/GdiPlusPlatform.h"
#include "platform/Surface.h"

namespace {
struct TBenchCanvas {
    TBenchCanvas() : Surface(CreateSurface(280, 50)), Canvas(Surface.get()) {
        Canvas.Brush.Color = 0x00A05028;
        Canvas.FillRect(Rect(0, 0, 280, 50));
    }
    std::unique_ptr<TSurface> Surface;
    TCanvas Canvas;
};

struct TGdiplus {
    TGdiplus() { InitializeGdiplus(); }
    ~TGdiplus() { FinalizeGdiplus(); }
};
const TGdiplus& Gdiplus() {
    static TGdiplus g;
    return g;
}

void SetUpMainWindowLabel(TAdvSmoothLabel& L) {
    L.SetTextRendering(tClearType);
    L.SetCaptionShadowVisible(true);
    for (TAdvSmoothLabelCaption* c : {L.Caption(), L.CaptionShadow()}) {
        c->SetText("Client");
        c->SetLocation(plCenterLeft);
        c->Font()->SetName("Arial");
        c->Font()->SetHeight(-27);
    }
    L.Caption()->SetColorStart(clWhite);
    L.Caption()->SetColorEnd(16643823);
    L.CaptionShadow()->SetColorStart(clGray);
    L.CaptionShadow()->SetColorEnd(clGray);
}

void SetUpFullFill(TGDIPFill& F) {
    F.SetColorMirror(clWhite);
    F.SetColorMirrorTo(clSilver);
    F.SetGradientMirrorType(gtVertical);
    F.SetShadowOffset(4);
    F.SetBorderColor(clBlack);
    F.SetRounding(8);
    F.SetGlow(gmRadialGradient);
}

// ---- The same calls, issued directly --------------------------------------------------------------

void DirectCaption(GpGraphics* G, float OffsetX, float OffsetY, ARGB C1, ARGB C2) {
    GpFontFamily* family = nullptr;
    PlatformCreateFontFamily(u"Arial", &family);
    GpStringFormat* format = nullptr;
    GdipCreateStringFormat(0x1000, 0, &format);
    GpFont* font = nullptr;
    GdipCreateFont(family, 20.0f, 0, 3, &font);
    const RectF layout{0, 0, 279, 49};
    RectF box;
    GdipMeasureString(G, u"Client", 6, font, &layout, format, &box, nullptr, nullptr);
    const double posY = (49.0 - box.Height) / 2.0;
    const PointF p1{OffsetX, static_cast<float>(OffsetY + posY)};
    const PointF p2{p1.X, p1.Y + box.Height};
    GdipSetTextRenderingHint(G, 5);
    GpLineGradient* brush = nullptr;
    GdipCreateLineBrush(&p1, &p2, C1, C2, 0, &brush);
    const RectF where{p1.X, p1.Y, box.Width, box.Height};
    GdipDrawString(G, u"Client", 6, font, &where, format, reinterpret_cast<GpBrush*>(brush));
    GdipDeleteBrush(reinterpret_cast<GpBrush*>(brush));
    GdipDeleteFontFamily(family);
    GdipDeleteFont(font);
    GdipDeleteStringFormat(format);
}

void DirectLabel(TCanvas& Canvas) {
    GpGraphics* g = nullptr;
    PlatformCreateGraphics(Canvas.Handle(), &g);
    DirectCaption(g, 1, 1, 0xFF808080, 0xFF808080);
    DirectCaption(g, 0, 0, 0xFFFFFFFF, 0xFFEFF6FD);
    PlatformDeleteGraphics(g);
}

enum TCorners { cAll, cTop, cBottom };

GpPath* RoundRect(float X, float Y, float W, float H, float r, TCorners Corners) {
    GpPath* p = nullptr;
    GdipCreatePath(0, &p);
    const float d = 2 * r;
    if (Corners == cBottom) {
        GdipAddPathLine(p, X, Y, X + W, Y);
        GdipAddPathLine(p, X + W, Y, X + W, Y + H - r);
    } else {
        GdipAddPathArc(p, X, Y, d, d, 180, 90);
        GdipAddPathLine(p, X + r, Y, X + W - r, Y);
        GdipAddPathArc(p, X + W - d, Y, d, d, 270, 90);
        GdipAddPathLine(p, X + W, Y + r, X + W, Corners == cTop ? Y + H : Y + H - r);
    }
    if (Corners == cTop) {
        GdipAddPathLine(p, X + W, Y + H, X, Y + H);
        GdipAddPathLine(p, X, Y + H, X, Y + r);
    } else {
        GdipAddPathArc(p, X + W - d, Y + H - d, d, d, 0, 90);
        GdipAddPathLine(p, X + W - r, Y + H, X + r, Y + H);
        GdipAddPathArc(p, X, Y + H - d, d, d, 90, 90);
        GdipAddPathLine(p, X, Y + H - r, X, Corners == cBottom ? Y : Y + r);
    }
    GdipClosePathFigure(p);
    return p;
}

void LinearPart(GpGraphics* G, float X, float Y, float W, float H, ARGB C1, ARGB C2, TCorners Corners, bool Mirror) {
    GpPath* path = RoundRect(X, Y, W, H, 8, Corners);
    int32_t mode = 0;
    GdipGetSmoothingMode(G, &mode);
    GdipSetSmoothingMode(G, 4);
    const RectF grown{X - 1, Y - 1, W + 2, H + 2};
    GpLineGradient* brush = nullptr;
    GdipCreateLineBrushFromRect(&grown, C1, C2, 1, 0, &brush);
    GdipSetLineGammaCorrection(brush, 1);
    GdipFillPath(G, reinterpret_cast<GpBrush*>(brush), path);
    if (Mirror) {
        GpSolidFill* strip = nullptr;
        GdipCreateSolidFill(C1, &strip);
        GdipFillRectangle(G, reinterpret_cast<GpBrush*>(strip), X, Y, W, 1);
        GdipDeleteBrush(reinterpret_cast<GpBrush*>(strip));
    }
    GdipDeleteBrush(reinterpret_cast<GpBrush*>(brush));
    GdipSetSmoothingMode(G, mode);
    GdipDeletePath(path);
}

void Triangle(GpGraphics* G, GpBrush* Brush, PointF A, PointF B, PointF C) {
    GpPath* p = nullptr;
    GdipCreatePath(0, &p);
    GdipAddPathLine(p, A.X, A.Y, B.X, B.Y);
    GdipAddPathLine(p, B.X, B.Y, C.X, C.Y);
    GdipClosePathFigure(p);
    GdipFillPath(G, Brush, p);
    GdipDeletePath(p);
}

void GlowBand(GpGraphics* G, float X, float Y, float W, float H, ARGB C1, ARGB C2, float EdgeY, float TipY,
              float GX, float GW) {
    const RectF grown{X - 1, Y - 1, W + 2, H + 2};
    GpLineGradient* brush = nullptr;
    GdipCreateLineBrushFromRect(&grown, C1, C2, 1, 0, &brush);
    auto* b = reinterpret_cast<GpBrush*>(brush);
    Triangle(G, b, {GX, EdgeY}, {GX + 5, EdgeY}, {GX + 5, TipY});
    Triangle(G, b, {GX + GW, EdgeY}, {GX + GW - 5, EdgeY}, {GX + GW - 5, TipY});
    GdipFillRectangle(G, b, X, Y, W, H);
    GdipDeleteBrush(b);
}

void DirectFill(TCanvas& Canvas) {
    GpGraphics* g = nullptr;
    PlatformCreateGraphics(Canvas.Handle(), &g);
    float x = 0, y = 0, w = 279, h = 49;
    { // shadow
        GpPath* outline = RoundRect(x, y, w, h, 8, cAll);
        GpPathGradient* brush = nullptr;
        GdipCreatePathGradientFromPath(outline, &brush);
        GdipSetPathGradientWrapMode(brush, 4);
        const ARGB colors[3] = {0, 0xB4808080, 0xB4808080};
        const float positions[3] = {0, 0.1f, 1};
        GdipSetPathGradientPresetBlend(brush, colors, positions, 3);
        GdipFillPath(g, reinterpret_cast<GpBrush*>(brush), outline);
        GdipDeleteBrush(reinterpret_cast<GpBrush*>(brush));
        GdipDeletePath(outline);
        w -= 4;
        h -= 4;
    }
    const float half = h / 2;
    LinearPart(g, x, y, w, half + 1, 0xFFC0C0C0, 0xFF808080, cTop, false);
    LinearPart(g, x, y + half - 1, w, half + 1, 0xFFFFFFFF, 0xFFC0C0C0, cBottom, true);
    { // border
        GpPath* outline = RoundRect(x, y, w, h, 8, cAll);
        GpPen* pen = nullptr;
        GdipCreatePen1(0xFF000000, 1.0f, 0, &pen);
        GdipDrawPath(g, pen, outline);
        GdipDeletePen(pen);
        GdipDeletePath(outline);
    }
    { // glow
        const RectF r{x, y, w, h};
        GpRegion* region = nullptr;
        GdipCreateRegionRect(&r, &region);
        GdipSetClipRegion(g, region, 0);
        const float gx = x + 1, gy = y + 1, gw = w - 2, gh = h - 2;
        GpPath* outline = RoundRect(gx, gy, gw, gh, 8, cAll);
        GpPen* pen = nullptr;
        GdipCreatePen1(0xC8FFFFFF, 1.0f, 0, &pen);
        GdipDrawPath(g, pen, outline);
        GdipDeletePen(pen);
        GdipDeletePath(outline);
        GlowBand(g, gx + 5, gy, gw - 10, 4, 0xAFFFFFFF, 0x00FFFFFF, gy, gy + 4, gx, gw);
        GlowBand(g, gx + 5, gy + gh - 7, gw - 10, 7, 0x00FFFFFF, 0xDCFFFFFF, gy + gh, gy + gh - 7, gx, gw);
        GpPath* ellipse = nullptr;
        GdipCreatePath(0, &ellipse);
        GdipAddPathEllipse(ellipse, gx + 10, gy - gh / 2, gw - 20, 3 * gh);
        GpPathGradient* brush = nullptr;
        GdipCreatePathGradientFromPath(ellipse, &brush);
        const PointF centre{gx + gw / 2, gy + gh};
        GdipSetPathGradientCenterPoint(brush, &centre);
        GdipSetPathGradientCenterColor(brush, 0x96FFFFFF);
        int32_t points = 0;
        GdipGetPathGradientPointCount(brush, &points);
        const ARGB surround = 0x00C0C0C0;
        int32_t count = 1;
        GdipSetPathGradientSurroundColorsWithCount(brush, &surround, &count);
        GdipFillPath(g, reinterpret_cast<GpBrush*>(brush), ellipse);
        GdipDeleteBrush(reinterpret_cast<GpBrush*>(brush));
        GdipDeletePath(ellipse);
        GdipResetClip(g);
        GdipDeleteRegion(region);
    }
    PlatformDeleteGraphics(g);
}

// ---- The benchmarks ------------------------------------------------------------------------------

// Alternates the object paint and the direct one in the same loop so both meet the same machine
// state; reports each one's time per paint and their ratio.
template <typename TObjectPaint, typename TDirectPaint>
void Compare(benchmark::State& State, TObjectPaint Object, TDirectPaint Direct) {
    Gdiplus();
    using clock = std::chrono::steady_clock;
    clock::duration objectTime{}, directTime{};
    for (auto _ : State) {
        auto t0 = clock::now();
        Object();
        auto t1 = clock::now();
        Direct();
        auto t2 = clock::now();
        objectTime += t1 - t0;
        directTime += t2 - t1;
    }
    const double n = static_cast<double>(State.iterations());
    const double objectUs = std::chrono::duration<double, std::micro>(objectTime).count() / n;
    const double directUs = std::chrono::duration<double, std::micro>(directTime).count() / n;
    State.counters["object_us"] = objectUs;
    State.counters["direct_us"] = directUs;
    State.counters["ratio"] = objectUs / directUs;
}

void BM_MainWindowLabel(benchmark::State& State) {
    TBenchCanvas object, direct;
    TAdvSmoothLabel label(nullptr);
    SetUpMainWindowLabel(label);
    Compare(State, [&] { label.DrawLabel(object.Canvas); }, [&] { DirectLabel(direct.Canvas); });
}
BENCHMARK(BM_MainWindowLabel)->Unit(benchmark::kMicrosecond);

void BM_FillEveryFeature(benchmark::State& State) {
    TBenchCanvas object, direct;
    TGDIPFill fill;
    SetUpFullFill(fill);
    Compare(
        State,
        [&] {
            TGPGraphics graphics(object.Canvas.Handle());
            benchmark::DoNotOptimize(fill.Fill(&graphics, MakeRectF(0, 0, 279, 49)));
        },
        [&] { DirectFill(direct.Canvas); });
}
BENCHMARK(BM_FillEveryFeature)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
