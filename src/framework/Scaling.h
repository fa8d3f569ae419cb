#pragma once
// A window description is made at one resolution (its PixelsPerInch); shown at another, every place,
// size and own font of the form and its controls is scaled by the ratio, as the system scales text.
#include "framework/Forms.h"

// Scales Form and everything in it from Form.PixelsPerInch() to ScreenPixelsPerInch (nothing when
// they are equal, or either is not positive), and records the new resolution. Every length is scaled
// from the value the form was given (the description's, at its resolution), however many scalings
// came before: a window moved from monitor to monitor is always what it would be if built there.
void ScaleFormTo(TForm& Form, int ScreenPixelsPerInch);
