#include "framework/WindowedControls.h"

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
