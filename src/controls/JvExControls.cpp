#include "controls/JvExControls.h"

void TJvExGraphicControl::MouseEnter(TControl*) {
    FMouseOver = true;
    if (OnMouseEnter) OnMouseEnter(this);
}

void TJvExGraphicControl::MouseLeave(TControl*) {
    FMouseOver = false;
    if (OnMouseLeave) OnMouseLeave(this);
}

void TJvExGraphicControl::ParentColorChanged() {
    if (OnParentColorChange) OnParentColorChange(this);
}

bool TJvExGraphicControl::WantKey(int, int) { return false; }

bool TJvExGraphicControl::HitTest(int X, int Y) { return X >= 0 && Y >= 0 && X < Width() && Y < Height(); }

void TJvExGraphicControl::HintShow(THintInfo& Info) {
    if (FHintColor == clNone) return;
    if (FHintColor != clDefault) {
        Info.HintColor = FHintColor;
        return;
    }
    // The parent chooses on a copy of the hint data.
    if (auto* parent = dynamic_cast<IHintShow*>(Parent())) {
        THintInfo copy = Info;
        parent->HintShow(copy);
        Info.HintColor = copy.HintColor;
    }
}
