#include "framework/ControlPainter.h"

namespace {
struct TPaintJob {
    TSurface& Surface;
    const TNativeControlTest& IsNative;
};

// A canvas whose origin is Origin and which draws only inside Clip (both in surface pixels).
TCanvas CanvasAt(TSurface& Surface, TPoint Origin, const TRect& Clip) {
    TCanvas canvas(&Surface);
    canvas.SetOrigin(Origin);
    canvas.SetClipRect(Clip);
    return canvas;
}

TRect Placed(const TControl& Control, TPoint Origin) {
    return Bounds(Origin.X, Origin.Y, Control.Width(), Control.Height());
}

void PaintWindowed(const TPaintJob& Job, TWinControl& Control, TPoint Origin, const TRect& ParentClip) {
    const TRect clip = IntersectRect(Placed(Control, Origin), ParentClip);
    if (clip.IsEmpty()) return;
    TCanvas canvas = CanvasAt(Job.Surface, Origin, clip);
    if (Job.IsNative && Job.IsNative(Control)) Control.TWinControl::PaintWindow(canvas);
    else Control.PaintWindow(canvas);

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

void PaintControlTree(TWinControl& Root, TSurface& Surface, const TNativeControlTest& IsNative) {
    const TPaintJob job{Surface, IsNative};
    PaintWindowed(job, Root, TPoint{0, 0}, TRect{0, 0, Surface.Width, Surface.Height});
}
