#pragma once
// Walking the windowed controls of a form, as the back ends that give them native widgets do.
#include <functional>

#include "framework/Controls.h"

// Visits every windowed control below Root, depth first in creation order, with its top-left corner
// in Root's client coordinates and whether it and all its parents are visible.
void ForEachWindowedControl(TWinControl& Root, const std::function<void(TWinControl&, TPoint, bool)>& Visit);
