#pragma once
// The bevelled edge of the classic three-dimensional look: lines along the top and left edges in one
// colour and along the bottom and right edges in another.
#include "framework/Graphics.h"

// Draws Width nested frames just inside Rect and shrinks Rect by them. The top-right and bottom-left
// corner pixels belong to the bottom-right colour, as a lowered or raised edge is drawn on Windows.
void Frame3D(TCanvas& ACanvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);
