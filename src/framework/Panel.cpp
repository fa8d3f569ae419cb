#include "framework/Panel.h"

#include "framework/Frame3D.h"

#include <utility>

namespace {
// Lowered: dark above and left, light below and right; raised the other way round.
void DrawBevel(TCanvas& ACanvas, TRect& Rect, TPanelBevel Bevel, int Width) {
    if (Bevel == bvNone) return;
    TColor top = clBtnHighlight, bottom = clBtnShadow;
    if (Bevel == bvLowered) std::swap(top, bottom);
    if (Bevel == bvSpace) top = bottom = clBtnFace;
    Frame3D(ACanvas, Rect, top, bottom, Width);
}
} // namespace

void TPanel::SetBevelOuter(TPanelBevel Value) {
    if (Value == FBevelOuter) return;
    FBevelOuter = Value;
    BevelsChanged();
}

void TPanel::SetBevelInner(TPanelBevel Value) {
    if (Value == FBevelInner) return;
    FBevelInner = Value;
    BevelsChanged();
}

void TPanel::SetBevelWidth(int Value) {
    if (Value < 1) Value = 1;
    if (Value == FBevelWidth) return;
    FBevelWidth = Value;
    BevelsChanged();
}

void TPanel::SetBorderWidth(int Value) {
    if (Value < 0) Value = 0;
    if (Value == FBorderWidth) return;
    FBorderWidth = Value;
    BevelsChanged();
}

void TPanel::BevelsChanged() {
    AlignControls();
    Invalidate();
}

void TPanel::AdjustClientRect(TRect& Rect) const {
    int inset = FBorderWidth;
    if (FBevelOuter != bvNone) inset += FBevelWidth;
    if (FBevelInner != bvNone) inset += FBevelWidth;
    Rect = TRect{Rect.Left + inset, Rect.Top + inset, Rect.Right - inset, Rect.Bottom - inset};
}

void TPanel::PaintWindow(TCanvas& ACanvas) {
    TWinControl::PaintWindow(ACanvas);
    TRect r = ClientRect();
    DrawBevel(ACanvas, r, FBevelOuter, FBevelWidth);
    r = TRect{r.Left + FBorderWidth, r.Top + FBorderWidth, r.Right - FBorderWidth, r.Bottom - FBorderWidth};
    DrawBevel(ACanvas, r, FBevelInner, FBevelWidth);
    // The caption needs a font engine, which the plain drawing has not: the panel shows its face only.
}
