#include "framework/StdCtrls.h"

#include "framework/Frame3D.h"

namespace {
constexpr TColor cl3DDkShadow = clSystemColor | 21;
constexpr TColor cl3DLight = clSystemColor | 22;
constexpr int kCaptionHalfHeight = 6; // half the 13-pixel text line of the 8-point sans

void Fill(TCanvas& ACanvas, const TRect& R, TColor Color) {
    ACanvas.Brush.Style = bsSolid;
    ACanvas.Brush.Color = Color;
    ACanvas.FillRect(R);
}
} // namespace

void TEdit::PaintWindow(TCanvas& ACanvas) {
    TRect r = ClientRect();
    Fill(ACanvas, r, Enabled() && !FReadOnly ? clWindow : clBtnFace);
    Frame3D(ACanvas, r, clBtnShadow, clBtnHighlight, 1);
    Frame3D(ACanvas, r, cl3DDkShadow, cl3DLight, 1);
}

void TGroupBox::PaintWindow(TCanvas& ACanvas) {
    TWinControl::PaintWindow(ACanvas);
    // Etched: a light frame one pixel right and down of a dark one.
    TRect light{1, kCaptionHalfHeight + 1, Width(), Height()};
    Frame3D(ACanvas, light, clBtnHighlight, clBtnHighlight, 1);
    TRect dark{0, kCaptionHalfHeight, Width() - 1, Height() - 1};
    Frame3D(ACanvas, dark, clBtnShadow, clBtnShadow, 1);
}

void TButton::PaintWindow(TCanvas& ACanvas) {
    TRect r = ClientRect();
    Fill(ACanvas, r, clBtnFace);
    Frame3D(ACanvas, r, clBtnHighlight, cl3DDkShadow, 1);
    Frame3D(ACanvas, r, cl3DLight, clBtnShadow, 1);
}
