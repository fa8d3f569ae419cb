#include "graphics/FillArea.h"

#include <memory>

#include "graphics/AdvGDIPPicture.h"

namespace {
int32_t LinearModeOf(TAdvGradientType Type) {
    switch (Type) {
    case gtHorizontal: return 0;
    case gtVertical: return 1;
    case gtForwardDiagonal: return 2;
    default: return 3; // gtBackwardDiagonal
    }
}

void FillWith(const TFillAreaParams& P, const TGPBrush& Brush) {
    if (P.UsePath) P.Graphics->FillPath(&Brush, P.Path);
    else P.Graphics->FillRectangle(&Brush, P.Rect);
}

RectF Grown(const RectF& R) { return MakeRectF(R.X - 1, R.Y - 1, R.Width + 2, R.Height + 2); }
} // namespace

void FillArea(const TFillAreaParams& P) {
    const ARGB c1 = ColorToARGB(static_cast<uint8_t>(P.Opacity), P.Color);
    const ARGB c2 = ColorToARGB(static_cast<uint8_t>(P.OpacityTo), P.ColorTo);
    switch (P.GradientType) {
    case gtSolid: {
        TGPSolidBrush brush(c1);
        FillWith(P, brush);
        break;
    }
    case gtVertical:
    case gtHorizontal:
    case gtForwardDiagonal:
    case gtBackwardDiagonal: {
        {
            TGPLinearGradientBrush brush(Grown(P.Rect), c1, c2, LinearModeOf(P.GradientType));
            brush.SetLineGammaCorrection(1);
            FillWith(P, brush);
        } // one brush, used once and freed before the first row's
        if (P.Mirror) { // the part's first row, always as a rectangle
            TGPSolidBrush strip(c1);
            P.Graphics->FillRectangle(&strip, MakeRectF(P.Rect.X, P.Rect.Y, P.Rect.Width, 1));
        }
        break;
    }
    case gtAngle: {
        TGPLinearGradientBrush brush(Grown(P.Rect), c1, c2, static_cast<float>(P.Angle), true);
        brush.SetLineGammaCorrection(1);
        FillWith(P, brush);
        break;
    }
    case gtHatch: {
        TGPHatchBrush brush(P.HatchStyle, c1, c2);
        FillWith(P, brush);
        break;
    }
    case gtTexture:
        if (!P.Texture) break;
        if (P.UsePath) P.Texture->FillPathWithTexture(*P.Graphics, *P.Path);
        else P.Texture->FillRectWithTexture(*P.Graphics, P.Rect);
        break;
    case gtRadial:
    case gtPath:
    case gtNone:
        break;
    }
}
