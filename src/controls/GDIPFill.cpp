#include "controls/GDIPFill.h"

#include <cmath>

#include "framework/TypInfo.h"
#include "platform/ClipboardFormat.h"

// ==== TGDIPFill ===================================================================================

// ---- Unit start-up -------------------------------------------------------------------------------

uint16_t FillClipboardFormat = 0;

void InitializeFillUnit() {
    if (FillClipboardFormat == 0) FillClipboardFormat = RegisterClipboardFormatName("GDI+ Fill");
}

// ---- Settings ------------------------------------------------------------------------------------

TGDIPFill::TGDIPFill()
    : FBackGroundPicture(std::make_unique<TAdvGDIPPicture>()), FPicture(std::make_unique<TAdvGDIPPicture>()) {
    FBackGroundPicture->OnChange = [this](TObject* Sender) { PictureChanged(Sender); };
    FPicture->OnChange = [this](TObject* Sender) { PictureChanged(Sender); };
}

TGDIPFill::~TGDIPFill() {
    FPicture.reset();
    FBackGroundPicture.reset();
}

void TGDIPFill::Changed() {
    if (OnChange) OnChange(this);
}

void TGDIPFill::PictureChanged(TObject*) { Changed(); }

template <typename T>
void TGDIPFill::Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
}

void TGDIPFill::SetColor(TColor Value) { Store(FColor, Value); }
void TGDIPFill::SetColorTo(TColor Value) { Store(FColorTo, Value); }
void TGDIPFill::SetColorMirror(TColor Value) { Store(FColorMirror, Value); }
void TGDIPFill::SetColorMirrorTo(TColor Value) { Store(FColorMirrorTo, Value); }
void TGDIPFill::SetGradientType(TAdvGradientType Value) { Store(FGradientType, Value); }
void TGDIPFill::SetGradientMirrorType(TAdvGradientType Value) { Store(FGradientMirrorType, Value); }
void TGDIPFill::SetHatchStyle(::HatchStyle Value) { Store(FHatchStyle, Value); }
void TGDIPFill::SetHatchStyleMirror(::HatchStyle Value) { Store(FHatchStyleMirror, Value); }
void TGDIPFill::SetBackGroundPictureAspectRatio(bool Value) { Store(FBackGroundPictureAspectRatio, Value); }
void TGDIPFill::SetBackGroundPictureMode(TFillPictureMode Value) { Store(FBackGroundPictureMode, Value); }
void TGDIPFill::SetBackGroundPicturePosition(TFillPicturePosition Value) { Store(FBackGroundPicturePosition, Value); }
void TGDIPFill::SetBackGroundPictureLeft(int32_t Value) { Store(FBackGroundPictureLeft, Value); }
void TGDIPFill::SetBackGroundPictureTop(int32_t Value) { Store(FBackGroundPictureTop, Value); }
void TGDIPFill::SetBackGroundPictureAspectMode(TPictureMode Value) { Store(FBackGroundPictureAspectMode, Value); }
void TGDIPFill::SetPicturePosition(TFillPicturePosition Value) { Store(FPicturePosition, Value); }
void TGDIPFill::SetPictureLeft(int32_t Value) { Store(FPictureLeft, Value); }
void TGDIPFill::SetPictureTop(int32_t Value) { Store(FPictureTop, Value); }
void TGDIPFill::SetPictureSize(TFillPictureSize Value) { Store(FPictureSize, Value); }
void TGDIPFill::SetPictureWidth(int32_t Value) { Store(FPictureWidth, Value); }
void TGDIPFill::SetPictureHeight(int32_t Value) { Store(FPictureHeight, Value); }
void TGDIPFill::SetPictureAspectRatio(bool Value) { Store(FPictureAspectRatio, Value); }
void TGDIPFill::SetPictureAspectMode(TPictureMode Value) { Store(FPictureAspectMode, Value); }
void TGDIPFill::SetOpacity(uint8_t Value) { Store(FOpacity, Value); }
void TGDIPFill::SetOpacityTo(uint8_t Value) { Store(FOpacityTo, Value); }
void TGDIPFill::SetOpacityMirror(uint8_t Value) { Store(FOpacityMirror, Value); }
void TGDIPFill::SetOpacityMirrorTo(uint8_t Value) { Store(FOpacityMirrorTo, Value); }
void TGDIPFill::SetBorderColor(TColor Value) { Store(FBorderColor, Value); }
void TGDIPFill::SetBorderOpacity(uint8_t Value) { Store(FBorderOpacity, Value); }
void TGDIPFill::SetBorderWidth(int32_t Value) { Store(FBorderWidth, Value); }
void TGDIPFill::SetRounding(int32_t Value) { Store(FRounding, Value); }
void TGDIPFill::SetRoundingType(TFillRoundingType Value) { Store(FRoundingType, Value); }
void TGDIPFill::SetShadowColor(TColor Value) { Store(FShadowColor, Value); }
void TGDIPFill::SetShadowOffset(int32_t Value) { Store(FShadowOffset, Value); }
void TGDIPFill::SetShadowType(TShadowType Value) { Store(FShadowType, Value); }
void TGDIPFill::SetAngle(int32_t Value) { Store(FAngle, Value); }
void TGDIPFill::SetGlow(TGlowMode Value) { Store(FGlow, Value); }
void TGDIPFill::SetGlowGradientColor(TColor Value) { Store(FGlowGradientColor, Value); }
void TGDIPFill::SetGlowRadialColor(TColor Value) { Store(FGlowRadialColor, Value); }

// The held pictures are never replaced: another picture object is copied into them.
void TGDIPFill::SetBackGroundPicture(const TAdvGDIPPicture* Value) {
    if (Value == FBackGroundPicture.get()) return;
    FBackGroundPicture->Assign(Value);
    Changed();
}

void TGDIPFill::SetPicture(const TAdvGDIPPicture* Value) {
    if (Value == FPicture.get()) return;
    FPicture->Assign(Value);
    Changed();
}

void TGDIPFill::Assign(const TPersistent* Source) {
    const auto* s = dynamic_cast<const TGDIPFill*>(Source);
    if (!s) return;
    FPictureAspectRatio = s->FPictureAspectRatio;
    FPictureAspectMode = s->FPictureAspectMode;
    FBackGroundPictureAspectRatio = s->FBackGroundPictureAspectRatio;
    FBackGroundPictureAspectMode = s->FBackGroundPictureAspectMode;
    FColor = s->FColor;
    FColorTo = s->FColorTo;
    FColorMirror = s->FColorMirror;
    FColorMirrorTo = s->FColorMirrorTo;
    FGradientType = s->FGradientType;
    FGradientMirrorType = s->FGradientMirrorType;
    FHatchStyle = s->FHatchStyle;
    FHatchStyleMirror = s->FHatchStyleMirror;
    FBackGroundPicture->Assign(s->FBackGroundPicture.get());
    FBackGroundPicturePosition = s->FBackGroundPicturePosition;
    FBackGroundPictureLeft = s->FBackGroundPictureLeft;
    FBackGroundPictureTop = s->FBackGroundPictureTop;
    FPicture->Assign(s->FPicture.get());
    FPicturePosition = s->FPicturePosition;
    FPictureLeft = s->FPictureLeft;
    FPictureTop = s->FPictureTop;
    FPictureSize = s->FPictureSize;
    FPictureWidth = s->FPictureWidth;
    FPictureHeight = s->FPictureHeight;
    FOpacity = s->FOpacity;
    FOpacityTo = s->FOpacityTo;
    FOpacityMirror = s->FOpacityMirror;
    FOpacityMirrorTo = s->FOpacityMirrorTo;
    FBorderColor = s->FBorderColor;
    FBorderWidth = s->FBorderWidth;
    FRounding = s->FRounding;
    FRoundingType = s->FRoundingType;
    FShadowColor = s->FShadowColor;
    FShadowOffset = s->FShadowOffset;
    FShadowType = s->FShadowType;
    FAngle = s->FAngle;
    FBorderOpacity = s->FBorderOpacity;
    FBackGroundPictureMode = s->FBackGroundPictureMode;
    FGlowGradientColor = s->FGlowGradientColor;
    FGlowRadialColor = s->FGlowRadialColor;
    FGlow = s->FGlow;
    Changed();
}

// ---- Published properties ------------------------------------------------------------------------

const TEnumInfo& AdvGradientTypeInfo() {
    static const TEnumInfo info{"TAdvGradientType",
                                {"gtSolid", "gtRadial", "gtVertical", "gtHorizontal", "gtForwardDiagonal",
                                 "gtBackwardDiagonal", "gtAngle", "gtHatch", "gtPath", "gtTexture", "gtNone"}};
    return info;
}

const TEnumInfo& HatchStyleInfo() {
    static const TEnumInfo info{
        "HatchStyle",
        {"HatchStyleHorizontal", "HatchStyleVertical", "HatchStyleForwardDiagonal", "HatchStyleBackwardDiagonal",
         "HatchStyleCross", "HatchStyleDiagonalCross", "HatchStyle05Percent", "HatchStyle10Percent",
         "HatchStyle20Percent", "HatchStyle25Percent", "HatchStyle30Percent", "HatchStyle40Percent",
         "HatchStyle50Percent", "HatchStyle60Percent", "HatchStyle70Percent", "HatchStyle75Percent",
         "HatchStyle80Percent", "HatchStyle90Percent", "HatchStyleLightDownwardDiagonal",
         "HatchStyleLightUpwardDiagonal", "HatchStyleDarkDownwardDiagonal", "HatchStyleDarkUpwardDiagonal",
         "HatchStyleWideDownwardDiagonal", "HatchStyleWideUpwardDiagonal", "HatchStyleLightVertical",
         "HatchStyleLightHorizontal", "HatchStyleNarrowVertical", "HatchStyleNarrowHorizontal",
         "HatchStyleDarkVertical", "HatchStyleDarkHorizontal", "HatchStyleDashedDownwardDiagonal",
         "HatchStyleDashedUpwardDiagonal", "HatchStyleDashedHorizontal", "HatchStyleDashedVertical",
         "HatchStyleSmallConfetti", "HatchStyleLargeConfetti", "HatchStyleZigZag", "HatchStyleWave",
         "HatchStyleDiagonalBrick", "HatchStyleHorizontalBrick", "HatchStyleWeave", "HatchStylePlaid",
         "HatchStyleDivot", "HatchStyleDottedGrid", "HatchStyleDottedDiamond", "HatchStyleShingle",
         "HatchStyleTrellis", "HatchStyleSphere", "HatchStyleSmallGrid", "HatchStyleSmallCheckerBoard",
         "HatchStyleLargeCheckerBoard", "HatchStyleOutlinedDiamond", "HatchStyleSolidDiamond", "HatchStyleTotal"}};
    return info;
}

namespace {
const TEnumInfo FillPictureModeInfo{"TFillPictureMode", {"pmInsideFill", "pmOutsideFill"}};
const TEnumInfo FillPicturePositionInfo{
    "TFillPicturePosition",
    {"ppTopLeft", "ppTopCenter", "ppTopRight", "ppBottomLeft", "ppBottomCenter", "ppBottomRight", "ppTiled",
     "ppStretched", "ppCenterLeft", "ppCenterCenter", "ppCenterRight", "ppCustom"}};
const TEnumInfo PictureModeInfo{"TPictureMode", {"pmStretch", "pmNormal"}};
const TEnumInfo FillPictureSizeInfo{"TFillPictureSize", {"psOriginal", "psCustom"}};
const TEnumInfo FillRoundingTypeInfo{"TFillRoundingType", {"rtNone", "rtTop", "rtBottom", "rtBoth", "rtLeft", "rtRight"}};
const TEnumInfo ShadowTypeInfo{"TShadowType", {"stRightBottom", "stBottom", "stSurround"}};
const TEnumInfo GlowModeInfo{"TGlowMode", {"gmNone", "gmGradient", "gmRadial", "gmRadialGradient"}};

using F = TGDIPFill;
using D = TGDIPFillDefaults; // the initial values; those named below are the declared defaults too
namespace pub = published;
constexpr auto none = std::nullopt;

const TPublishedClass& FillClass() {
    static const TPublishedClass cls(
        "TGDIPFill", nullptr,
        {pub::Color("Color", &F::Color, &F::SetColor, D::Color),
         pub::Color("ColorTo", &F::ColorTo, &F::SetColorTo, D::ColorTo),
         pub::Color("ColorMirror", &F::ColorMirror, &F::SetColorMirror, none),
         pub::Color("ColorMirrorTo", &F::ColorMirrorTo, &F::SetColorMirrorTo, none),
         pub::Enumeration("GradientType", AdvGradientTypeInfo(), &F::GradientType, &F::SetGradientType, none),
         pub::Enumeration("GradientMirrorType", AdvGradientTypeInfo(), &F::GradientMirrorType,
                          &F::SetGradientMirrorType, none),
         pub::Enumeration("HatchStyle", HatchStyleInfo(), &F::HatchStyle, &F::SetHatchStyle, D::HatchStyle),
         pub::Enumeration("HatchStyleMirror", HatchStyleInfo(), &F::HatchStyleMirror, &F::SetHatchStyleMirror,
                          D::HatchStyleMirror),
         pub::Boolean("BackGroundPictureAspectRatio", &F::BackGroundPictureAspectRatio,
                      &F::SetBackGroundPictureAspectRatio, D::BackGroundPictureAspectRatio),
         pub::Enumeration("BackGroundPictureMode", FillPictureModeInfo, &F::BackGroundPictureMode,
                          &F::SetBackGroundPictureMode, D::BackGroundPictureMode),
         pub::Object("BackGroundPicture", &F::BackGroundPicture),
         pub::Enumeration("BackGroundPicturePosition", FillPicturePositionInfo, &F::BackGroundPicturePosition,
                          &F::SetBackGroundPicturePosition, D::BackGroundPicturePosition),
         pub::Integer("BackGroundPictureLeft", &F::BackGroundPictureLeft, &F::SetBackGroundPictureLeft,
                      D::BackGroundPictureLeft),
         pub::Integer("BackGroundPictureTop", &F::BackGroundPictureTop, &F::SetBackGroundPictureTop,
                      D::BackGroundPictureTop),
         pub::Enumeration("BackGroundPictureAspectMode", PictureModeInfo, &F::BackGroundPictureAspectMode,
                          &F::SetBackGroundPictureAspectMode, D::BackGroundPictureAspectMode),
         pub::Object("Picture", &F::Picture),
         pub::Enumeration("PicturePosition", FillPicturePositionInfo, &F::PicturePosition,
                          &F::SetPicturePosition, D::PicturePosition),
         pub::Integer("PictureLeft", &F::PictureLeft, &F::SetPictureLeft, D::PictureLeft),
         pub::Integer("PictureTop", &F::PictureTop, &F::SetPictureTop, D::PictureTop),
         pub::Enumeration("PictureSize", FillPictureSizeInfo, &F::PictureSize, &F::SetPictureSize,
                          D::PictureSize),
         pub::Integer("PictureWidth", &F::PictureWidth, &F::SetPictureWidth, D::PictureWidth),
         pub::Integer("PictureHeight", &F::PictureHeight, &F::SetPictureHeight, D::PictureHeight),
         pub::Boolean("PictureAspectRatio", &F::PictureAspectRatio, &F::SetPictureAspectRatio,
                      D::PictureAspectRatio),
         pub::Enumeration("PictureAspectMode", PictureModeInfo, &F::PictureAspectMode,
                          &F::SetPictureAspectMode, D::PictureAspectMode),
         pub::Integer("Opacity", &F::Opacity, &F::SetOpacity, D::Opacity),
         pub::Integer("OpacityTo", &F::OpacityTo, &F::SetOpacityTo, D::OpacityTo),
         pub::Integer("OpacityMirror", &F::OpacityMirror, &F::SetOpacityMirror, D::OpacityMirror),
         pub::Integer("OpacityMirrorTo", &F::OpacityMirrorTo, &F::SetOpacityMirrorTo, D::OpacityMirrorTo),
         pub::Color("BorderColor", &F::BorderColor, &F::SetBorderColor, none),
         pub::Integer("BorderOpacity", &F::BorderOpacity, &F::SetBorderOpacity, D::BorderOpacity),
         pub::Integer("BorderWidth", &F::BorderWidth, &F::SetBorderWidth, D::BorderWidth),
         pub::Integer("Rounding", &F::Rounding, &F::SetRounding, none),
         pub::Enumeration("RoundingType", FillRoundingTypeInfo, &F::RoundingType, &F::SetRoundingType,
                          D::RoundingType),
         pub::Color("ShadowColor", &F::ShadowColor, &F::SetShadowColor, D::ShadowColor),
         pub::Integer("ShadowOffset", &F::ShadowOffset, &F::SetShadowOffset, none),
         pub::Enumeration("ShadowType", ShadowTypeInfo, &F::ShadowType, &F::SetShadowType, D::ShadowType),
         pub::Integer("Angle", &F::Angle, &F::SetAngle, D::Angle),
         pub::Event("OnChange", &F::OnChange),
         pub::Enumeration("Glow", GlowModeInfo, &F::Glow, &F::SetGlow, none),
         pub::Color("GlowGradientColor", &F::GlowGradientColor, &F::SetGlowGradientColor,
                    D::GlowGradientColor),
         pub::Color("GlowRadialColor", &F::GlowRadialColor, &F::SetGlowRadialColor, D::GlowRadialColor)});
    return cls;
}
} // namespace

const TPublishedClass* TGDIPFill::Published() const { return &FillClass(); }

// ---- Painting ------------------------------------------------------------------------------------

struct TGDIPFill::TAlphas {
    uint8_t Border, Opacity, OpacityTo, OpacityMirror, OpacityMirrorTo;
};

namespace {
using TPathPtr = std::unique_ptr<TGPGraphicsPath>;

TPathPtr Outline(const RectF& R, int32_t Radius, TFillRoundingType Corners) {
    return TPathPtr(CreateRoundRectPath(R, Radius, Corners));
}

// Rounded to nearest, halves to even (the current rounding mode).
int32_t RoundHalfEven(float Value) { return static_cast<int32_t>(std::nearbyint(Value)); }

TRect IntegerRect(const RectF& R) {
    const int32_t left = RoundHalfEven(R.X);
    const int32_t top = RoundHalfEven(R.Y);
    return TRect{left, top, left + RoundHalfEven(R.Width), top + RoundHalfEven(R.Height)};
}

TFillRoundingType MirrorCorners(TFillRoundingType T) {
    switch (T) {
    case rtNone:
    case rtTop: return rtNone;
    case rtBottom:
    case rtBoth: return rtBottom;
    default: return T; // rtLeft, rtRight
    }
}

TFillRoundingType UpperCorners(TFillRoundingType T) {
    switch (T) {
    case rtNone:
    case rtBottom: return rtNone;
    case rtTop:
    case rtBoth: return rtTop;
    default: return T;
    }
}

void FillTriangle(TGPGraphics& G, const TGPBrush& Brush, PointF A, PointF B, PointF C) {
    TGPGraphicsPath path(0);
    path.AddPathLine(A.X, A.Y, B.X, B.Y);
    path.AddPathLine(B.X, B.Y, C.X, C.Y);
    path.ClosePathFigure();
    G.FillPath(&Brush, &path);
}
} // namespace

void FillRadial(TGPGraphics& Graphics, const RectF& A, TColor ColorA, TColor ColorB, uint8_t AlphaA,
                uint8_t AlphaB, bool Upper, int32_t Radius, TFillRoundingType Corners) {
    const ARGB a = ColorToARGB(AlphaA, ColorA);
    const ARGB b = ColorToARGB(AlphaB, ColorB);
    std::unique_ptr<TGPRegion> region;
    {
        TPathPtr outline = Outline(A, Radius, Corners);
        auto background = std::make_unique<TGPSolidBrush>(Upper ? a : b);
        Graphics.FillPath(background.get(), outline.get());
        region = std::make_unique<TGPRegion>(outline.get());
        Graphics.SetClipRegion(region.get(), 0);
        outline.reset(); // the path, then the brush
        background.reset();
    }
    {
        TGPGraphicsPath ellipse(0);
        if (Upper) ellipse.AddPathEllipse(A.X, A.Y - A.Height / 2, A.Width, A.Height + A.Height / 2);
        else ellipse.AddPathEllipse(A.X, A.Y, A.Width, A.Height + A.Height / 2);
        TGPPathGradientBrush brush(&ellipse);
        brush.SetPathGradientCenterPoint(MakePointF(A.X + A.Width / 2, Upper ? A.Y : A.Y + A.Height));
        brush.SetPathGradientCenterColor(Upper ? b : a);
        ARGB surround = Upper ? a : b;
        int32_t count = 1;
        brush.SetPathGradientSurroundColors(&surround, count);
        Graphics.FillRectangle(&brush, A);
    } // the brush, then the ellipse path
    region.reset();
    Graphics.ResetClip();
}

RectF TGDIPFill::Fill(TGPGraphics* Graphics, const RectF& R, uint8_t ABorderOpacity, uint8_t AOpacity,
                      uint8_t AOpacityTo, uint8_t AOpacityMirror, uint8_t AOpacityMirrorTo) const {
    if (!Graphics) return R;
    TGPGraphics& g = *Graphics;
    const auto pick = [](uint8_t Arg, uint8_t Prop) { return Arg == 255 ? Prop : Arg; };
    const TAlphas alphas{pick(ABorderOpacity, FBorderOpacity), pick(AOpacity, FOpacity), pick(AOpacityTo, FOpacityTo),
                         pick(AOpacityMirror, FOpacityMirror), pick(AOpacityMirrorTo, FOpacityMirrorTo)};
    RectF r = R;
    if (r.Height == 1.0f || r.Width == 1.0f) { // a line
        if (FBorderWidth > 0 && FBorderColor != clNone) {
            TGPPen pen(ColorToARGB(alphas.Border, FBorderColor), static_cast<float>(FBorderWidth));
            g.DrawLine(&pen, r.X, r.Y, r.X + r.Width, r.Y + r.Height);
        }
    } else {
        if (FShadowOffset > 0 && FShadowColor != clNone) DrawShadow(g, r);
        FillMainArea(g, r, alphas);
        if (FBackGroundPictureMode == pmInsideFill) DrawBackGroundPicture(g, r, true);
        if (FBorderWidth > 0 && FBorderColor != clNone) DrawBorder(g, r, alphas.Border);
    }
    DrawGlow(g, r);
    if (FBackGroundPictureMode == pmOutsideFill) DrawBackGroundPicture(g, r, false);
    DrawPicture(g, r);
    return r;
}

void TGDIPFill::DrawShadow(TGPGraphics& G, RectF& R) const {
    const int32_t s = FShadowOffset;
    switch (FShadowType) {
    case stRightBottom:
    case stSurround: {
        TPathPtr outline = FShadowType == stRightBottom ? Outline(R, FRounding, FRoundingType) : Outline(R, s, rtBoth);
        TGPPathGradientBrush brush(outline.get());
        brush.SetPathGradientWrapMode(4);
        const ARGB shade = ColorToARGB(180, FShadowColor);
        const ARGB colors[3] = {0x00000000, shade, shade};
        const float positions[3] = {0.0f, 0.1f, 1.0f};
        brush.SetPathGradientPresetBlend(colors, positions, 3);
        G.FillPath(&brush, outline.get());
        if (FShadowType == stRightBottom) {
            R.Width -= s;
            R.Height -= s;
        } else {
            R = MakeRectF(R.X + s, R.Y + s, R.Width - 2 * s, R.Height - 2 * s);
        }
        break;
    }
    case stBottom:
        FillRadial(G, MakeRectF(R.X, R.Y + R.Height - 2 * s, R.Width, 2 * s), FShadowColor, FShadowColor, 0, 255,
                   true, FRounding, rtBottom);
        R.Height -= s;
        break;
    }
}

void TGDIPFill::FillMainArea(TGPGraphics& G, const RectF& R, const TAlphas& A) const {
    const TColor colorTo = FColorTo == clNone ? FColor : FColorTo;
    if (FGradientType == gtHatch || FGradientType == gtTexture || FColorMirror == clNone) {
        if (FGradientType != gtRadial) FillPart(G, R, false, A);
        else if (FColor != clNone)
            FillRadial(G, R, FColor, colorTo, A.Opacity, A.OpacityTo, true, FRounding, FRoundingType);
        return;
    }
    const float half = R.Height / 2;
    const RectF upper = MakeRectF(R.X, R.Y, R.Width, half + 1);
    const RectF lower = MakeRectF(R.X, R.Y + half - 1, R.Width, half + 1);
    if (FGradientType != gtRadial) FillPart(G, upper, false, A);
    else if (FColor != clNone) FillRadial(G, upper, FColor, colorTo, A.Opacity, A.OpacityTo, true, FRounding, rtTop);
    if (FGradientMirrorType == gtRadial)
        FillRadial(G, lower, FColorMirror, FColorMirrorTo == clNone ? FColorMirror : FColorMirrorTo, A.OpacityMirror,
                   A.OpacityMirrorTo, false, FRounding, rtBottom);
    else FillPart(G, lower, true, A);
}

void TGDIPFill::FillPart(TGPGraphics& G, const RectF& Area, bool Mirror, const TAlphas& A) const {
    TFillAreaParams p;
    p.Graphics = &G;
    p.Rect = Area;
    p.GradientType = Mirror ? FGradientMirrorType : FGradientType;
    p.Color = Mirror ? FColorMirror : FColor;
    p.ColorTo = Mirror ? FColorMirrorTo : FColorTo;
    p.Opacity = Mirror ? A.OpacityMirror : A.Opacity;
    p.OpacityTo = Mirror ? A.OpacityMirrorTo : A.OpacityTo;
    p.HatchStyle = Mirror ? FHatchStyleMirror : FHatchStyle;
    p.Angle = FAngle;
    p.Texture = FBackGroundPicturePosition == ppTiled ? FBackGroundPicture.get() : nullptr;
    p.Mirror = Mirror;
    if (p.Color == clNone) p.GradientType = gtNone;
    else if (p.ColorTo == clNone) p.GradientType = gtSolid;

    TPathPtr path;
    if (FRounding != 0) {
        TFillRoundingType corners = FRoundingType;
        if (FColorMirror != clNone) corners = Mirror ? MirrorCorners(FRoundingType) : UpperCorners(FRoundingType);
        path = Outline(Area, FRounding, corners);
    }
    p.Path = path.get();
    p.UsePath = path != nullptr;
    const int32_t smoothing = G.GetSmoothingMode();
    if (p.UsePath) G.SetSmoothingMode(4);
    FillArea(p);
    if (p.UsePath) G.SetSmoothingMode(smoothing);
}

void TGDIPFill::DrawBackGroundPicture(TGPGraphics& G, const RectF& R, bool Clipped) const {
    if (FBackGroundPicture->Empty() || FGradientType != gtTexture) return;
    FBackGroundPicture->UpdateImageSize();
    const TRect area = IntegerRect(R);
    const bool custom = FBackGroundPicturePosition == ppCustom;
    const auto draw = [&] {
        DrawPictureAt(G, FBackGroundPictureAspectRatio, FBackGroundPictureAspectMode, *FBackGroundPicture,
                      FBackGroundPicturePosition, FBackGroundPicture->Width(), FBackGroundPicture->Height(), area,
                      custom ? FBackGroundPictureLeft : area.Left, custom ? FBackGroundPictureTop : area.Top);
    };
    if (!Clipped) {
        draw();
        return;
    }
    TPathPtr outline = Outline(R, FRounding, FRoundingType);
    TGPRegion region(outline.get());
    G.SetClipRegion(&region, 0);
    draw();
    G.ResetClip();
}

void TGDIPFill::DrawBorder(TGPGraphics& G, const RectF& R, uint8_t Alpha) const {
    TPathPtr outline = Outline(R, FRounding, FRoundingType);
    TGPPen pen(ColorToARGB(Alpha, FBorderColor), static_cast<float>(FBorderWidth));
    G.DrawPath(&pen, outline.get());
}

void TGDIPFill::DrawGlow(TGPGraphics& G, const RectF& R) const {
    if (FGlow == gmNone) return;
    TGPRegion region(R);
    G.SetClipRegion(&region, 0);
    const float gx = R.X + 1, gy = R.Y + 1, gw = R.Width - 2, gh = R.Height - 2;
    if (FGlow == gmGradient || FGlow == gmRadialGradient) {
        {
            TPathPtr outline = Outline(MakeRectF(gx, gy, gw, gh), FRounding, FRoundingType);
            TGPPen pen(ColorToARGB(200, FGlowGradientColor), 1.0f);
            G.DrawPath(&pen, outline.get());
        }
        const RectF t = MakeRectF(gx + 5, gy, gw - 10, 4);
        {
            TGPLinearGradientBrush brush(MakeRectF(t.X - 1, t.Y - 1, t.Width + 2, t.Height + 2),
                                         ColorToARGB(175, FGlowGradientColor), ColorToARGB(0, FGlowGradientColor), 1);
            FillTriangle(G, brush, {gx, gy}, {gx + 5, gy}, {gx + 5, gy + 4});
            FillTriangle(G, brush, {gx + gw, gy}, {gx + gw - 5, gy}, {gx + gw - 5, gy + 4});
            G.FillRectangle(&brush, t);
        }
        const RectF b = MakeRectF(gx + 5, gy + gh - 7, gw - 10, 7);
        {
            TGPLinearGradientBrush brush(MakeRectF(b.X - 1, b.Y - 1, b.Width + 2, b.Height + 2),
                                         ColorToARGB(0, FGlowGradientColor), ColorToARGB(220, FGlowGradientColor), 1);
            FillTriangle(G, brush, {gx, gy + gh}, {gx + 5, gy + gh}, {gx + 5, gy + gh - 7});
            FillTriangle(G, brush, {gx + gw, gy + gh}, {gx + gw - 5, gy + gh}, {gx + gw - 5, gy + gh - 7});
            G.FillRectangle(&brush, b);
        }
    }
    if (FGlow == gmRadial || FGlow == gmRadialGradient) {
        TGPGraphicsPath ellipse(0);
        ellipse.AddPathEllipse(gx + 10, gy - gh / 2, gw - 20, 3 * gh);
        TGPPathGradientBrush brush(&ellipse);
        brush.SetPathGradientCenterPoint(MakePointF(gx + gw / 2, gy + gh));
        brush.SetPathGradientCenterColor(ColorToARGB(150, FGlowRadialColor));
        ARGB surround = ColorToARGB(0, FColor);
        int32_t count = 1;
        brush.SetPathGradientSurroundColors(&surround, count);
        G.FillPath(&brush, &ellipse);
    }
    G.ResetClip();
}

void TGDIPFill::DrawPicture(TGPGraphics& G, const RectF& R) const {
    if (FPicture->Empty()) return;
    FPicture->UpdateImageSize();
    const bool original = FPictureSize == psOriginal;
    const TRect area = IntegerRect(R);
    const bool custom = FPicturePosition == ppCustom;
    DrawPictureAt(G, FPictureAspectRatio, FPictureAspectMode, *FPicture, FPicturePosition,
                  original ? FPicture->Width() : FPictureWidth, original ? FPicture->Height() : FPictureHeight, area,
                  custom ? FPictureLeft : area.Left, custom ? FPictureTop : area.Top);
}
