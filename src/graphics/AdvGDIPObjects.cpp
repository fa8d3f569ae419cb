#include "graphics/AdvGDIPObjects.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "platform/CodePage.h"
#include "platform/ComStream.h"
#include "platform/GdiPlusPlatform.h"

ARGB MakeARGB(uint8_t Alpha, uint8_t Red, uint8_t Green, uint8_t Blue) {
    return (static_cast<ARGB>(Alpha) << 24) | (static_cast<ARGB>(Red) << 16) | (static_cast<ARGB>(Green) << 8) | Blue;
}

ARGB ColorToARGB(uint8_t Opacity, TColor Color) {
    const uint32_t rgb = ColorToRGB(Color);
    return MakeARGB(Opacity, GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

PointF MakePointF(float X, float Y) { return PointF{X, Y}; }
RectF MakeRectF(float X, float Y, float Width, float Height) { return RectF{X, Y, Width, Height}; }

namespace {
template <typename T>
auto* HandleOf(const T* Wrapper) { // a wrapper that may be absent passes a null handle
    return Wrapper ? Wrapper->NativeHandle : nullptr;
}
} // namespace

// ---- TGPGraphics ----

TGPGraphics::TGPGraphics(void* DeviceContext) { LastStatus = PlatformCreateGraphics(DeviceContext, &NativeHandle); }
TGPGraphics::~TGPGraphics() { PlatformDeleteGraphics(NativeHandle); }

GpStatus TGPGraphics::SetTextRenderingHint(int32_t Hint) { return Keep(GdipSetTextRenderingHint(NativeHandle, Hint)); }

int32_t TGPGraphics::GetSmoothingMode() {
    int32_t mode = -1;
    if (Keep(GdipGetSmoothingMode(NativeHandle, &mode)) != Ok) return -1;
    return mode;
}

GpStatus TGPGraphics::SetSmoothingMode(int32_t Mode) { return Keep(GdipSetSmoothingMode(NativeHandle, Mode)); }

GpStatus TGPGraphics::DrawPath(const TGPPen* Pen, const TGPGraphicsPath* Path) {
    return Keep(GdipDrawPath(NativeHandle, HandleOf(Pen), HandleOf(Path)));
}

GpStatus TGPGraphics::FillRectangle(const TGPBrush* Brush, const RectF& R) {
    return FillRectangle(Brush, R.X, R.Y, R.Width, R.Height);
}

GpStatus TGPGraphics::FillRectangle(const TGPBrush* Brush, float X, float Y, float Width, float Height) {
    return Keep(GdipFillRectangle(NativeHandle, HandleOf(Brush), X, Y, Width, Height));
}

GpStatus TGPGraphics::DrawRectangle(const TGPPen* Pen, const RectF& R) {
    return DrawRectangle(Pen, R.X, R.Y, R.Width, R.Height);
}

GpStatus TGPGraphics::DrawRectangle(const TGPPen* Pen, float X, float Y, float Width, float Height) {
    return Keep(GdipDrawRectangle(NativeHandle, HandleOf(Pen), X, Y, Width, Height));
}

GpStatus TGPGraphics::DrawLine(const TGPPen* Pen, float X1, float Y1, float X2, float Y2) {
    return Keep(GdipDrawLine(NativeHandle, HandleOf(Pen), X1, Y1, X2, Y2));
}

GpStatus TGPGraphics::FillPath(const TGPBrush* Brush, const TGPGraphicsPath* Path) {
    return Keep(GdipFillPath(NativeHandle, HandleOf(Brush), HandleOf(Path)));
}

GpStatus TGPGraphics::MeasureString(const char16_t* Text, int32_t Length, const TGPFont* Font, const RectF& Layout,
                                    const TGPStringFormat* Format, RectF& Bounds, int32_t* CodepointsFitted,
                                    int32_t* LinesFilled) {
    return Keep(GdipMeasureString(NativeHandle, Text, Length, HandleOf(Font), &Layout, HandleOf(Format), &Bounds,
                                  CodepointsFitted, LinesFilled));
}

GpStatus TGPGraphics::DrawString(const std::string& Text, const TGPFont* Font, const RectF& Layout,
                                 const TGPStringFormat* Format, const TGPBrush* Brush) {
    // n characters into a zero-filled buffer of n + 1 units.
    const std::u16string converted = SystemAnsiToUtf16(Text);
    std::vector<char16_t> wide(Text.size() + 1, u'\0');
    std::memcpy(wide.data(), converted.data(), std::min(converted.size(), Text.size()) * sizeof(char16_t));
    return Keep(GdipDrawString(NativeHandle, wide.data(), static_cast<int32_t>(Text.size()), HandleOf(Font), &Layout,
                               HandleOf(Format), HandleOf(Brush)));
}

GpStatus TGPGraphics::DrawImageRect(const TGPImage* Image, int X, int Y, int Width, int Height) {
    return Keep(GdipDrawImageRect(NativeHandle, HandleOf(Image), static_cast<REAL>(X), static_cast<REAL>(Y),
                                  static_cast<REAL>(Width), static_cast<REAL>(Height)));
}

GpStatus TGPGraphics::DrawImageRectRect(const TGPImage* Image, const RectF& Dest, float SrcX, float SrcY,
                                        float SrcWidth, float SrcHeight, GpUnit SrcUnit,
                                        const TGPImageAttributes* Attributes, DrawImageAbort Callback,
                                        void* CallbackData) {
    return Keep(GdipDrawImageRectRect(NativeHandle, HandleOf(Image), Dest.X, Dest.Y, Dest.Width, Dest.Height, SrcX,
                                      SrcY, SrcWidth, SrcHeight, SrcUnit, HandleOf(Attributes), Callback,
                                      CallbackData));
}

GpStatus TGPGraphics::SetClipRegion(const TGPRegion* Region, int32_t CombineMode) {
    return Keep(GdipSetClipRegion(NativeHandle, HandleOf(Region), CombineMode));
}

GpStatus TGPGraphics::ResetClip() { return Keep(GdipResetClip(NativeHandle)); }

// ---- TGPPen ----

TGPPen::TGPPen(ARGB Color, float Width) { LastStatus = GdipCreatePen1(Color, Width, UnitWorld, &NativeHandle); }
TGPPen::~TGPPen() { GdipDeletePen(NativeHandle); }
GpStatus TGPPen::SetPenDashStyle(int32_t DashStyle) { return Keep(GdipSetPenDashStyle(NativeHandle, DashStyle)); }

// ---- brushes ----

namespace {
constexpr int32_t kWrapModeTile = 0;
} // namespace

TGPBrush::~TGPBrush() { GdipDeleteBrush(NativeHandle); }

TGPSolidBrush::TGPSolidBrush(ARGB Color) {
    GpSolidFill* made = nullptr;
    LastStatus = GdipCreateSolidFill(Color, &made);
    NativeHandle = reinterpret_cast<GpBrush*>(made);
}

TGPHatchBrush::TGPHatchBrush(HatchStyle Style, ARGB ForeColor, ARGB BackColor) {
    GpHatch* made = nullptr;
    LastStatus = GdipCreateHatchBrush(Style, ForeColor, BackColor, &made);
    NativeHandle = reinterpret_cast<GpBrush*>(made);
}

TGPTextureBrush::TGPTextureBrush(const TGPImage* Image, int32_t WrapMode) {
    GpTexture* made = nullptr;
    LastStatus = GdipCreateTexture(Image->NativeHandle, WrapMode, &made);
    NativeHandle = reinterpret_cast<GpBrush*>(made);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const PointF& Point1, const PointF& Point2, ARGB Color1, ARGB Color2) {
    GpLineGradient* made = nullptr;
    LastStatus = GdipCreateLineBrush(&Point1, &Point2, Color1, Color2, kWrapModeTile, &made);
    NativeHandle = reinterpret_cast<GpBrush*>(made);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const RectF& R, ARGB Color1, ARGB Color2, int32_t Mode) {
    GpLineGradient* made = nullptr;
    LastStatus = GdipCreateLineBrushFromRect(&R, Color1, Color2, Mode, kWrapModeTile, &made);
    NativeHandle = reinterpret_cast<GpBrush*>(made);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const RectF& R, ARGB Color1, ARGB Color2, float Angle,
                                               bool IsAngleScalable) {
    GpLineGradient* made = nullptr;
    LastStatus = GdipCreateLineBrushFromRectWithAngle(&R, Color1, Color2, Angle, IsAngleScalable ? 1 : 0,
                                                      kWrapModeTile, &made);
    NativeHandle = reinterpret_cast<GpBrush*>(made);
}

GpStatus TGPLinearGradientBrush::SetLineGammaCorrection(GpBool UseGammaCorrection) {
    return Keep(GdipSetLineGammaCorrection(As<GpLineGradient>(), UseGammaCorrection));
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPGraphicsPath* Path) {
    GpPathGradient* made = nullptr;
    LastStatus = GdipCreatePathGradientFromPath(Path->NativeHandle, &made);
    NativeHandle = reinterpret_cast<GpBrush*>(made);
}

GpStatus TGPPathGradientBrush::SetPathGradientPresetBlend(const ARGB* Colors, const float* Positions, int32_t Count) {
    if (Count <= 0 || !Colors) return Keep(InvalidParameter);
    return Keep(GdipSetPathGradientPresetBlend(As<GpPathGradient>(), Colors, Positions, Count));
}

GpStatus TGPPathGradientBrush::SetPathGradientWrapMode(int32_t WrapMode) {
    return Keep(GdipSetPathGradientWrapMode(As<GpPathGradient>(), WrapMode));
}

GpStatus TGPPathGradientBrush::SetPathGradientCenterColor(ARGB Color) {
    Keep(GdipSetPathGradientCenterColor(As<GpPathGradient>(), Color));
    return LastStatus;
}

int32_t TGPPathGradientBrush::GetPathGradientPointCount() {
    int32_t count = 0;
    if (Keep(GdipGetPathGradientPointCount(As<GpPathGradient>(), &count)) != Ok) return 0;
    return count;
}

GpStatus TGPPathGradientBrush::SetPathGradientSurroundColors(const ARGB* Colors, int32_t& Count) {
    if (!Colors) return Keep(InvalidParameter);
    const int32_t points = GetPathGradientPointCount();
    if (Count > points || points <= 0) return Keep(InvalidParameter);
    int32_t copy = Count; // GDI+ may lower it
    const GpStatus status = Keep(GdipSetPathGradientSurroundColorsWithCount(As<GpPathGradient>(), Colors, &copy));
    if (LastStatus == Ok) Count = copy;
    return status;
}

GpStatus TGPPathGradientBrush::SetPathGradientCenterPoint(const PointF& Point) {
    return Keep(GdipSetPathGradientCenterPoint(As<GpPathGradient>(), &Point));
}

// ---- TGPGraphicsPath ----

TGPGraphicsPath::TGPGraphicsPath(int32_t FillMode) { LastStatus = GdipCreatePath(FillMode, &NativeHandle); }
TGPGraphicsPath::~TGPGraphicsPath() { GdipDeletePath(NativeHandle); }
GpStatus TGPGraphicsPath::ResetPath() { return Keep(GdipResetPath(NativeHandle)); }
GpStatus TGPGraphicsPath::ClosePathFigure() { return Keep(GdipClosePathFigure(NativeHandle)); }

GpStatus TGPGraphicsPath::AddPathLine(float X1, float Y1, float X2, float Y2) {
    return Keep(GdipAddPathLine(NativeHandle, X1, Y1, X2, Y2));
}

GpStatus TGPGraphicsPath::AddPathArc(float X, float Y, float Width, float Height, float StartAngle, float SweepAngle) {
    return Keep(GdipAddPathArc(NativeHandle, X, Y, Width, Height, StartAngle, SweepAngle));
}

GpStatus TGPGraphicsPath::AddPathEllipse(const RectF& R) { return AddPathEllipse(R.X, R.Y, R.Width, R.Height); }

GpStatus TGPGraphicsPath::AddPathEllipse(float X, float Y, float Width, float Height) {
    return Keep(GdipAddPathEllipse(NativeHandle, X, Y, Width, Height));
}

int32_t TGPGraphicsPath::GetPointCount() {
    int32_t count = 0;
    if (Keep(GdipGetPointCount(NativeHandle, &count)) != Ok) return 0;
    return count;
}

GpStatus TGPGraphicsPath::GetPathPoints(PointF* Points, int32_t Count) {
    return Keep(GdipGetPathPoints(NativeHandle, Points, Count));
}

GpStatus TGPGraphicsPath::GetPathTypes(uint8_t* Types, int32_t Count) {
    return Keep(GdipGetPathTypes(NativeHandle, Types, Count));
}

// ---- TGPRegion ----

TGPRegion::TGPRegion(const RectF& R) { LastStatus = GdipCreateRegionRect(&R, &NativeHandle); }
TGPRegion::TGPRegion(const TGPGraphicsPath* Path) { LastStatus = GdipCreateRegionPath(Path->NativeHandle, &NativeHandle); }
TGPRegion::~TGPRegion() { GdipDeleteRegion(NativeHandle); }

// ---- fonts and text ----

TGPFontFamily::TGPFontFamily(const std::u16string& Name) {
    LastStatus = PlatformCreateFontFamily(Name.c_str(), &NativeHandle);
}
TGPFontFamily::~TGPFontFamily() { GdipDeleteFontFamily(NativeHandle); }

std::unique_ptr<TGPFontFamily> TGPFontFamily::GenericSansSerif() {
    std::unique_ptr<TGPFontFamily> family(new TGPFontFamily());
    family->LastStatus = GdipGetGenericFontFamilySansSerif(&family->NativeHandle);
    return family;
}

// The families of the installed collection belong to it (the collection is GDI+'s own, never freed).
std::vector<std::u16string> TGPFontFamily::InstalledFamilyNames() {
    constexpr int kFaceNameLength = 32; // LF_FACESIZE
    GpFontCollection* installed = nullptr;
    int32_t count = 0;
    if (GdipNewInstalledFontCollection(&installed) != Ok ||
        GdipGetFontCollectionFamilyCount(installed, &count) != Ok || count <= 0)
        return {};
    std::vector<GpFontFamily*> families(static_cast<size_t>(count), nullptr);
    int32_t found = 0;
    if (GdipGetFontCollectionFamilyList(installed, count, families.data(), &found) != Ok) return {};
    std::vector<std::u16string> names;
    for (int32_t i = 0; i < found && i < count; ++i) {
        char16_t name[kFaceNameLength] = {};
        if (!families[i] || GdipGetFamilyName(families[i], name, 0) != Ok || !name[0]) continue;
        name[kFaceNameLength - 1] = 0;
        names.emplace_back(name);
    }
    return names;
}

TGPFont::TGPFont(const TGPFontFamily* Family, float EmSize, int32_t Style, int32_t Unit) {
    LastStatus = GdipCreateFont(HandleOf(Family), EmSize, Style, Unit, &NativeHandle);
}
TGPFont::~TGPFont() { GdipDeleteFont(NativeHandle); }

TGPStringFormat::TGPStringFormat(int32_t FormatFlags, uint16_t Language) {
    LastStatus = GdipCreateStringFormat(FormatFlags, Language, &NativeHandle);
}
TGPStringFormat::~TGPStringFormat() { GdipDeleteStringFormat(NativeHandle); }
GpStatus TGPStringFormat::SetStringFormatAlign(int32_t Align) {
    return Keep(GdipSetStringFormatAlign(NativeHandle, Align));
}

// ---- images ----

TGPImage::TGPImage(TComStream* Stream, bool UseEmbeddedColorManagement) {
    // The stream is held only for the call.
    if (Stream) Stream->AddRef();
    LastStatus = PlatformLoadImage(Stream, UseEmbeddedColorManagement, &NativeHandle);
    if (Stream) Stream->Release();
}

TGPImage::~TGPImage() { GdipDisposeImage(NativeHandle); }

uint32_t TGPImage::GetImageWidth() {
    uint32_t width = 0;
    if (Keep(GdipGetImageWidth(NativeHandle, &width)) != Ok) return 0;
    return width;
}

uint32_t TGPImage::GetImageHeight() {
    uint32_t height = 0;
    if (Keep(GdipGetImageHeight(NativeHandle, &height)) != Ok) return 0;
    return height;
}

GpPixelFormat TGPImage::GetImagePixelFormat() {
    GpPixelFormat format = 0;
    if (Keep(GdipGetImagePixelFormat(NativeHandle, &format)) != Ok) return 0;
    return format;
}

uint32_t TGPImage::GetBitsPerPixel() { return (static_cast<uint32_t>(GetImagePixelFormat()) >> 8) & 0xFF; }
bool TGPImage::HasAlphaChannel() { return (GetImagePixelFormat() & 0x40000) != 0; }
bool TGPImage::IsIndexedFormat() { return (GetImagePixelFormat() & 0x10000) != 0; }

GpStatus TGPImage::Save(const std::string& FileName, const GpGuid& Encoder) {
    const std::u16string name = NativeFileNameToUtf16(FileName);
    return Keep(GdipSaveImageToFile(NativeHandle, name.c_str(), &Encoder, nullptr));
}

ImageFormatKind TGPImage::GetFormatKind() {
    // The published image format identifiers differ only in their first field.
    static constexpr uint8_t kTail[8] = {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e};
    static constexpr struct {
        uint32_t Data1;
        ImageFormatKind Kind;
    } kKinds[] = {{0xb96b3caa, ifMemoryBMP}, {0xb96b3cab, ifBMP},  {0xb96b3cac, ifEMF}, {0xb96b3cad, ifWMF},
                  {0xb96b3cae, ifJPEG},      {0xb96b3caf, ifPNG},  {0xb96b3cb0, ifGIF}, {0xb96b3cb1, ifTIFF},
                  {0xb96b3cb2, ifEXIF},      {0xb96b3cb5, ifIcon}};
    GpGuid format{};
    if (GdipGetImageRawFormat(NativeHandle, &format) != Ok) return ifUndefined; // status not kept
    if (format.Data2 != 0x0728 || format.Data3 != 0x11d3 || std::memcmp(format.Data4, kTail, 8) != 0)
        return ifUndefined;
    for (const auto& k : kKinds)
        if (k.Data1 == format.Data1) return k.Kind;
    return ifUndefined;
}

TGPBitmap::TGPBitmap(TComStream* Stream, bool UseEmbeddedColorManagement) {
    if (Stream) Stream->AddRef();
    GpBitmap* made = nullptr;
    LastStatus = PlatformCreateBitmap(Stream, UseEmbeddedColorManagement, &made);
    NativeHandle = reinterpret_cast<GpImage*>(made);
    if (Stream) Stream->Release();
}

TGPBitmap::TGPBitmap(int32_t Width, int32_t Height, int32_t Stride, GpPixelFormat Format, uint8_t* Scan0) {
    GpBitmap* made = nullptr;
    LastStatus = GdipCreateBitmapFromScan0(Width, Height, Stride, Format, Scan0, &made);
    NativeHandle = reinterpret_cast<GpImage*>(made);
}

GpStatus TGPBitmap::BitmapGetPixel(int32_t X, int32_t Y, ARGB& Color) {
    return Keep(GdipBitmapGetPixel(reinterpret_cast<GpBitmap*>(NativeHandle), X, Y, &Color));
}

TGPImageAttributes::TGPImageAttributes() { LastStatus = GdipCreateImageAttributes(&NativeHandle); }
TGPImageAttributes::~TGPImageAttributes() { GdipDisposeImageAttributes(NativeHandle); }

GpStatus TGPImageAttributes::SetImageAttributesColorKeys(ARGB ColorLow, ARGB ColorHigh, int32_t AdjustType) {
    return Keep(GdipSetImageAttributesColorKeys(NativeHandle, AdjustType, 1, ColorLow, ColorHigh));
}
