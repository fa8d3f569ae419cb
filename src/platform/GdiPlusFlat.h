#pragma once
// The GDI+ flat functions the object layer calls, declared here because neither libgdiplus nor the
// program's own tree ships the SDK headers. Only the object layer (graphics/AdvGDIP and its platform
// split) includes this file. Enumerations travel as 32-bit integers, texts as UTF-16 units.
#include <cstddef>
#include <cstdint>

#ifndef WINGDIPAPI
#define WINGDIPAPI
#endif
#define GDIPCONST const

using GpStatus = int32_t;
using ARGB = uint32_t;
using REAL = float;
using GpBool = int32_t; // BOOL
using GpUnit = int32_t;
using GpPixelFormat = int32_t;

struct GpGraphics;
struct GpPen;
struct GpBrush;
struct GpSolidFill;
struct GpHatch;
struct GpTexture;
struct GpLineGradient;
struct GpPathGradient;
struct GpPath;
struct GpRegion;
struct GpFontFamily;
struct GpFontCollection;
struct GpFont;
struct GpStringFormat;
struct GpImage;
struct GpBitmap;
struct GpImageAttributes;
struct IStream; // the COM stream interface (Windows only)

struct PointF {
    REAL X{0};
    REAL Y{0};
};

struct RectF {
    REAL X{0};
    REAL Y{0};
    REAL Width{0};
    REAL Height{0};
};

// A GUID, laid out as Windows lays it out.
struct GpGuid {
    uint32_t Data1{0};
    uint16_t Data2{0};
    uint16_t Data3{0};
    uint8_t Data4[8]{};
};

// The class identifier of GDI+'s built-in PNG encoder.
constexpr GpGuid PngEncoderClsid{0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

enum : GpStatus {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
    FontStyleNotFound = 15,
    NotTrueTypeFont = 16,
    UnsupportedGdiplusVersion = 17,
    GdiplusNotInitialized = 18,
};

constexpr GpPixelFormat PixelFormat32bppPARGB = 0xE200B;
constexpr GpUnit UnitWorld = 0;
constexpr GpUnit UnitPixel = 2;

using DebugEventProc = void(WINGDIPAPI*)(int32_t Level, char* Message);
using NotificationHookProc = GpStatus(WINGDIPAPI*)(uintptr_t* Token);
using NotificationUnhookProc = void(WINGDIPAPI*)(uintptr_t Token);
using DrawImageAbort = GpBool(WINGDIPAPI*)(void* Data);

struct GdiplusStartupInput {
    uint32_t GdiplusVersion{1};
    DebugEventProc DebugEventCallback{nullptr};
    GpBool SuppressBackgroundThread{0};
    GpBool SuppressExternalCodecs{0};
};

struct GdiplusStartupOutput {
    NotificationHookProc NotificationHook{nullptr};
    NotificationUnhookProc NotificationUnhook{nullptr};
};

// libgdiplus reads images through these callbacks instead of a COM stream.
using GetHeaderDelegate = int (*)(uint8_t* Buffer, int Size);
using GetBytesDelegate = int (*)(uint8_t* Buffer, int Size, GpBool Peek);
using PutBytesDelegate = int (*)(uint8_t* Buffer, int Size);
using SeekDelegate = long (*)(int Offset, int Whence);
using CloseDelegate = void (*)();
using SizeDelegate = long (*)();

extern "C" {
GpStatus WINGDIPAPI GdiplusStartup(uintptr_t* token, GDIPCONST GdiplusStartupInput* input,
                                   GdiplusStartupOutput* output);
void WINGDIPAPI GdiplusShutdown(uintptr_t token);
void* WINGDIPAPI GdipAlloc(size_t size);
void WINGDIPAPI GdipFree(void* ptr);

GpStatus WINGDIPAPI GdipCreateFromHDC(void* hdc, GpGraphics** graphics);
GpStatus WINGDIPAPI GdipDeleteGraphics(GpGraphics* graphics);
GpStatus WINGDIPAPI GdipSetTextRenderingHint(GpGraphics* graphics, int32_t mode);
GpStatus WINGDIPAPI GdipGetSmoothingMode(GpGraphics* graphics, int32_t* mode);
GpStatus WINGDIPAPI GdipSetSmoothingMode(GpGraphics* graphics, int32_t mode);
GpStatus WINGDIPAPI GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path);
GpStatus WINGDIPAPI GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width,
                                      REAL height);
GpStatus WINGDIPAPI GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width,
                                      REAL height);
GpStatus WINGDIPAPI GdipDrawLine(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2);
GpStatus WINGDIPAPI GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path);
GpStatus WINGDIPAPI GdipMeasureString(GpGraphics* graphics, GDIPCONST char16_t* string, int32_t length,
                                      GDIPCONST GpFont* font, GDIPCONST RectF* layoutRect,
                                      GDIPCONST GpStringFormat* format, RectF* boundingBox,
                                      int32_t* codepointsFitted, int32_t* linesFilled);
GpStatus WINGDIPAPI GdipDrawString(GpGraphics* graphics, GDIPCONST char16_t* string, int32_t length,
                                   GDIPCONST GpFont* font, GDIPCONST RectF* layoutRect,
                                   GDIPCONST GpStringFormat* format, GDIPCONST GpBrush* brush);
GpStatus WINGDIPAPI GdipDrawImageRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL width,
                                      REAL height);
GpStatus WINGDIPAPI GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, REAL dstx, REAL dsty,
                                          REAL dstwidth, REAL dstheight, REAL srcx, REAL srcy, REAL srcwidth,
                                          REAL srcheight, GpUnit srcUnit,
                                          GDIPCONST GpImageAttributes* imageAttributes,
                                          DrawImageAbort callback, void* callbackData);
GpStatus WINGDIPAPI GdipSetClipRegion(GpGraphics* graphics, GpRegion* region, int32_t combineMode);
GpStatus WINGDIPAPI GdipResetClip(GpGraphics* graphics);
GpStatus WINGDIPAPI GdipTranslateWorldTransform(GpGraphics* graphics, REAL dx, REAL dy, int32_t order);

GpStatus WINGDIPAPI GdipCreatePen1(ARGB color, REAL width, GpUnit unit, GpPen** pen);
GpStatus WINGDIPAPI GdipSetPenDashStyle(GpPen* pen, int32_t dashStyle);
GpStatus WINGDIPAPI GdipDeletePen(GpPen* pen);

GpStatus WINGDIPAPI GdipDeleteBrush(GpBrush* brush);
GpStatus WINGDIPAPI GdipCreateSolidFill(ARGB color, GpSolidFill** brush);
GpStatus WINGDIPAPI GdipCreateHatchBrush(int32_t hatchStyle, ARGB forecol, ARGB backcol, GpHatch** brush);
GpStatus WINGDIPAPI GdipCreateTexture(GpImage* image, int32_t wrapMode, GpTexture** texture);
GpStatus WINGDIPAPI GdipCreateLineBrush(GDIPCONST PointF* point1, GDIPCONST PointF* point2, ARGB color1,
                                        ARGB color2, int32_t wrapMode, GpLineGradient** lineGradient);
GpStatus WINGDIPAPI GdipCreateLineBrushFromRect(GDIPCONST RectF* rect, ARGB color1, ARGB color2, int32_t mode,
                                                int32_t wrapMode, GpLineGradient** lineGradient);
GpStatus WINGDIPAPI GdipCreateLineBrushFromRectWithAngle(GDIPCONST RectF* rect, ARGB color1, ARGB color2,
                                                         REAL angle, GpBool isAngleScalable, int32_t wrapMode,
                                                         GpLineGradient** lineGradient);
GpStatus WINGDIPAPI GdipSetLineGammaCorrection(GpLineGradient* brush, GpBool useGammaCorrection);
GpStatus WINGDIPAPI GdipCreatePathGradientFromPath(GDIPCONST GpPath* path, GpPathGradient** polyGradient);
GpStatus WINGDIPAPI GdipSetPathGradientPresetBlend(GpPathGradient* brush, GDIPCONST ARGB* blend,
                                                   GDIPCONST REAL* positions, int32_t count);
GpStatus WINGDIPAPI GdipSetPathGradientWrapMode(GpPathGradient* brush, int32_t wrapMode);
GpStatus WINGDIPAPI GdipSetPathGradientCenterColor(GpPathGradient* brush, ARGB colors);
GpStatus WINGDIPAPI GdipGetPathGradientPointCount(GpPathGradient* brush, int32_t* count);
GpStatus WINGDIPAPI GdipSetPathGradientSurroundColorsWithCount(GpPathGradient* brush, GDIPCONST ARGB* color,
                                                               int32_t* count);
GpStatus WINGDIPAPI GdipSetPathGradientCenterPoint(GpPathGradient* brush, GDIPCONST PointF* point);

GpStatus WINGDIPAPI GdipCreatePath(int32_t brushMode, GpPath** path);
GpStatus WINGDIPAPI GdipDeletePath(GpPath* path);
GpStatus WINGDIPAPI GdipResetPath(GpPath* path);
GpStatus WINGDIPAPI GdipClosePathFigure(GpPath* path);
GpStatus WINGDIPAPI GdipAddPathLine(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2);
GpStatus WINGDIPAPI GdipAddPathArc(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                                   REAL sweepAngle);
GpStatus WINGDIPAPI GdipAddPathEllipse(GpPath* path, REAL x, REAL y, REAL width, REAL height);
GpStatus WINGDIPAPI GdipGetPointCount(GpPath* path, int32_t* count);
GpStatus WINGDIPAPI GdipGetPathPoints(GpPath* path, PointF* points, int32_t count);
GpStatus WINGDIPAPI GdipGetPathTypes(GpPath* path, uint8_t* types, int32_t count);

GpStatus WINGDIPAPI GdipCreateRegionRect(GDIPCONST RectF* rect, GpRegion** region);
GpStatus WINGDIPAPI GdipCreateRegionPath(GpPath* path, GpRegion** region);
GpStatus WINGDIPAPI GdipDeleteRegion(GpRegion* region);

GpStatus WINGDIPAPI GdipCreateFontFamilyFromName(GDIPCONST char16_t* name, GpFontCollection* fontCollection,
                                                 GpFontFamily** fontFamily);
GpStatus WINGDIPAPI GdipDeleteFontFamily(GpFontFamily* fontFamily);
GpStatus WINGDIPAPI GdipGetGenericFontFamilySansSerif(GpFontFamily** nativeFamily);
GpStatus WINGDIPAPI GdipGetFamilyName(GDIPCONST GpFontFamily* family, char16_t name[32], uint16_t language);
GpStatus WINGDIPAPI GdipNewInstalledFontCollection(GpFontCollection** fontCollection);
GpStatus WINGDIPAPI GdipGetFontCollectionFamilyCount(GpFontCollection* fontCollection, int32_t* numFound);
GpStatus WINGDIPAPI GdipGetFontCollectionFamilyList(GpFontCollection* fontCollection, int32_t numSought,
                                                    GpFontFamily* gpfamilies[], int32_t* numFound);
GpStatus WINGDIPAPI GdipCreateFont(GDIPCONST GpFontFamily* fontFamily, REAL emSize, int32_t style, int32_t unit,
                                   GpFont** font);
GpStatus WINGDIPAPI GdipDeleteFont(GpFont* font);
GpStatus WINGDIPAPI GdipCreateStringFormat(int32_t formatAttributes, uint16_t language, GpStringFormat** format);
GpStatus WINGDIPAPI GdipSetStringFormatAlign(GpStringFormat* format, int32_t align);
GpStatus WINGDIPAPI GdipDeleteStringFormat(GpStringFormat* format);

GpStatus WINGDIPAPI GdipLoadImageFromStream(IStream* stream, GpImage** image);
GpStatus WINGDIPAPI GdipLoadImageFromStreamICM(IStream* stream, GpImage** image);
GpStatus WINGDIPAPI GdipLoadImageFromDelegate_linux(GetHeaderDelegate getHeaderFunc, GetBytesDelegate getBytesFunc,
                                                    PutBytesDelegate putBytesFunc, SeekDelegate seekFunc,
                                                    CloseDelegate closeFunc, SizeDelegate sizeFunc,
                                                    GpImage** image);
GpStatus WINGDIPAPI GdipDisposeImage(GpImage* image);
GpStatus WINGDIPAPI GdipImageGetFrameDimensionsList(GpImage* image, GpGuid* dimensionIDs, uint32_t count);
GpStatus WINGDIPAPI GdipImageGetFrameCount(GpImage* image, GDIPCONST GpGuid* dimensionID, uint32_t* count);
GpStatus WINGDIPAPI GdipGetImageWidth(GpImage* image, uint32_t* width);
GpStatus WINGDIPAPI GdipGetImageHeight(GpImage* image, uint32_t* height);
GpStatus WINGDIPAPI GdipGetImagePixelFormat(GpImage* image, GpPixelFormat* format);
GpStatus WINGDIPAPI GdipGetImageRawFormat(GpImage* image, GpGuid* format);
GpStatus WINGDIPAPI GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
GpStatus WINGDIPAPI GdipCreateBitmapFromStream(IStream* stream, GpBitmap** bitmap);
GpStatus WINGDIPAPI GdipCreateBitmapFromStreamICM(IStream* stream, GpBitmap** bitmap);
GpStatus WINGDIPAPI GdipCreateBitmapFromScan0(int32_t width, int32_t height, int32_t stride, GpPixelFormat format,
                                              uint8_t* scan0, GpBitmap** bitmap);
GpStatus WINGDIPAPI GdipSaveImageToFile(GpImage* image, GDIPCONST char16_t* filename,
                                        GDIPCONST GpGuid* clsidEncoder, GDIPCONST void* encoderParams);
GpStatus WINGDIPAPI GdipBitmapGetPixel(GpBitmap* bitmap, int32_t x, int32_t y, ARGB* color);

GpStatus WINGDIPAPI GdipCreateImageAttributes(GpImageAttributes** imageattr);
GpStatus WINGDIPAPI GdipDisposeImageAttributes(GpImageAttributes* imageattr);
GpStatus WINGDIPAPI GdipSetImageAttributesColorKeys(GpImageAttributes* imageattr, int32_t type, GpBool enableFlag,
                                                    ARGB colorLow, ARGB colorHigh);
}
