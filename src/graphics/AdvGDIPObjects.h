#pragma once
// The GDI+ object layer: one class per kind of GDI+ object, each owning exactly one native object that
// lives as long as the wrapper. Every operation forwards to one flat function and keeps its status:
// a constructor stores it in LastStatus always, any other operation only when it is a failure, so a
// success never clears an earlier failure. Nothing here raises.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/Graphics.h"
#include "platform/GdiPlusFlat.h"

class TComStream;

ARGB MakeARGB(uint8_t Alpha, uint8_t Red, uint8_t Green, uint8_t Blue);
// A window colour (system colours resolved) with an opacity; red and blue swap places.
ARGB ColorToARGB(uint8_t Opacity, TColor Color);
PointF MakePointF(float X, float Y);
RectF MakeRectF(float X, float Y, float Width, float Height);

enum HatchStyle : int32_t {
    HatchStyleHorizontal, HatchStyleVertical, HatchStyleForwardDiagonal, HatchStyleBackwardDiagonal,
    HatchStyleCross, HatchStyleDiagonalCross, HatchStyle05Percent, HatchStyle10Percent, HatchStyle20Percent,
    HatchStyle25Percent, HatchStyle30Percent, HatchStyle40Percent, HatchStyle50Percent, HatchStyle60Percent,
    HatchStyle70Percent, HatchStyle75Percent, HatchStyle80Percent, HatchStyle90Percent,
    HatchStyleLightDownwardDiagonal, HatchStyleLightUpwardDiagonal, HatchStyleDarkDownwardDiagonal,
    HatchStyleDarkUpwardDiagonal, HatchStyleWideDownwardDiagonal, HatchStyleWideUpwardDiagonal,
    HatchStyleLightVertical, HatchStyleLightHorizontal, HatchStyleNarrowVertical, HatchStyleNarrowHorizontal,
    HatchStyleDarkVertical, HatchStyleDarkHorizontal, HatchStyleDashedDownwardDiagonal,
    HatchStyleDashedUpwardDiagonal, HatchStyleDashedHorizontal, HatchStyleDashedVertical,
    HatchStyleSmallConfetti, HatchStyleLargeConfetti, HatchStyleZigZag, HatchStyleWave,
    HatchStyleDiagonalBrick, HatchStyleHorizontalBrick, HatchStyleWeave, HatchStylePlaid, HatchStyleDivot,
    HatchStyleDottedGrid, HatchStyleDottedDiamond, HatchStyleShingle, HatchStyleTrellis, HatchStyleSphere,
    HatchStyleSmallGrid, HatchStyleSmallCheckerBoard, HatchStyleLargeCheckerBoard,
    HatchStyleOutlinedDiamond, HatchStyleSolidDiamond, HatchStyleTotal
};

// The raw format of an image, as TGPImage::GetFormatKind reports it.
enum ImageFormatKind : int32_t {
    ifUndefined, ifMemoryBMP, ifBMP, ifEMF, ifWMF, ifJPEG, ifPNG, ifGIF, ifTIFF, ifEXIF, ifIcon
};

// Every layer object takes its memory from GdipAlloc and gives it back with GdipFree.
class TGdiplusBase {
public:
    static void* operator new(size_t Size);
    static void operator delete(void* Memory);
};

// The handle and status every wrapper carries.
template <typename THandle>
class TGPObject : public TGdiplusBase {
public:
    TGPObject() = default;
    TGPObject(const TGPObject&) = delete;
    TGPObject& operator=(const TGPObject&) = delete;
    virtual ~TGPObject() = default;

    THandle* NativeHandle{nullptr};
    GpStatus LastStatus{Ok};

protected:
    GpStatus Keep(GpStatus Status) { // the rule for every operation but the constructor
        if (Status != Ok) LastStatus = Status;
        return Status;
    }
};

class TGPPen;
class TGPBrush;
class TGPGraphicsPath;
class TGPRegion;
class TGPFont;
class TGPStringFormat;
class TGPImage;
class TGPImageAttributes;

class TGPGraphics : public TGPObject<GpGraphics> {
public:
    // DeviceContext is a canvas's Handle(): GDI+ draws into that canvas, at its origin, inside its clip.
    explicit TGPGraphics(void* DeviceContext);
    ~TGPGraphics() override;

    GpStatus SetTextRenderingHint(int32_t Hint);
    int32_t GetSmoothingMode(); // -1 when the query fails
    GpStatus SetSmoothingMode(int32_t Mode);
    GpStatus DrawPath(const TGPPen* Pen, const TGPGraphicsPath* Path);
    GpStatus FillRectangle(const TGPBrush* Brush, const RectF& R);
    GpStatus FillRectangle(const TGPBrush* Brush, float X, float Y, float Width, float Height);
    GpStatus DrawRectangle(const TGPPen* Pen, const RectF& R);
    GpStatus DrawRectangle(const TGPPen* Pen, float X, float Y, float Width, float Height);
    GpStatus DrawLine(const TGPPen* Pen, float X1, float Y1, float X2, float Y2);
    GpStatus FillPath(const TGPBrush* Brush, const TGPGraphicsPath* Path);
    GpStatus MeasureString(const char16_t* Text, int32_t Length, const TGPFont* Font, const RectF& Layout,
                           const TGPStringFormat* Format, RectF& Bounds, int32_t* CodepointsFitted = nullptr,
                           int32_t* LinesFilled = nullptr);
    // Text is ANSI (Windows-1252); the whole text is drawn.
    GpStatus DrawString(const std::string& Text, const TGPFont* Font, const RectF& Layout,
                        const TGPStringFormat* Format, const TGPBrush* Brush);
    GpStatus DrawImageRect(const TGPImage* Image, int X, int Y, int Width, int Height);
    GpStatus DrawImageRectRect(const TGPImage* Image, const RectF& Dest, float SrcX, float SrcY, float SrcWidth,
                               float SrcHeight, GpUnit SrcUnit, const TGPImageAttributes* Attributes,
                               DrawImageAbort Callback = nullptr, void* CallbackData = nullptr);
    GpStatus SetClipRegion(const TGPRegion* Region, int32_t CombineMode);
    GpStatus ResetClip();
};

class TGPPen : public TGPObject<GpPen> {
public:
    TGPPen(ARGB Color, float Width);
    ~TGPPen() override;
    GpStatus SetPenDashStyle(int32_t DashStyle);
};

class TGPBrush : public TGPObject<GpBrush> {
public:
    ~TGPBrush() override;

protected:
    TGPBrush() = default;
    template <typename T>
    T* As() const { return reinterpret_cast<T*>(NativeHandle); }
};

class TGPSolidBrush : public TGPBrush {
public:
    explicit TGPSolidBrush(ARGB Color);
};

class TGPHatchBrush : public TGPBrush {
public:
    TGPHatchBrush(HatchStyle Style, ARGB ForeColor, ARGB BackColor);
};

class TGPTextureBrush : public TGPBrush {
public:
    TGPTextureBrush(const TGPImage* Image, int32_t WrapMode);
};

class TGPLinearGradientBrush : public TGPBrush {
public:
    TGPLinearGradientBrush(const PointF& Point1, const PointF& Point2, ARGB Color1, ARGB Color2);
    TGPLinearGradientBrush(const RectF& R, ARGB Color1, ARGB Color2, int32_t Mode);
    TGPLinearGradientBrush(const RectF& R, ARGB Color1, ARGB Color2, float Angle, bool IsAngleScalable);
    GpStatus SetLineGammaCorrection(GpBool UseGammaCorrection);
};

class TGPPathGradientBrush : public TGPBrush {
public:
    explicit TGPPathGradientBrush(const TGPGraphicsPath* Path);
    GpStatus SetPathGradientPresetBlend(const ARGB* Colors, const float* Positions, int32_t Count);
    GpStatus SetPathGradientWrapMode(int32_t WrapMode);
    // Returns LastStatus after the call, so an earlier failure shows through.
    GpStatus SetPathGradientCenterColor(ARGB Color);
    int32_t GetPathGradientPointCount(); // 0 when the query fails
    GpStatus SetPathGradientSurroundColors(const ARGB* Colors, int32_t& Count);
    GpStatus SetPathGradientCenterPoint(const PointF& Point);
};

class TGPGraphicsPath : public TGPObject<GpPath> {
public:
    explicit TGPGraphicsPath(int32_t FillMode = 0);
    ~TGPGraphicsPath() override;
    GpStatus ResetPath();
    GpStatus ClosePathFigure();
    GpStatus AddPathLine(float X1, float Y1, float X2, float Y2);
    GpStatus AddPathArc(float X, float Y, float Width, float Height, float StartAngle, float SweepAngle);
    GpStatus AddPathEllipse(const RectF& R);
    GpStatus AddPathEllipse(float X, float Y, float Width, float Height);
    // Read-back of the figure, for checking outlines: 0 or empty when the query fails.
    int32_t GetPointCount();
    GpStatus GetPathPoints(PointF* Points, int32_t Count);
    GpStatus GetPathTypes(uint8_t* Types, int32_t Count);
};

class TGPRegion : public TGPObject<GpRegion> {
public:
    explicit TGPRegion(const RectF& R);
    explicit TGPRegion(const TGPGraphicsPath* Path);
    ~TGPRegion() override;
};

class TGPFontFamily : public TGPObject<GpFontFamily> {
public:
    // A family that is not installed leaves 14 (or 15) in LastStatus and no usable handle.
    explicit TGPFontFamily(const std::u16string& Name);
    ~TGPFontFamily() override;
    // GDI+'s own sans-serif family (Microsoft Sans Serif on Windows): 14 in LastStatus where the
    // system has none of the fonts it stands for (a Wine prefix as wineboot makes it).
    static std::unique_ptr<TGPFontFamily> GenericSansSerif();
    // The names of the installed families, in the order GDI+ lists them; empty when it cannot.
    static std::vector<std::u16string> InstalledFamilyNames();

private:
    TGPFontFamily() = default;
};

class TGPFont : public TGPObject<GpFont> {
public:
    TGPFont(const TGPFontFamily* Family, float EmSize, int32_t Style, int32_t Unit);
    ~TGPFont() override;
};

class TGPStringFormat : public TGPObject<GpStringFormat> {
public:
    TGPStringFormat(int32_t FormatFlags, uint16_t Language);
    ~TGPStringFormat() override;
    GpStatus SetStringFormatAlign(int32_t Align);
};

class TGPImage : public TGPObject<GpImage> {
public:
    // Reads the image from the stream's current position; the stream must outlive the image's last use.
    TGPImage(TComStream* Stream, bool UseEmbeddedColorManagement);
    ~TGPImage() override;
    uint32_t GetImageWidth();  // 0 when the query fails
    uint32_t GetImageHeight(); // 0 when the query fails
    GpPixelFormat GetImagePixelFormat();
    uint32_t GetBitsPerPixel();
    bool HasAlphaChannel();
    bool IsIndexedFormat();
    ImageFormatKind GetFormatKind();
    // Writes the image to the file (a name in the system's own form) with the encoder Encoder.
    GpStatus Save(const std::string& FileName, const GpGuid& Encoder);

protected:
    TGPImage() = default;
};

class TGPBitmap : public TGPImage {
public:
    TGPBitmap(TComStream* Stream, bool UseEmbeddedColorManagement);
    // A bitmap over pixels the caller keeps (rows of Stride bytes) for as long as the bitmap lives.
    TGPBitmap(int32_t Width, int32_t Height, int32_t Stride, GpPixelFormat Format, uint8_t* Scan0);
    GpStatus BitmapGetPixel(int32_t X, int32_t Y, ARGB& Color);
};

class TGPImageAttributes : public TGPObject<GpImageAttributes> {
public:
    TGPImageAttributes();
    ~TGPImageAttributes() override;
    GpStatus SetImageAttributesColorKeys(ARGB ColorLow, ARGB ColorHigh, int32_t AdjustType);
};

// GDI+ start-up state, process-wide. InitializeGdiplus runs once before the first layer object is
// made; FinalizeGdiplus once after the last is freed.
void InitializeGdiplus();
void FinalizeGdiplus();
// The two steps with the platform's answers given, so either branch can be exercised.
void StartGdiplus(bool Windows6OrLater);
void ShutdownGdiplus(bool RunningInLibrary, bool Windows6OrLater);
