#include "framework/WindowedControls.h"

#include "framework/Buttons.h"
#include "framework/Forms.h"
#include "framework/Panel.h"
#include "framework/StdCtrls.h"

namespace {
void Walk(TWinControl& Parent, TPoint Origin, bool ParentVisible,
          const std::function<void(TWinControl&, TPoint, bool)>& Visit) {
    for (int i = 0; i < Parent.ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(Parent.Controls(i));
        if (!child) continue;
        const TPoint at{Origin.X + child->Left(), Origin.Y + child->Top()};
        const bool visible = ParentVisible && child->Visible();
        Visit(*child, at, visible);
        Walk(*child, at, visible, Visit);
    }
}
} // namespace

void ForEachWindowedControl(TWinControl& Root, const std::function<void(TWinControl&, TPoint, bool)>& Visit) {
    Walk(Root, TPoint{0, 0}, true, Visit);
}

TNativeKind NativeKindOf(const TWinControl& Control, bool NativeWidgetsNest) {
    if (dynamic_cast<const TGroupBox*>(&Control)) return TNativeKind::GroupBox;
    if (dynamic_cast<const TEdit*>(&Control)) return TNativeKind::Edit;
    if (auto* bitBtn = dynamic_cast<const TBitBtn*>(&Control); bitBtn && !bitBtn->Glyph().Empty())
        return TNativeKind::GlyphButton;
    if (dynamic_cast<const TButton*>(&Control)) return TNativeKind::Button;
    if (dynamic_cast<const TPanel*>(&Control) && NativeWidgetsNest) return TNativeKind::Container;
    return TNativeKind::None;
}

TWindowFrame FrameOf(const TForm& Form) {
    TWindowFrame frame;
    const TFormBorderStyle style = Form.BorderStyle();
    frame.Decorated = style != bsNone;
    frame.Sizeable = style == bsSizeable || style == bsSizeToolWin;
    frame.SystemMenu = frame.Decorated && (Form.BorderIcons() & BorderIcon(biSystemMenu));
    frame.MinimizeBox = frame.SystemMenu && (Form.BorderIcons() & BorderIcon(biMinimize));
    frame.MaximizeBox = frame.SystemMenu && (Form.BorderIcons() & BorderIcon(biMaximize));
    return frame;
}
