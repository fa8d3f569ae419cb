#pragma once
// Controls: components with a parent, bounds and visibility. Windowed controls (TWinControl) hold
// children and are realised by the UI back end; graphic controls (TGraphicControl) have no window and
// paint on their parent's canvas, clipped to their own bounds and the parent's.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/Classes.h"
#include "framework/Font.h"
#include "framework/Graphics.h"
#include "framework/SizeConstraints.h"

class TWinControl;

// alCustom places nothing: like alNone, the control keeps the bounds it is given.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
// Anchors are a set of TAnchorKind, held as a bit mask (bit n = ordinal n).
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = uint8_t;
constexpr TAnchors AnchorSet(std::initializer_list<TAnchorKind> Kinds) {
    TAnchors set = 0;
    for (TAnchorKind k : Kinds) set = static_cast<TAnchors>(set | 1u << k);
    return set;
}
enum TDragKind : uint8_t { dkDrag, dkDock };
enum TDragMode : uint8_t { dmManual, dmAutomatic };
using TCursor = int16_t;
constexpr TCursor crDrag = -12;
// A pop-up menu a control may name; the framework has none to show, so every control names none.
class TPopupMenu;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    // In a stored description a control is nested in its parent.
    TComponent* ParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    TRect ClientRect() const { return TRect{0, 0, FWidth, FHeight}; }

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);
    const std::string& Caption() const { return FCaption; }
    virtual void SetCaption(const std::string& Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // The control's font. With ParentFont on (the default) it is a copy of the parent's and follows
    // it; a change made to the control's own font turns ParentFont off.
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);

    // The control's tooltip, shown while ShowHint is on, which is also what a screen reader
    // describes it by; a disabled control shows it too.
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value);
    // The hint as the desktop shows it: empty while ShowHint is off.
    std::string ShownHint() const { return FShowHint ? FHint : std::string(); }

    // Settings a description stores and the framework keeps without acting on them yet: the
    // launcher's window neither resizes, drags, docks nor pops up menus.
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors Value) { FAnchors = Value; }
    TSizeConstraints* Constraints() const { return &FConstraints; }
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor Value) { FDragCursor = Value; }
    TDragKind DragKind() const { return FDragKind; }
    void SetDragKind(TDragKind Value) { FDragKind = Value; }
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode Value) { FDragMode = Value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool Value) { FParentShowHint = Value; }
    TPopupMenu* PopupMenu() const { return nullptr; }

    virtual bool IsWindowed() const { return false; }
    // The control's paint covers its whole rectangle, so its parent does not paint its own face below it.
    bool Opaque() const { return FOpaque; }
    // Asks for a repaint of this control later: the nearest InvalidateSink up the parent chain hears
    // of it, or else the nearest up the owner chain (a control its form made but has not placed yet).
    virtual void Invalidate();
    // Set by whatever shows this control tree (a back end's window, on the form it shows), so that
    // each window hears of its own controls only.
    std::function<void(TControl*)> InvalidateSink;
    // Notifications of the framework that controls may answer.
    virtual void Resized() {}
    virtual void EnabledChanged() {}
    virtual void TextChanged() {}
    virtual void ColorChanged() {}
    virtual void FontChanged() {}

    TNotifyEvent OnClick;
    virtual void Click();
    // Bound from a description by handler name; the framework raises none of these yet.
    TNotifyEvent OnMouseMove, OnMouseUp, OnMouseDown, OnResize, OnContextPopup, OnDblClick, OnDragDrop,
        OnDragOver, OnEndDock, OnEndDrag, OnStartDock, OnStartDrag;

protected:
    void SetOpaque(bool Value) { FOpaque = Value; }

private:
    void FontEdited();
    void CopyParentFont();

    TWinControl* FParent{nullptr};
    int FLeft{0};
    int FTop{0};
    int FWidth{0};
    int FHeight{0};
    TAlign FAlign{alNone};
    bool FVisible{true};
    bool FEnabled{true};
    bool FOpaque{false};
    std::string FCaption;
    TColor FColor{clBtnFace};
    TFont FFont;
    bool FParentFont{true};
    bool FCopyingParentFont{false};
    TAnchors FAnchors{AnchorSet({akLeft, akTop})};
    mutable TSizeConstraints FConstraints;
    TCursor FDragCursor{crDrag};
    TDragKind FDragKind{dkDrag};
    TDragMode FDragMode{dmManual};
    bool FShowHint{false};
    bool FParentShowHint{true};
    std::string FHint;
};

// A control without a window of its own: it paints on its parent's canvas.
class TGraphicControl : public TControl {
public:
    using TControl::TControl;
    // The canvas the control paints on while Paint runs: origin at the control's top-left corner,
    // clipped to the control and its parent.
    TCanvas& Canvas() { return FCanvas; }
    // Paints the control on ACanvas (which the caller has set up as above).
    void PaintOn(TCanvas& ACanvas);

protected:
    virtual void Paint() {}

private:
    TCanvas FCanvas;
};

// A control with a window of its own that holds child controls.
class TWinControl : public TControl {
public:
    using TControl::TControl;
    // Children outlive their parent's list when the owner frees them later: they are detached first.
    ~TWinControl() override;
    bool IsWindowed() const override { return true; }
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    // Children in creation order (later ones lie above earlier ones of the same kind).
    TControl* Controls(int Index) const { return FControls[Index]; }
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    // Places the aligned children: top ones from the top edge down, bottom ones from the bottom edge
    // up, then the client one in what is left.
    void AlignControls();
    void Loaded() override;
    // The part of the client area that aligned children share (a panel leaves out its bevels).
    virtual void AdjustClientRect(TRect& Rect) const { (void)Rect; }
    // Paints the control's own face (not its children) on ACanvas, whose origin is the control's
    // top-left corner and which is clipped to the control and its parent.
    virtual void PaintWindow(TCanvas& ACanvas);
    int TabOrder() const { return FTabOrder; }
    void SetTabOrder(int Value) { FTabOrder = Value; }
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value) { FTabStop = Value; }

private:
    std::vector<TControl*> FControls;
    bool FAligning{false};
    int FTabOrder{-1};
    bool FTabStop{false};
};
