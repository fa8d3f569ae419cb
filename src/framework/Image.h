#pragma once
// The picture control: a windowless control that shows one picture, at its natural size from its
// top-left corner (or centred, or stretched over the control), clipped to its bounds.
#include "framework/Controls.h"

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    const TPublishedClass* Published() const override;

    TPicture& Picture() { return FPicture; }
    // Follows the picture's size; alignment to the parent still wins in the aligned directions.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    // The picture is artwork made for 96 dots per inch; a window scaled to another resolution shows it
    // scaled by the same ratio, so it still fills what it filled (when not stretched anyway).
    int PicturePixelsPerInch() const { return FPicturePixelsPerInch; }
    void SetPicturePixelsPerInch(int Value);

protected:
    void Paint() override;

private:
    void PictureChanged();
    // Where the picture goes in the control's own coordinates.
    TRect DestRect() const;
    // The picture's size as shown at the window's resolution.
    TPoint ShownSize() const;

    TPicture FPicture;
    bool FAutoSize{false};
    bool FStretch{false};
    bool FCenter{false};
    int FPicturePixelsPerInch{96};
};
