#pragma once
// Paints a tree of controls into a surface, the same way on every back end: each windowed control
// paints its face (except below its visible opaque windowless children), then its windowless children in creation order, then its windowed children in
// creation order, so windowed controls lie above windowless ones of the same parent. Every control is
// clipped to its own bounds and its parent's visible part.
#include <functional>
#include <vector>

#include "framework/Controls.h"
#include "platform/Surface.h"

// Whether the back end shows a windowed control with a widget of its own above the painted layers.
// Such a control gets only its background colour from the painter, so the widget sits on it.
using TNativeControlTest = std::function<bool(const TWinControl&)>;

// What the painter leaves under such a widget: the control's background colour, or nothing at all, so
// that the widget stands on what its parent painted there (a widget drawn in a dark theme's colours
// on a light painted background, whose face would otherwise show as a slab around it).
enum class TNativeFace { Background, None };

// Paints Root's client area with Root's top-left corner at the surface's top-left corner.
void PaintControlTree(TWinControl& Root, TSurface& Surface, const TNativeControlTest& IsNative = {},
                      TNativeFace Face = TNativeFace::Background);

// Where Control's face shows when Control lies at Origin of the surface and is clipped to Clip: the
// clip without its visible opaque windowless children, whose paint covers them anyway.
std::vector<TRect> FaceParts(const TWinControl& Control, TPoint Origin, const TRect& Clip);
