#pragma once
// The panel: a windowed container with an outer and an inner bevel and a centred caption. Aligned
// children share the area inside the bevels.
#include "framework/Controls.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TWinControl {
public:
    using TWinControl::TWinControl;
    const TPublishedClass* Published() const override;

    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel Value);
    TPanelBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);

    void AdjustClientRect(TRect& Rect) const override;
    void PaintWindow(TCanvas& ACanvas) override;

private:
    void BevelsChanged();

    TPanelBevel FBevelOuter{bvRaised};
    TPanelBevel FBevelInner{bvNone};
    int FBevelWidth{1};
    int FBorderWidth{0};
};
