// Controls: fonts that follow the parent's, and parents that go before their children.
#include <gtest/gtest.h>

#include <memory>

#include "framework/Controls.h"

namespace {
TWinControl* MakeChild(TComponent* Owner, TWinControl* Parent) {
    auto* c = new TWinControl(Owner);
    c->SetParent(Parent);
    return c;
}
} // namespace

TEST(ControlFont, ChildrenFollowTheirParentsFontUntilTheyChangeTheirOwn) {
    TComponent owner(nullptr);
    auto* form = new TWinControl(&owner);
    form->Font().SetName("Arial");
    auto* box = MakeChild(&owner, form);
    auto* button = MakeChild(&owner, box);
    auto* label = MakeChild(&owner, box);
    EXPECT_EQ(button->Font().Name(), "Arial") << "copied when placed in the parent";
    EXPECT_TRUE(button->ParentFont());

    label->Font().SetStyle(FontStyle(fsBold));
    EXPECT_FALSE(label->ParentFont()) << "an own change ends following";
    form->Font().SetHeight(-13);
    EXPECT_EQ(box->Font().Height(), -13);
    EXPECT_EQ(button->Font().Height(), -13) << "grandchildren follow through their parent";
    EXPECT_EQ(label->Font().Height(), -11) << "the label keeps its own font";
    EXPECT_TRUE(box->ParentFont()) << "following is no change of one's own";

    label->SetParentFont(true);
    EXPECT_EQ(label->Font().Height(), -13);
    EXPECT_FALSE(label->Font().HasStyle(fsBold));
}

TEST(ControlTree, AParentThatGoesFirstLeavesItsChildrenDetached) {
    TComponent owner(nullptr);
    auto* parent = new TWinControl(nullptr);
    auto* child = MakeChild(&owner, parent);
    delete parent;
    EXPECT_EQ(child->Parent(), nullptr);
    delete child; // must not touch the parent that is gone
    EXPECT_EQ(owner.ComponentCount(), 0);
}
