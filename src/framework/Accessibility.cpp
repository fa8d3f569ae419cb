#include "framework/Accessibility.h"

#include "framework/Image.h"
#include "framework/Panel.h"
#include "framework/StdCtrls.h"

namespace {
std::string WithoutTrailingBlanks(std::string Text) {
    while (!Text.empty() && static_cast<unsigned char>(Text.back()) <= ' ') Text.pop_back();
    return Text;
}

bool FilledByPicture(const TWinControl& Panel) {
    for (int i = 0; i < Panel.ControlCount(); ++i)
        if (auto* image = dynamic_cast<const TImage*>(Panel.Controls(i)); image && image->Align() == alClient) return true;
    return false;
}

const TWinControl* FormOf(const TWinControl& Control) {
    const TWinControl* c = &Control;
    while (c->Parent()) c = c->Parent();
    return c;
}
} // namespace

TAccessibleInfo AccessibleInfoOf(const TWinControl& Control) {
    TAccessibleInfo info;
    info.Description = Control.ShownHint();
    if (dynamic_cast<const TGroupBox*>(&Control)) {
        info.Role = TAccessibleRole::Grouping;
        info.Name = WithoutTrailingBlanks(Control.Caption());
    } else if (dynamic_cast<const TEdit*>(&Control)) {
        info.Role = TAccessibleRole::Text;
        if (auto* group = dynamic_cast<const TGroupBox*>(Control.Parent())) {
            info.LabelledBy = group;
            info.Name = WithoutTrailingBlanks(group->Caption());
        }
    } else if (dynamic_cast<const TButton*>(&Control)) {
        info.Role = TAccessibleRole::PushButton;
        info.Name = WithoutTrailingBlanks(Control.Caption());
    } else if (dynamic_cast<const TPanel*>(&Control) && FilledByPicture(Control)) {
        info.Role = TAccessibleRole::Image;
        info.Name = WithoutTrailingBlanks(FormOf(Control)->Caption());
    } else {
        info.Name = WithoutTrailingBlanks(Control.Caption());
    }
    return info;
}
