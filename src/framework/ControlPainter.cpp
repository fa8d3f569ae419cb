#include "framework/ControlPainter.h"

#include <vector>

namespace {
struct TPaintJob {
    TSurface& Surface;
    const TNativeControlTest& IsNative;
    TNativeFace Face;
};

// A canvas whose origin is Origin and which draws only inside Clip (both in surface pixels).
TCanvas CanvasAt(TSurface& Surface, TPoint Origin, const TRect& Clip) {
    TCanvas canvas(&Surface);
    canvas.SetOrigin(Origin);
    canvas.SetClipRect(Clip);
    return canvas;
}

// The parts of Area outside Hole: the bands above and below it, and the pieces left and right of it.
void Subtract(const TRect& Area, const TRect& Hole, std::vector<TRect>& Parts) {
    const TRect cut = IntersectRect(Area, Hole);
    if (cut.IsEmpty()) {
        Parts.push_back(Area);
        return;
    }
    const TRect pieces[] = {{Area.Left, Area.Top, Area.Right, cut.Top},
                            {Area.Left, cut.Bottom, Area.Right, Area.Bottom},
                            {Area.Left, cut.Top, cut.Left, cut.Bottom},
                            {cut.Right, cut.Top, Area.Right, cut.Bottom}};
    for (const TRect& piece : pieces)
        if (!piece.IsEmpty()) Parts.push_back(piece);
}

TRect Placed(const TControl& Control, TPoint Origin) {
    return Bounds(Origin.X, Origin.Y, Control.Width(), Control.Height());
}

void PaintWindowed(const TPaintJob& Job, TWinControl& Control, TPoint Origin, const TRect& ParentClip) {
    const TRect clip = IntersectRect(Placed(Control, Origin), ParentClip);
    if (clip.IsEmpty()) return;
    const bool native = Job.IsNative && Job.IsNative(Control);
    if (!native || Job.Face == TNativeFace::Background)
        for (const TRect& part : FaceParts(Control, Origin, clip)) {
            TCanvas canvas = CanvasAt(Job.Surface, Origin, part);
            if (native) Control.TWinControl::PaintWindow(canvas);
            else Control.PaintWindow(canvas);
        }

    auto childOrigin = [&](const TControl& c) { return TPoint{Origin.X + c.Left(), Origin.Y + c.Top()}; };
    for (int i = 0; i < Control.ControlCount(); ++i) {
        auto* child = dynamic_cast<TGraphicControl*>(Control.Controls(i));
        if (!child || !child->Visible()) continue;
        const TPoint at = childOrigin(*child);
        const TRect childClip = IntersectRect(Placed(*child, at), clip);
        if (childClip.IsEmpty()) continue;
        TCanvas childCanvas = CanvasAt(Job.Surface, at, childClip);
        child->PaintOn(childCanvas);
    }
    for (int i = 0; i < Control.ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(Control.Controls(i));
        if (child && child->Visible()) PaintWindowed(Job, *child, childOrigin(*child), clip);
    }
}
} // namespace

std::vector<TRect> FaceParts(const TWinControl& Control, TPoint Origin, const TRect& Clip) {
    std::vector<TRect> parts{Clip};
    for (int i = 0; i < Control.ControlCount(); ++i) {
        const TControl* child = Control.Controls(i);
        if (child->IsWindowed() || !child->Visible() || !child->Opaque()) continue;
        const TRect hole = Bounds(Origin.X + child->Left(), Origin.Y + child->Top(), child->Width(), child->Height());
        std::vector<TRect> rest;
        for (const TRect& part : parts) Subtract(part, hole, rest);
        parts.swap(rest);
    }
    return parts;
}

void PaintControlTree(TWinControl& Root, TSurface& Surface, const TNativeControlTest& IsNative, TNativeFace Face) {
    const TPaintJob job{Surface, IsNative, Face};
    PaintWindowed(job, Root, TPoint{0, 0}, TRect{0, 0, Surface.Width, Surface.Height});
}
