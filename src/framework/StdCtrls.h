#pragma once
// Standard controls realised by the UI back end.
#include "framework/Controls.h"

// A single-line edit field. Its text is the control's caption.
class TEdit : public TWinControl {
public:
    using TWinControl::TWinControl;
    const TPublishedClass* Published() const override;
    const std::string& Text() const { return Caption(); }
    void SetText(const std::string& Value) { SetCaption(Value); }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    // A sunken field: the window colour when editable, the button face when disabled or read-only.
    void PaintWindow(TCanvas& ACanvas) override;

private:
    bool FReadOnly{false};
};

class TGroupBox : public TWinControl {
public:
    using TWinControl::TWinControl;
    const TPublishedClass* Published() const override;
    // An etched frame that starts half a text line below the top edge.
    void PaintWindow(TCanvas& ACanvas) override;
};

class TButton : public TWinControl {
public:
    using TWinControl::TWinControl;
    // A raised push button face.
    void PaintWindow(TCanvas& ACanvas) override;
};
