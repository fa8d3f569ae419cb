#pragma once
// Unit GDIPFill: how a rectangular area is painted with GDI+ (TGDIPFill, a settings object and its
// painter), with the outline paths and picture placement it uses.
#include <cstdint>
#include <memory>

#include "framework/Classes.h"
#include "framework/Graphics.h"
#include "graphics/AdvGDIP.h"
#include "graphics/FillArea.h"

// ---- Enumerations (ordinals from 0, in this order) -----------------------------------------------

enum TFillPictureMode : uint8_t { pmInsideFill, pmOutsideFill };
enum TFillPicturePosition : uint8_t {
    ppTopLeft, ppTopCenter, ppTopRight, ppBottomLeft, ppBottomCenter, ppBottomRight, ppTiled, ppStretched,
    ppCenterLeft, ppCenterCenter, ppCenterRight, ppCustom
};
enum TPictureMode : uint8_t { pmStretch, pmNormal };
enum TFillPictureSize : uint8_t { psOriginal, psCustom };
enum TFillRoundingType : uint8_t { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };
enum TShadowType : uint8_t { stRightBottom, stBottom, stSurround };
enum TGlowMode : uint8_t { gmNone, gmGradient, gmRadial, gmRadialGradient };

// The names of the enumerations, for stored descriptions.
struct TEnumInfo;
const TEnumInfo& AdvGradientTypeInfo();
const TEnumInfo& HatchStyleInfo();

// The identifier of the clipboard format "GDI+ Fill", registered by the unit's start-up (0 before).
extern uint16_t FillClipboardFormat;
void InitializeFillUnit();

// ---- Outlines and picture placement (GDIPFillPlacement.cpp) --------------------------------------

// The closed outline of R with the corners of Corners rounded by Radius, clockwise from the top-left
// corner. The caller owns and frees the path.
TGPGraphicsPath* CreateRoundRectPath(const RectF& R, int32_t Radius, TFillRoundingType Corners);
// Draws Picture in Area at Position, PicWidth x PicHeight (X, Y: absolute place for ppCustom).
// KeepAspect and AspectMode matter only for ppStretched; ppTiled tiles the whole area.
void DrawPictureAt(TGPGraphics& Graphics, bool KeepAspect, TPictureMode AspectMode, TAdvGDIPPicture& Picture,
                   TFillPicturePosition Position, int32_t PicWidth, int32_t PicHeight, const TRect& Area, int32_t X,
                   int32_t Y);
struct TPictureSize {
    double Width{0};
    double Height{0};
};
// The aspect-preserving size a stretched picture takes in the area; (0, 0) for a degenerate input.
TPictureSize FitPictureSize(double PicWidth, double PicHeight, double AreaWidth, double AreaHeight,
                            TPictureMode AspectMode);

// ---- TGDIPFill -----------------------------------------------------------------------------------

// What a new fill holds. The published table (GDIPFill.cpp) declares these as the values a stored
// description leaves out, except for the few properties it always writes.
struct TGDIPFillDefaults {
    static constexpr TColor Color = 0xC0C0C0;
    static constexpr TColor ColorTo = 0x808080;
    static constexpr TColor ColorMirror = clNone;
    static constexpr TColor ColorMirrorTo = clNone;
    static constexpr TAdvGradientType GradientType = gtVertical;
    static constexpr TAdvGradientType GradientMirrorType = gtSolid;
    static constexpr ::HatchStyle HatchStyle = HatchStyleHorizontal;
    static constexpr ::HatchStyle HatchStyleMirror = HatchStyleHorizontal;
    static constexpr bool BackGroundPictureAspectRatio = false;
    static constexpr TFillPictureMode BackGroundPictureMode = pmOutsideFill;
    static constexpr TFillPicturePosition BackGroundPicturePosition = ppTopLeft;
    static constexpr int32_t BackGroundPictureLeft = 0;
    static constexpr int32_t BackGroundPictureTop = 0;
    static constexpr TPictureMode BackGroundPictureAspectMode = pmStretch;
    static constexpr TFillPicturePosition PicturePosition = ppTopLeft;
    static constexpr int32_t PictureLeft = 0;
    static constexpr int32_t PictureTop = 0;
    static constexpr TFillPictureSize PictureSize = psOriginal;
    static constexpr int32_t PictureWidth = 50;
    static constexpr int32_t PictureHeight = 50;
    static constexpr bool PictureAspectRatio = false;
    static constexpr TPictureMode PictureAspectMode = pmStretch;
    static constexpr uint8_t Opacity = 255;
    static constexpr uint8_t OpacityTo = 255;
    static constexpr uint8_t OpacityMirror = 255;
    static constexpr uint8_t OpacityMirrorTo = 255;
    static constexpr TColor BorderColor = clNone;
    static constexpr uint8_t BorderOpacity = 255;
    static constexpr int32_t BorderWidth = 1;
    static constexpr int32_t Rounding = 0;
    static constexpr TFillRoundingType RoundingType = rtBoth;
    static constexpr TColor ShadowColor = 0x808080;
    static constexpr int32_t ShadowOffset = 0;
    static constexpr TShadowType ShadowType = stRightBottom;
    static constexpr int32_t Angle = 0;
    static constexpr TGlowMode Glow = gmNone;
    static constexpr TColor GlowGradientColor = 0xFFFFFF;
    static constexpr TColor GlowRadialColor = 0xFFFFFF;
};

// A fill description and its painter. Every effective change raises OnChange (the owning control
// repaints); Fill paints and changes nothing.
class TGDIPFill : public TPersistent {
public:
    TGDIPFill();
    ~TGDIPFill() override;
    TGDIPFill(const TGDIPFill&) = delete;
    TGDIPFill& operator=(const TGDIPFill&) = delete;

    // Copies the settings of another fill field by field, then raises OnChange once; anything else
    // is ignored.
    void Assign(const TPersistent* Source) override;
    const TPublishedClass* Published() const override;

    // Paints into R and returns what remains of R after the shadow. An alpha argument of 255 takes
    // the property of the same name; any other value replaces it for this call.
    RectF Fill(TGPGraphics* Graphics, const RectF& R, uint8_t ABorderOpacity = 255, uint8_t AOpacity = 255,
               uint8_t AOpacityTo = 255, uint8_t AOpacityMirror = 255, uint8_t AOpacityMirrorTo = 255) const;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    TColor ColorMirror() const { return FColorMirror; }
    void SetColorMirror(TColor Value);
    TColor ColorMirrorTo() const { return FColorMirrorTo; }
    void SetColorMirrorTo(TColor Value);
    TAdvGradientType GradientType() const { return FGradientType; }
    void SetGradientType(TAdvGradientType Value);
    TAdvGradientType GradientMirrorType() const { return FGradientMirrorType; }
    void SetGradientMirrorType(TAdvGradientType Value);
    ::HatchStyle HatchStyle() const { return FHatchStyle; }
    void SetHatchStyle(::HatchStyle Value);
    ::HatchStyle HatchStyleMirror() const { return FHatchStyleMirror; }
    void SetHatchStyleMirror(::HatchStyle Value);
    bool BackGroundPictureAspectRatio() const { return FBackGroundPictureAspectRatio; }
    void SetBackGroundPictureAspectRatio(bool Value);
    TFillPictureMode BackGroundPictureMode() const { return FBackGroundPictureMode; }
    void SetBackGroundPictureMode(TFillPictureMode Value);
    TAdvGDIPPicture* BackGroundPicture() const { return FBackGroundPicture.get(); }
    void SetBackGroundPicture(const TAdvGDIPPicture* Value);
    TFillPicturePosition BackGroundPicturePosition() const { return FBackGroundPicturePosition; }
    void SetBackGroundPicturePosition(TFillPicturePosition Value);
    int32_t BackGroundPictureLeft() const { return FBackGroundPictureLeft; }
    void SetBackGroundPictureLeft(int32_t Value);
    int32_t BackGroundPictureTop() const { return FBackGroundPictureTop; }
    void SetBackGroundPictureTop(int32_t Value);
    TPictureMode BackGroundPictureAspectMode() const { return FBackGroundPictureAspectMode; }
    void SetBackGroundPictureAspectMode(TPictureMode Value);
    TAdvGDIPPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TAdvGDIPPicture* Value);
    TFillPicturePosition PicturePosition() const { return FPicturePosition; }
    void SetPicturePosition(TFillPicturePosition Value);
    int32_t PictureLeft() const { return FPictureLeft; }
    void SetPictureLeft(int32_t Value);
    int32_t PictureTop() const { return FPictureTop; }
    void SetPictureTop(int32_t Value);
    TFillPictureSize PictureSize() const { return FPictureSize; }
    void SetPictureSize(TFillPictureSize Value);
    int32_t PictureWidth() const { return FPictureWidth; }
    void SetPictureWidth(int32_t Value);
    int32_t PictureHeight() const { return FPictureHeight; }
    void SetPictureHeight(int32_t Value);
    bool PictureAspectRatio() const { return FPictureAspectRatio; }
    void SetPictureAspectRatio(bool Value);
    TPictureMode PictureAspectMode() const { return FPictureAspectMode; }
    void SetPictureAspectMode(TPictureMode Value);
    uint8_t Opacity() const { return FOpacity; }
    void SetOpacity(uint8_t Value);
    uint8_t OpacityTo() const { return FOpacityTo; }
    void SetOpacityTo(uint8_t Value);
    uint8_t OpacityMirror() const { return FOpacityMirror; }
    void SetOpacityMirror(uint8_t Value);
    uint8_t OpacityMirrorTo() const { return FOpacityMirrorTo; }
    void SetOpacityMirrorTo(uint8_t Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    uint8_t BorderOpacity() const { return FBorderOpacity; }
    void SetBorderOpacity(uint8_t Value);
    int32_t BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int32_t Value);
    int32_t Rounding() const { return FRounding; }
    void SetRounding(int32_t Value);
    TFillRoundingType RoundingType() const { return FRoundingType; }
    void SetRoundingType(TFillRoundingType Value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value);
    int32_t ShadowOffset() const { return FShadowOffset; }
    void SetShadowOffset(int32_t Value);
    TShadowType ShadowType() const { return FShadowType; }
    void SetShadowType(TShadowType Value);
    int32_t Angle() const { return FAngle; }
    void SetAngle(int32_t Value);
    TGlowMode Glow() const { return FGlow; }
    void SetGlow(TGlowMode Value);
    TColor GlowGradientColor() const { return FGlowGradientColor; }
    void SetGlowGradientColor(TColor Value);
    TColor GlowRadialColor() const { return FGlowRadialColor; }
    void SetGlowRadialColor(TColor Value);

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    struct TAlphas; // the five resolved opacities of one Fill call

    void PictureChanged(TObject* Sender);
    template <typename T>
    void Store(T& Field, T Value);

    void DrawShadow(TGPGraphics& G, RectF& R) const;
    void FillMainArea(TGPGraphics& G, const RectF& R, const TAlphas& A) const;
    void FillPart(TGPGraphics& G, const RectF& Area, bool Mirror, const TAlphas& A) const;
    void DrawBackGroundPicture(TGPGraphics& G, const RectF& R, bool Clipped) const;
    void DrawBorder(TGPGraphics& G, const RectF& R, uint8_t Alpha) const;
    void DrawGlow(TGPGraphics& G, const RectF& R) const;
    void DrawPicture(TGPGraphics& G, const RectF& R) const;

    using D = TGDIPFillDefaults;
    TColor FColor{D::Color};
    TColor FColorTo{D::ColorTo};
    TColor FColorMirror{D::ColorMirror};
    TColor FColorMirrorTo{D::ColorMirrorTo};
    TAdvGradientType FGradientType{D::GradientType};
    TAdvGradientType FGradientMirrorType{D::GradientMirrorType};
    ::HatchStyle FHatchStyle{D::HatchStyle};
    ::HatchStyle FHatchStyleMirror{D::HatchStyleMirror};
    bool FBackGroundPictureAspectRatio{D::BackGroundPictureAspectRatio};
    TFillPictureMode FBackGroundPictureMode{D::BackGroundPictureMode};
    std::unique_ptr<TAdvGDIPPicture> FBackGroundPicture;
    TFillPicturePosition FBackGroundPicturePosition{D::BackGroundPicturePosition};
    int32_t FBackGroundPictureLeft{D::BackGroundPictureLeft};
    int32_t FBackGroundPictureTop{D::BackGroundPictureTop};
    TPictureMode FBackGroundPictureAspectMode{D::BackGroundPictureAspectMode};
    std::unique_ptr<TAdvGDIPPicture> FPicture;
    TFillPicturePosition FPicturePosition{D::PicturePosition};
    int32_t FPictureLeft{D::PictureLeft};
    int32_t FPictureTop{D::PictureTop};
    TFillPictureSize FPictureSize{D::PictureSize};
    int32_t FPictureWidth{D::PictureWidth};
    int32_t FPictureHeight{D::PictureHeight};
    bool FPictureAspectRatio{D::PictureAspectRatio};
    TPictureMode FPictureAspectMode{D::PictureAspectMode};
    uint8_t FOpacity{D::Opacity};
    uint8_t FOpacityTo{D::OpacityTo};
    uint8_t FOpacityMirror{D::OpacityMirror};
    uint8_t FOpacityMirrorTo{D::OpacityMirrorTo};
    TColor FBorderColor{D::BorderColor};
    uint8_t FBorderOpacity{D::BorderOpacity};
    int32_t FBorderWidth{D::BorderWidth};
    int32_t FRounding{D::Rounding};
    TFillRoundingType FRoundingType{D::RoundingType};
    TColor FShadowColor{D::ShadowColor};
    int32_t FShadowOffset{D::ShadowOffset};
    TShadowType FShadowType{D::ShadowType};
    int32_t FAngle{D::Angle};
    TGlowMode FGlow{D::Glow};
    TColor FGlowGradientColor{D::GlowGradientColor};
    TColor FGlowRadialColor{D::GlowRadialColor};
};

// Paints A with an ellipse gradient over a solid background, clipped to A's outline: for the upper
// part ColorB at the middle of the top edge fading into ColorA, otherwise ColorA at the middle of the
// bottom edge fading into ColorB.
void FillRadial(TGPGraphics& Graphics, const RectF& A, TColor ColorA, TColor ColorB, uint8_t AlphaA,
                uint8_t AlphaB, bool Upper, int32_t Radius, TFillRoundingType Corners);
