#pragma once
// The base of the painted Jv controls: a hint colour, a mouse-over flag and the framework's control
// notifications as operations a control may override. Each base version does what a plain framework
// control does, so a control that overrides nothing behaves like one.
#include <functional>

#include "framework/Controls.h"

// What a control may change before its hint is shown.
struct THintInfo {
    TColor HintColor{clInfoBk}; // starts as the application's hint colour
};

// A control that takes part in choosing the hint colour of its children.
class IHintShow {
public:
    virtual ~IHintShow() = default;
    virtual void HintShow(THintInfo& Info) = 0;
};

class TJvExGraphicControl : public TGraphicControl, public IHintShow {
public:
    explicit TJvExGraphicControl(TComponent* AOwner) : TGraphicControl(AOwner) {}

    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor Value) { FHintColor = Value; }
    bool MouseOver() const { return FMouseOver; }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnParentColorChange;

    // Notifications from the framework.
    virtual void MouseEnter(TControl* AControl);
    virtual void MouseLeave(TControl* AControl);
    virtual void ParentColorChanged();
    // Dialog character: whether the control wants the key.
    virtual bool WantKey(int Key, int Shift);
    // Whether the point (control coordinates) belongs to the control.
    virtual bool HitTest(int X, int Y);
    // clNone: the application's colour; clDefault: the colour the parent chooses; else the own one.
    void HintShow(THintInfo& Info) override;

private:
    TColor FHintColor{clDefault};
    bool FMouseOver{false};
};

// The layer between the base and the Jv controls; it adds nothing this program uses.
class TJvGraphicControl : public TJvExGraphicControl {
public:
    using TJvExGraphicControl::TJvExGraphicControl;
};
