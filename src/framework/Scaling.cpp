#include "framework/Scaling.h"

#include <array>
#include <vector>

#include "framework/Image.h"

namespace {
// The lengths scaling sets, in this order; a control without one (a picture's resolution on a control
// that is no picture, the text height on a control that is no form) holds 0 there.
enum TLength { lnLeft, lnTop, lnWidth, lnHeight, lnFont, lnPicture, lnText, kLengthCount };
using TLengths = std::array<int, kLengthCount>;

TLengths LengthsOf(TControl& Control) {
    auto* image = dynamic_cast<TImage*>(&Control);
    auto* form = dynamic_cast<TForm*>(&Control);
    return {Control.Left(),         Control.Top(), Control.Width(), Control.Height(), Control.Font().Height(),
            image ? image->PicturePixelsPerInch() : 0, form ? form->TextHeight() : 0};
}

// The form first, then every control below it, parents before their children.
void CollectControls(TWinControl& Parent, std::vector<TControl*>& Controls) {
    for (int i = 0; i < Parent.ControlCount(); ++i) {
        TControl* c = Parent.Controls(i);
        Controls.push_back(c);
        if (auto* w = dynamic_cast<TWinControl*>(c)) CollectControls(*w, Controls);
    }
}

void ApplyFont(TControl& Control, int Height) {
    // A control that follows its parent's font gets the scaled one from the parent.
    if (!Control.ParentFont() || !Control.Parent()) Control.Font().SetHeight(Height);
}
} // namespace

// Each length is scaled from the value it was given, never from the last scaling's rounded result, so
// that a tour of resolutions ends where a direct scaling to the last one would. A length that
// something else changed since the last scaling (alignment, the program) is taken as given anew.
void ScaleFormTo(TForm& Form, int ScreenPixelsPerInch) {
    const int to = ScreenPixelsPerInch, from = Form.PixelsPerInch();
    if (to <= 0 || from <= 0 || to == from) return;
    std::vector<TControl*> controls{&Form};
    CollectControls(Form, controls);
    TScaledLengths& kept = Form.ScaledLengths();
    TScaledLengths next;
    // All targets first: setting one control's bounds realigns its siblings.
    std::vector<TLengths> targets;
    for (TControl* c : controls) {
        const TLengths now = LengthsOf(*c);
        TLengths& target = targets.emplace_back();
        for (int i = 0; i < kLengthCount; ++i) {
            auto found = kept.find({c, i});
            TScaledLength length = found != kept.end() ? found->second : TScaledLength{};
            if (length.GivenPixelsPerInch <= 0 || now[i] != length.Last) length = {now[i], from, now[i]};
            next[{c, i}] = length;
            target[i] = MulDiv(length.Given, to, length.GivenPixelsPerInch);
        }
    }
    // Children first: growing the client area would otherwise realign them at the old sizes.
    ApplyFont(Form, targets[0][lnFont]);
    for (size_t k = 1; k < controls.size(); ++k) {
        TControl& c = *controls[k];
        const TLengths& t = targets[k];
        c.SetBounds(t[lnLeft], t[lnTop], t[lnWidth], t[lnHeight]);
        ApplyFont(c, t[lnFont]);
        if (auto* image = dynamic_cast<TImage*>(&c)) image->SetPicturePixelsPerInch(t[lnPicture]);
    }
    Form.SetBounds(Form.Left(), Form.Top(), targets[0][lnWidth], targets[0][lnHeight]);
    Form.SetTextHeight(targets[0][lnText]);
    Form.SetPixelsPerInch(to);
    // What alignment made of the targets is what the next scaling compares with.
    for (size_t k = 0; k < controls.size(); ++k) {
        const TLengths now = LengthsOf(*controls[k]);
        for (int i = 0; i < kLengthCount; ++i) next[{controls[k], i}].Last = now[i];
    }
    kept = std::move(next);
}
