// Unit GDIPFill: the outline paths of a fill and the placement of its pictures.
#include <cmath>

#include "controls/GDIPFill.h"

namespace {
// Adds the arc of one corner; d is the diameter of its box.
enum TCorner { cTopLeft, cTopRight, cBottomRight, cBottomLeft };

void AddCorner(TGPGraphicsPath& Path, TCorner Corner, double X, double Y, double W, double H, double d) {
    switch (Corner) {
    case cTopLeft: Path.AddPathArc(float(X), float(Y), float(d), float(d), 180, 90); break;
    case cTopRight: Path.AddPathArc(float(X + W - d), float(Y), float(d), float(d), 270, 90); break;
    case cBottomRight: Path.AddPathArc(float(X + W - d), float(Y + H - d), float(d), float(d), 0, 90); break;
    case cBottomLeft: Path.AddPathArc(float(X), float(Y + H - d), float(d), float(d), 90, 90); break;
    }
}

void Line(TGPGraphicsPath& Path, double X1, double Y1, double X2, double Y2) {
    Path.AddPathLine(float(X1), float(Y1), float(X2), float(Y2));
}

// Round to nearest, halves to the even neighbour.
int32_t RoundEven(double Value) { return static_cast<int32_t>(std::nearbyint(Value)); }
} // namespace

TGPGraphicsPath* CreateRoundRectPath(const RectF& R, int32_t Radius, TFillRoundingType Corners) {
    auto* path = new TGPGraphicsPath(0);
    const double X = R.X, Y = R.Y, W = R.Width, H = R.Height, r = Radius, d = 2.0 * Radius;
    TGPGraphicsPath& p = *path;
    switch (Corners) {
    case rtNone:
        Line(p, X, Y, X + W, Y);
        Line(p, X + W, Y, X + W, Y + H);
        Line(p, X + W, Y + H, X, Y + H);
        Line(p, X, Y + H, X, Y);
        break;
    case rtTop:
        AddCorner(p, cTopLeft, X, Y, W, H, d);
        Line(p, X + r, Y, X + W - r, Y);
        AddCorner(p, cTopRight, X, Y, W, H, d);
        Line(p, X + W, Y + r, X + W, Y + H);
        Line(p, X + W, Y + H, X, Y + H);
        Line(p, X, Y + H, X, Y + r);
        break;
    case rtBottom:
        Line(p, X, Y, X + W, Y);
        Line(p, X + W, Y, X + W, Y + H - r);
        AddCorner(p, cBottomRight, X, Y, W, H, d);
        Line(p, X + W - r, Y + H, X + r, Y + H);
        AddCorner(p, cBottomLeft, X, Y, W, H, d);
        Line(p, X, Y + H - r, X, Y);
        break;
    case rtBoth:
        AddCorner(p, cTopLeft, X, Y, W, H, d);
        Line(p, X + r, Y, X + W - r, Y);
        AddCorner(p, cTopRight, X, Y, W, H, d);
        Line(p, X + W, Y + r, X + W, Y + H - r);
        AddCorner(p, cBottomRight, X, Y, W, H, d);
        Line(p, X + W - r, Y + H, X + r, Y + H);
        AddCorner(p, cBottomLeft, X, Y, W, H, d);
        Line(p, X, Y + H - r, X, Y + r);
        break;
    case rtLeft:
        AddCorner(p, cTopLeft, X, Y, W, H, d);
        Line(p, X + r, Y, X + W - r, Y);
        Line(p, X + W, Y, X + W, Y + H);
        Line(p, X + W - r, Y + H, X + r, Y + H);
        AddCorner(p, cBottomLeft, X, Y, W, H, d);
        Line(p, X, Y + H - r, X, Y + r);
        break;
    case rtRight:
        Line(p, X, Y, X + W - r, Y);
        AddCorner(p, cTopRight, X, Y, W, H, d);
        Line(p, X + W, Y + r, X + W, Y + H - r);
        AddCorner(p, cBottomRight, X, Y, W, H, d);
        Line(p, X + W - r, Y + H, X, Y + H);
        Line(p, X, Y + H - r, X, Y + r);
        break;
    }
    p.ClosePathFigure();
    return path;
}

TPictureSize FitPictureSize(double PicWidth, double PicHeight, double AreaWidth, double AreaHeight,
                            TPictureMode AspectMode) {
    if (PicWidth <= 0 || PicHeight <= 0 || AreaWidth <= 0 || AreaHeight <= 0) return {};
    if (PicWidth < AreaWidth && PicHeight < AreaHeight && AspectMode == pmNormal) return {PicWidth, PicHeight};
    if (AreaWidth / AreaHeight > PicWidth / PicHeight) return {AreaHeight * PicWidth / PicHeight, AreaHeight};
    return {AreaWidth, AreaWidth * PicHeight / PicWidth};
}

void DrawPictureAt(TGPGraphics& Graphics, bool KeepAspect, TPictureMode AspectMode, TAdvGDIPPicture& Picture,
                   TFillPicturePosition Position, int32_t PicWidth, int32_t PicHeight, const TRect& Area, int32_t X,
                   int32_t Y) {
    if (Picture.Empty()) return;
    const int32_t L = Area.Left, T = Area.Top, Rt = Area.Right, B = Area.Bottom;
    const int32_t AW = Rt - L, AH = B - T, PW = PicWidth, PH = PicHeight;
    const int32_t Lc = L + (AW - PW) / 2, Tc = T + (AH - PH) / 2; // C++ division truncates toward zero
    TRect D;
    switch (Position) {
    case ppTopLeft: D = Rect(L, T, L + PW, T + PH); break;
    case ppTopCenter: D = Rect(Lc, T, Lc + PW, T + PH); break;
    case ppTopRight: D = Rect(Rt - PW, T, Rt, T + PH); break;
    case ppBottomLeft: D = Rect(L, B - PH, L + PW, B); break;
    case ppBottomCenter: D = Rect(Lc, B - PH, Lc + PW, B); break;
    case ppBottomRight: D = Rect(Rt - PW, B - PH, Rt, B); break;
    case ppCenterLeft: D = Rect(L, Tc, L + PW, Tc + PH); break;
    case ppCenterCenter: D = Rect(Lc, Tc, Lc + PW, Tc + PH); break;
    case ppCenterRight: D = Rect(Rt - PW, Tc, Rt, Tc + PH); break;
    case ppCustom: D = Rect(X, Y, X + PW, Y + PH); break;
    case ppStretched: {
        const TPictureSize s = KeepAspect ? FitPictureSize(PW, PH, AW, AH, AspectMode) : TPictureSize{double(AW), double(AH)};
        D = Bounds(RoundEven(L + (AW - s.Width) / 2), RoundEven(T + (AH - s.Height) / 2), RoundEven(s.Width),
                   RoundEven(s.Height));
        break;
    }
    case ppTiled:
        Picture.FillRectWithTexture(Graphics, MakeRectF(float(L), float(T), float(AW), float(AH)));
        return;
    }
    Picture.DrawOnGraphics(Graphics, D);
}
