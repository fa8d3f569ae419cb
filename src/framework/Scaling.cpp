#include "framework/Scaling.h"

#include "framework/Image.h"


namespace {
void ScaleFont(TControl& Control, int M, int D) {
    // A control that follows its parent's font gets the scaled one from the parent.
    if (!Control.ParentFont() || !Control.Parent()) Control.Font().SetHeight(MulDiv(Control.Font().Height(), M, D));
}

void ScaleChildren(TWinControl& Parent, int M, int D) {
    for (int i = 0; i < Parent.ControlCount(); ++i) {
        TControl& c = *Parent.Controls(i);
        c.SetBounds(MulDiv(c.Left(), M, D), MulDiv(c.Top(), M, D), MulDiv(c.Width(), M, D), MulDiv(c.Height(), M, D));
        ScaleFont(c, M, D);
        if (auto* image = dynamic_cast<TImage*>(&c)) image->ScalePicture(M, D);
        if (auto* w = dynamic_cast<TWinControl*>(&c)) ScaleChildren(*w, M, D);
    }
}
} // namespace

void ScaleFormTo(TForm& Form, int ScreenPixelsPerInch) {
    const int m = ScreenPixelsPerInch, d = Form.PixelsPerInch();
    if (m <= 0 || d <= 0 || m == d) return;
    ScaleFont(Form, m, d);
    // Children first: growing the client area would otherwise realign them at the old sizes.
    ScaleChildren(Form, m, d);
    Form.SetBounds(Form.Left(), Form.Top(), MulDiv(Form.Width(), m, d), MulDiv(Form.Height(), m, d));
    Form.SetTextHeight(MulDiv(Form.TextHeight(), m, d));
    Form.SetPixelsPerInch(m);
}
