// The policy every back end asks when it realises a form.
#include <gtest/gtest.h>

#include <memory>

#include "framework/Buttons.h"
#include "framework/Forms.h"
#include "framework/Panel.h"
#include "framework/StdCtrls.h"
#include "framework/WindowedControls.h"

TEST(NativeKindOf, TheToolkitsOwnWidgetsAndPanelsOnlyWhereWidgetsNest) {
    TForm form(nullptr);
    auto* glyphButton = new TBitBtn(&form);
    glyphButton->Glyph().SetSize(16, 16);
    struct Row {
        TWinControl* Control;
        TNativeKind Nesting, Flat;
    };
    const Row rows[] = {
        {new TPanel(&form), TNativeKind::Container, TNativeKind::None},
        {new TGroupBox(&form), TNativeKind::GroupBox, TNativeKind::GroupBox},
        {new TEdit(&form), TNativeKind::Edit, TNativeKind::Edit},
        {new TButton(&form), TNativeKind::Button, TNativeKind::Button},
        {new TBitBtn(&form), TNativeKind::Button, TNativeKind::Button}, // no glyph: a plain button
        {glyphButton, TNativeKind::GlyphButton, TNativeKind::GlyphButton},
        {&form, TNativeKind::None, TNativeKind::None},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(NativeKindOf(*rows[i].Control, true), rows[i].Nesting) << "row " << i;
        EXPECT_EQ(NativeKindOf(*rows[i].Control, false), rows[i].Flat) << "row " << i;
    }
}

TEST(FrameOf, BoxesComeOnlyWithTheSystemMenuAndNoneWithoutABorder) {
    const TBorderIcons all = BorderIcon(biSystemMenu) | BorderIcon(biMinimize) | BorderIcon(biMaximize);
    struct Row {
        TFormBorderStyle Border;
        TBorderIcons Icons;
        bool Decorated, Sizeable, Menu, Min, Max;
    };
    const Row rows[] = {
        {bsSingle, BorderIcon(biSystemMenu), true, false, true, false, false}, // the launcher
        {bsSizeable, all, true, true, true, true, true},
        {bsSizeToolWin, 0, true, true, false, false, false},
        {bsDialog, BorderIcon(biMinimize) | BorderIcon(biMaximize), true, false, false, false, false},
        {bsNone, all, false, false, false, false, false},
    };
    for (const Row& r : rows) {
        TForm form(nullptr);
        form.SetBorderStyle(r.Border);
        form.SetBorderIcons(r.Icons);
        const TWindowFrame f = FrameOf(form);
        const bool got[] = {f.Decorated, f.Sizeable, f.SystemMenu, f.MinimizeBox, f.MaximizeBox};
        const bool want[] = {r.Decorated, r.Sizeable, r.Menu, r.Min, r.Max};
        for (int k = 0; k < 5; ++k) EXPECT_EQ(got[k], want[k]) << "border " << r.Border << ", field " << k;
    }
}
