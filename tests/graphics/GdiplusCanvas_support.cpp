#include "graphics/GdiplusCanvas_support.h"

TTestCanvas::TTestCanvas(int Width, int Height, TColor Background)
    : Surface(CreateSurface(Width, Height)), Canvas(Surface.get()) {
    Canvas.Brush.Color = Background;
    Canvas.FillRect(Rect(0, 0, Width, Height));
}

uint32_t TTestCanvas::At(int X, int Y) const {
    TCanvas plain(Surface.get());
    return plain.Pixel(X, Y);
}

TPoint TTestCanvas::FirstOtherThan(const TRect& R, uint32_t Color) const {
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x)
            if (At(x, y) != Color) return TPoint{x, y};
    return TPoint{-1, -1};
}

std::string TestImagePath(const std::string& Name) { return VELUNDO_TEST_IMAGES "/" + Name; }
