#include "controls/JvGradient.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "framework/StandardClasses.h"
#include "platform/SysColors.h"

namespace {
// Rounds to the nearest integer, halves to the even neighbour (the default rounding mode).
int RoundEven(double Value) { return static_cast<int>(std::nearbyint(Value)); }

// Colour i of n steps from Start to End, channel by channel.
class TColorSteps {
public:
    TColorSteps(uint32_t Start, uint32_t End, int N) : FStart(Start) {
        FDelta[0] = (static_cast<double>(GetRValue(End)) - GetRValue(Start)) / N;
        FDelta[1] = (static_cast<double>(GetGValue(End)) - GetGValue(Start)) / N;
        FDelta[2] = (static_cast<double>(GetBValue(End)) - GetBValue(Start)) / N;
    }
    TColor operator()(int I) const {
        return static_cast<TColor>(RGB(static_cast<uint8_t>(RoundEven(GetRValue(FStart) + I * FDelta[0])),
                                       static_cast<uint8_t>(RoundEven(GetGValue(FStart) + I * FDelta[1])),
                                       static_cast<uint8_t>(RoundEven(GetBValue(FStart) + I * FDelta[2]))));
    }

private:
    uint32_t FStart;
    double FDelta[3]{};
};
const TEnumInfo GradientStyleInfo{"TJvGradientStyle",
                                   {"grFilled", "grEllipse", "grHorizontal", "grVertical", "grPyramid", "grMount"}};

// Bounds first, as every control stores them; the gradient fills its parent unless aligned otherwise.
const TPublishedClass& GradientClass() {
    using G = TJvGradient;
    using D = TJvGradientDefaults;
    namespace pub = published;
    static const TPublishedClass cls(
        "TJvGradient", &ControlClass(),
        {pub::Enumeration("Align", AlignInfo(), &G::Align, &G::SetAlign, D::Align),
         pub::Enumeration("Style", GradientStyleInfo, &G::Style, &G::SetStyle, D::Style),
         pub::Color("StartColor", &G::StartColor, &G::SetStartColor, D::StartColor),
         pub::Color("EndColor", &G::EndColor, &G::SetEndColor, D::EndColor),
         pub::Integer("Steps", &G::Steps, &G::SetSteps, D::Steps),
         pub::Boolean("Enabled", &G::Enabled, &G::SetEnabled, D::Enabled),
         pub::Boolean("Visible", &G::Visible, &G::SetVisible, D::Visible),
         pub::Boolean("ShowHint", &G::ShowHint, &G::SetShowHint, D::ShowHint),
         pub::Boolean("ParentShowHint", &G::ParentShowHint, &G::SetParentShowHint, D::ParentShowHint),
         PopupMenuProp()});
    return cls;
}
} // namespace

const TPublishedClass* TJvGradient::Published() const { return &GradientClass(); }

TJvGradient::TJvGradient(TComponent* AOwner) : TJvGraphicControl(AOwner), FBuffer(CreateSurface(0, 0)) {
    SetOpaque(true);
    SetAlign(D::Align);
    SetVisible(D::Visible);
}

void TJvGradient::SetStyle(TJvGradientStyle Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    SettingChanged();
}

void TJvGradient::SetStartColor(TColor Value) {
    if (Value == FStartColor) return;
    FStartColor = Value;
    SettingChanged();
}

void TJvGradient::SetEndColor(TColor Value) {
    if (Value == FEndColor) return;
    FEndColor = Value;
    SettingChanged();
}

void TJvGradient::SetSteps(uint16_t Value) {
    if (Value == FSteps) return;
    FSteps = Value;
    SettingChanged();
}

void TJvGradient::SettingChanged() {
    FLastWidth = 0; // the next paint renders again
    Invalidate();
}

void TJvGradient::Paint() {
    // In high contrast the background is the system's window colour; the bands render anew after.
    if (HighContrast()) {
        FLastWidth = 0;
        Canvas().Brush.Style = bsSolid;
        Canvas().Brush.Color = clWindow;
        Canvas().FillRect(Rect(0, 0, Width(), Height()));
        return;
    }
    if (Width() != FLastWidth || Height() != FLastHeight) {
        const uint32_t start = ColorToRGB(FStartColor), end = ColorToRGB(FEndColor);
        FLastWidth = Width();
        FLastHeight = Height();
        if (Width() == 0 || Height() == 0) return;
        if (FBuffer->Width != Width() || FBuffer->Height != Height()) FBuffer = CreateSurface(Width(), Height());
        Render(start, end);
    }
    CopyTo(Canvas());
}

void TJvGradient::Render(uint32_t StartRgb, uint32_t EndRgb) {
    TCanvas c(FBuffer.get());
    c.Brush.Style = bsSolid;
    switch (FStyle) {
    case grFilled:
        c.Brush.Color = static_cast<TColor>(StartRgb);
        c.FillRect(Rect(0, 0, FLastWidth, FLastHeight));
        break;
    case grVertical: RenderBands(c, StartRgb, EndRgb, true); break;
    case grHorizontal: RenderBands(c, StartRgb, EndRgb, false); break;
    default: RenderRings(c, StartRgb, EndRgb); break;
    }
}

// Bands of height (or width) extent / n; band i spans round(i * size) to round((i + 1) * size).
void TJvGradient::RenderBands(TCanvas& C, uint32_t StartRgb, uint32_t EndRgb, bool Vertical) {
    const int extent = Vertical ? FLastHeight : FLastWidth;
    int n = std::min<int>(FSteps, extent);
    if (n == 0) n = 1;
    const double size = static_cast<double>(extent) / n;
    const TColorSteps colour(StartRgb, EndRgb, n);
    for (int i = 0; i <= n; ++i) {
        const int from = RoundEven(i * size), to = RoundEven((i + 1) * size);
        C.Brush.Color = colour(i);
        C.FillRect(Vertical ? Rect(0, from, FLastWidth, to) : Rect(from, 0, to, FLastHeight));
    }
}

// n + 1 shapes shrinking towards the centre, the outermost in the start colour.
void TJvGradient::RenderRings(TCanvas& C, uint32_t StartRgb, uint32_t EndRgb) {
    const int w = FLastWidth, h = FLastHeight;
    C.Brush.Color = static_cast<TColor>(StartRgb);
    C.FillRect(Rect(0, 0, w, h));
    int n = FSteps;
    if (n > w / 2) n = w / 2;
    if (n > h / 2) n = h / 2;
    if (n == 0) n = 1;
    const double sx = static_cast<double>(w) / n / 2, sy = static_cast<double>(h) / n / 2;
    const TColorSteps colour(StartRgb, EndRgb, n);
    for (int i = 0; i <= n; ++i) {
        const int m = RoundEven(i * sx), t = RoundEven(i * sy);
        const TRect box = Rect(m, t, w - m, h - t);
        C.Brush.Color = C.Pen.Color = colour(i);
        switch (FStyle) {
        case grEllipse: C.Ellipse(box); break;
        case grPyramid: C.FillRect(box); break;
        default: C.RoundRect(box, (w - 2 * m) / 2, (h - 2 * t) / 2); break;
        }
    }
}

// Copies the rendered surface to the canvas at the control's top-left, inside the canvas's clip.
void TJvGradient::CopyTo(TCanvas& Target) const {
    TSurface* surface = Target.Surface();
    if (!surface || FBuffer->Width == 0) return;
    const TPoint origin = Target.Origin();
    const TRect area = IntersectRect(Target.ClipRect(), Bounds(origin.X, origin.Y, FBuffer->Width, FBuffer->Height));
    for (int y = area.Top; y < area.Bottom; ++y)
        std::memcpy(surface->Row(y) + area.Left, FBuffer->Row(y - origin.Y) + (area.Left - origin.X),
                    static_cast<size_t>(area.Width()) * 4);
}
