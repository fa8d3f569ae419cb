#pragma once
// Paints a tree of controls into a surface, the same way on every back end: each windowed control
// paints its face, then its windowless children in creation order, then its windowed children in
// creation order, so windowed controls lie above windowless ones of the same parent. Every control is
// clipped to its own bounds and its parent's visible part.
#include <functional>

#include "framework/Controls.h"
#include "platform/Surface.h"

// Whether the back end shows a windowed control with a widget of its own above the painted layers.
// Such a control gets only its background colour from the painter, so the widget sits on it.
using TNativeControlTest = std::function<bool(const TWinControl&)>;

// Paints Root's client area with Root's top-left corner at the surface's top-left corner.
void PaintControlTree(TWinControl& Root, TSurface& Surface, const TNativeControlTest& IsNative = {});
