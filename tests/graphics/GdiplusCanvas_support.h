#pragma once
// Memory canvases for tests that let real GDI+ draw, and reading their pixels back.
#include <memory>

#include "framework/Graphics.h"

struct TTestCanvas {
    explicit TTestCanvas(int Width, int Height, TColor Background = clWhite);
    std::unique_ptr<TSurface> Surface;
    TCanvas Canvas;
    // 0x00BBGGRR of a surface pixel, unaffected by the canvas origin.
    uint32_t At(int X, int Y) const;
    // The first surface pixel inside R (surface coordinates) that is not Color, or -1, -1.
    TPoint FirstOtherThan(const TRect& R, uint32_t Color) const;
};

// The folder of the image files made for the tests.
std::string TestImagePath(const std::string& Name);
