#pragma once
// What every UI back end asks the framework when it realises a form: which windowed controls get a
// native widget, which frame the form's window gets, and where each windowed control stands.
#include <functional>

#include "framework/Controls.h"

class TForm;

// The native widget a back end gives a windowed control. Group boxes, edits and buttons are always
// the toolkit's own, so the desktop draws them in its style; a bitmap button with a glyph is the
// toolkit's button showing the framework's glyph layout. A panel is a native container only where
// native widgets nest (Win32's child windows clip what they hold); where they do not (GTK's one
// fixed layer), its bevels and children are painted in the form's layer like a windowless control.
enum class TNativeKind { None, Container, GroupBox, Edit, Button, GlyphButton };
TNativeKind NativeKindOf(const TWinControl& Control, bool NativeWidgetsNest);

// The frame a form's window gets from its border style and border icons.
struct TWindowFrame {
    bool Decorated{true};   // any border and title bar (bsNone: none)
    bool Sizeable{false};   // the user may resize it (bsSizeable, bsSizeToolWin)
    bool SystemMenu{false}; // a window menu and a close box
    bool MinimizeBox{false};
    bool MaximizeBox{false};
};
TWindowFrame FrameOf(const TForm& Form);

// Visits every windowed control below Root, depth first in creation order, with its top-left corner
// in Root's client coordinates and whether it and all its parents are visible.
void ForEachWindowedControl(TWinControl& Root, const std::function<void(TWinControl&, TPoint, bool)>& Visit);
