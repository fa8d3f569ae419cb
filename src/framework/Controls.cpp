#include "framework/Controls.h"

#include <algorithm>


TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
    FFont.OnChange = [this](TObject*) { FontEdited(); };
}

TControl::~TControl() {
    if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent) {
    if (AParent == FParent) return;
    if (FParent) FParent->RemoveControl(this);
    FParent = AParent;
    if (FParent) FParent->InsertControl(this);
    CopyParentFont();
}

void TControl::SetParentFont(bool Value) {
    if (Value == FParentFont) return;
    FParentFont = Value;
    CopyParentFont();
}

void TControl::CopyParentFont() {
    if (!FParentFont || !FParent) return;
    FCopyingParentFont = true;
    FFont.Assign(&FParent->Font());
    FCopyingParentFont = false;
}

// The font changed: by the control's own hand (no longer the parent's) or as a copy of the parent's.
// Children that follow this control's font follow it.
void TControl::FontEdited() {
    if (!FCopyingParentFont) FParentFont = false;
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < self->ControlCount(); ++i) self->Controls(i)->CopyParentFont();
    FontChanged();
    Invalidate();
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    const bool resized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = std::max(0, AWidth);
    FHeight = std::max(0, AHeight);
    if (FParent && FAlign != alNone) FParent->AlignControls();
    if (resized) {
        Resized();
        if (auto* self = dynamic_cast<TWinControl*>(this)) self->AlignControls();
    }
    Invalidate();
}

void TControl::SetAlign(TAlign Value) {
    if (Value == FAlign) return;
    FAlign = Value;
    if (FParent) FParent->AlignControls();
}

void TControl::SetVisible(bool Value) {
    if (Value == FVisible) return;
    FVisible = Value;
    if (FParent) FParent->Invalidate();
}

void TControl::SetEnabled(bool Value) {
    if (Value == FEnabled) return;
    FEnabled = Value;
    EnabledChanged();
    Invalidate();
}

void TControl::SetHint(const std::string& Value) {
    if (Value == FHint) return;
    FHint = Value;
    Invalidate();
}

void TControl::SetShowHint(bool Value) {
    if (Value == FShowHint) return;
    FShowHint = Value;
    Invalidate();
}

void TControl::SetCaption(const std::string& Value) {
    if (Value == FCaption) return;
    FCaption = Value;
    TextChanged();
    Invalidate();
}

void TControl::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    ColorChanged();
    Invalidate();
}

void TControl::Invalidate() {
    for (TControl* c = this; c; c = c->Parent())
        if (c->InvalidateSink) return c->InvalidateSink(this);
    for (TComponent* o = Owner(); o; o = o->Owner())
        if (auto* c = dynamic_cast<TControl*>(o); c && c->InvalidateSink) return c->InvalidateSink(this);
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TGraphicControl::PaintOn(TCanvas& ACanvas) {
    FCanvas = ACanvas;
    Paint();
    FCanvas = TCanvas();
}

TWinControl::~TWinControl() {
    while (!FControls.empty()) FControls.back()->SetParent(nullptr);
}

void TWinControl::PaintWindow(TCanvas& ACanvas) {
    ACanvas.Brush.Color = Color();
    ACanvas.Brush.Style = bsSolid;
    ACanvas.FillRect(ClientRect());
}

void TWinControl::InsertControl(TControl* AControl) {
    FControls.push_back(AControl);
    if (AControl->Align() != alNone) AlignControls();
}

void TWinControl::RemoveControl(TControl* AControl) {
    FControls.erase(std::remove(FControls.begin(), FControls.end(), AControl), FControls.end());
}

void TWinControl::AlignControls() {
    // A child's SetBounds below comes back here. While a description is read, the stored bounds are
    // already aligned: the children are placed once it has been read (Loaded).
    if (FAligning || Loading()) return;
    FAligning = true;
    TRect free = ClientRect();
    AdjustClientRect(free);
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : FControls) {
            if (c->Align() != pass || !c->Visible()) continue;
            switch (pass) {
            case alTop:
                c->SetBounds(free.Left, free.Top, free.Width(), c->Height());
                free.Top += c->Height();
                break;
            case alBottom:
                c->SetBounds(free.Left, free.Bottom - c->Height(), free.Width(), c->Height());
                free.Bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(free.Left, free.Top, c->Width(), free.Height());
                free.Left += c->Width();
                break;
            case alRight:
                c->SetBounds(free.Right - c->Width(), free.Top, c->Width(), free.Height());
                free.Right -= c->Width();
                break;
            default: c->SetBounds(free.Left, free.Top, free.Width(), free.Height()); break;
            }
        }
    }
    FAligning = false;
}

TComponent* TControl::ParentComponent() const { return FParent; }

void TControl::SetParentComponent(TComponent* Value) {
    if (auto* parent = dynamic_cast<TWinControl*>(Value)) SetParent(parent);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    AlignControls();
}
