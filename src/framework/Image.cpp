#include "framework/Image.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 105, 105);
    FPicture.OnChange = [this](TObject*) { PictureChanged(); };
}

void TImage::SetAutoSize(bool Value) {
    if (Value == FAutoSize) return;
    FAutoSize = Value;
    PictureChanged();
}

void TImage::SetStretch(bool Value) {
    if (Value == FStretch) return;
    FStretch = Value;
    Invalidate();
}

void TImage::SetCenter(bool Value) {
    if (Value == FCenter) return;
    FCenter = Value;
    Invalidate();
}

void TImage::SetPicturePixelsPerInch(int Value) {
    if (Value == FPicturePixelsPerInch || Value <= 0) return;
    FPicturePixelsPerInch = Value;
    Invalidate();
}

TPoint TImage::ShownSize() const {
    return TPoint{MulDiv(FPicture.Width(), FPicturePixelsPerInch, 96), MulDiv(FPicture.Height(), FPicturePixelsPerInch, 96)};
}

void TImage::PictureChanged() {
    // SetBounds lets an aligned image's parent put it back in place in the aligned directions.
    const TPoint size = ShownSize();
    if (FAutoSize && size.X > 0 && size.Y > 0) SetBounds(Left(), Top(), size.X, size.Y);
    Invalidate();
}

TRect TImage::DestRect() const {
    const auto [w, h] = ShownSize();
    if (FStretch) return ClientRect();
    if (FCenter) return Bounds((Width() - w) / 2, (Height() - h) / 2, w, h);
    return Bounds(0, 0, w, h);
}

void TImage::Paint() {
    TGraphic* graphic = FPicture.Graphic();
    if (!graphic || graphic->Empty()) return;
    // The canvas clips to the control, so a larger picture shows only its top-left part.
    Canvas().StretchDraw(DestRect(), graphic);
}
