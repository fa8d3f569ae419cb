#pragma once
// FillArea: paints one area of a GDI+ fill (a rectangle, or an outline path) with one brush made from
// a parameter record. The fill (controls/GDIPFill) is its only user.
#include <cstdint>

#include "framework/Graphics.h"
#include "graphics/AdvGDIPObjects.h"

class TAdvGDIPPicture;

// How an area is painted.
enum TAdvGradientType : int32_t {
    gtSolid, gtRadial, gtVertical, gtHorizontal, gtForwardDiagonal, gtBackwardDiagonal, gtAngle, gtHatch,
    gtPath, gtTexture, gtNone
};

struct TFillAreaParams {
    TGPGraphics* Graphics{nullptr};
    TGPGraphicsPath* Path{nullptr};
    bool UsePath{false}; // fill Path, otherwise Rect
    RectF Rect;
    TAdvGradientType GradientType{gtSolid};
    TColor Color{clNone};
    TColor ColorTo{clNone};
    int32_t Opacity{255};
    int32_t OpacityTo{255};
    ::HatchStyle HatchStyle{HatchStyleHorizontal};
    int32_t Angle{0};
    TAdvGDIPPicture* Texture{nullptr}; // for gtTexture
    bool Mirror{false};                // the record describes the lower (mirror) part
};

// Linear gradients span Rect grown by one pixel on every side, with gamma correction; a mirror part's
// first pixel row is then covered with its solid start colour. Radial areas and gtPath paint nothing
// here.
void FillArea(const TFillAreaParams& Params);
