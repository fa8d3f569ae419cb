// The GDI+ flat API on Windows: gdiplus.dll is not one of Windows 7's known DLLs, so the program
// does not import it (the loader would look for it beside the program first). Each function is
// looked up at its first call in the system folder's gdiplus.dll; where there is none, a call
// answers Win32Error (nothing, or null, for the calls that answer no status).
#include <type_traits>

#include "platform/GdiPlusFlat.h"
#include "platform/win32/SystemLibrary_win32.h"

namespace {
HMODULE GdiPlus() {
    static const HMODULE library = LoadSystemLibrary(L"gdiplus.dll");
    return library;
}

template <class Function> struct TFlat;
template <class R, class... A> struct TFlat<R(WINGDIPAPI*)(A...)> {
    using Result = R;
};
template <class Function> using TResult = typename TFlat<Function>::Result;

template <class R> R Missing() {
    if constexpr (std::is_same_v<R, GpStatus>) return Win32Error;
    else if constexpr (!std::is_void_v<R>) return R{};
}

// The entry point, called with the arguments the caller passes to what this returns.
template <class Function> auto Call(Function Entry) {
    return [Entry](auto... Arguments) -> TResult<Function> {
        if (Entry) return Entry(Arguments...);
        return Missing<TResult<Function>>();
    };
}
} // namespace

#define VELUNDO_GDIP(Name, Parameters, Arguments)                                                  \
    extern "C" auto WINGDIPAPI Name Parameters -> TResult<decltype(&Name)> {                       \
        static const auto entry = SystemFunction<decltype(&Name)>(GdiPlus(), #Name);               \
        return Call(entry) Arguments;                                                              \
    }

VELUNDO_GDIP(GdiplusStartup, (uintptr_t* token, GDIPCONST GdiplusStartupInput* input,
             GdiplusStartupOutput* output),
             (token, input, output))
VELUNDO_GDIP(GdiplusShutdown, (uintptr_t token), (token))
VELUNDO_GDIP(GdipAlloc, (size_t size), (size))
VELUNDO_GDIP(GdipFree, (void* ptr), (ptr))
VELUNDO_GDIP(GdipCreateFromHDC, (void* hdc, GpGraphics** graphics), (hdc, graphics))
VELUNDO_GDIP(GdipDeleteGraphics, (GpGraphics* graphics), (graphics))
VELUNDO_GDIP(GdipSetTextRenderingHint, (GpGraphics* graphics, int32_t mode), (graphics, mode))
VELUNDO_GDIP(GdipGetSmoothingMode, (GpGraphics* graphics, int32_t* mode), (graphics, mode))
VELUNDO_GDIP(GdipSetSmoothingMode, (GpGraphics* graphics, int32_t mode), (graphics, mode))
VELUNDO_GDIP(GdipDrawPath, (GpGraphics* graphics, GpPen* pen, GpPath* path), (graphics, pen, path))
VELUNDO_GDIP(GdipFillRectangle, (GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width,
             REAL height),
             (graphics, brush, x, y, width, height))
VELUNDO_GDIP(GdipDrawRectangle, (GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height),
             (graphics, pen, x, y, width, height))
VELUNDO_GDIP(GdipDrawLine, (GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2),
             (graphics, pen, x1, y1, x2, y2))
VELUNDO_GDIP(GdipFillPath, (GpGraphics* graphics, GpBrush* brush, GpPath* path), (graphics, brush, path))
VELUNDO_GDIP(GdipMeasureString, (GpGraphics* graphics, GDIPCONST char16_t* string, int32_t length,
             GDIPCONST GpFont* font, GDIPCONST RectF* layoutRect, GDIPCONST GpStringFormat* format,
             RectF* boundingBox, int32_t* codepointsFitted, int32_t* linesFilled),
             (graphics, string, length, font, layoutRect, format, boundingBox, codepointsFitted, linesFilled))
VELUNDO_GDIP(GdipDrawString, (GpGraphics* graphics, GDIPCONST char16_t* string, int32_t length,
             GDIPCONST GpFont* font, GDIPCONST RectF* layoutRect, GDIPCONST GpStringFormat* format,
             GDIPCONST GpBrush* brush),
             (graphics, string, length, font, layoutRect, format, brush))
VELUNDO_GDIP(GdipDrawImageRect, (GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL width,
             REAL height),
             (graphics, image, x, y, width, height))
VELUNDO_GDIP(GdipDrawImageRectRect, (GpGraphics* graphics, GpImage* image, REAL dstx, REAL dsty,
             REAL dstwidth, REAL dstheight, REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight,
             GpUnit srcUnit, GDIPCONST GpImageAttributes* imageAttributes, DrawImageAbort callback,
             void* callbackData),
             (graphics, image, dstx, dsty, dstwidth, dstheight, srcx, srcy, srcwidth, srcheight, srcUnit,
             imageAttributes, callback, callbackData))
VELUNDO_GDIP(GdipSetClipRegion, (GpGraphics* graphics, GpRegion* region, int32_t combineMode),
             (graphics, region, combineMode))
VELUNDO_GDIP(GdipResetClip, (GpGraphics* graphics), (graphics))
VELUNDO_GDIP(GdipTranslateWorldTransform, (GpGraphics* graphics, REAL dx, REAL dy, int32_t order),
             (graphics, dx, dy, order))
VELUNDO_GDIP(GdipCreatePen1, (ARGB color, REAL width, GpUnit unit, GpPen** pen), (color, width, unit, pen))
VELUNDO_GDIP(GdipSetPenDashStyle, (GpPen* pen, int32_t dashStyle), (pen, dashStyle))
VELUNDO_GDIP(GdipDeletePen, (GpPen* pen), (pen))
VELUNDO_GDIP(GdipDeleteBrush, (GpBrush* brush), (brush))
VELUNDO_GDIP(GdipCreateSolidFill, (ARGB color, GpSolidFill** brush), (color, brush))
VELUNDO_GDIP(GdipCreateHatchBrush, (int32_t hatchStyle, ARGB forecol, ARGB backcol, GpHatch** brush),
             (hatchStyle, forecol, backcol, brush))
VELUNDO_GDIP(GdipCreateTexture, (GpImage* image, int32_t wrapMode, GpTexture** texture),
             (image, wrapMode, texture))
VELUNDO_GDIP(GdipCreateLineBrush, (GDIPCONST PointF* point1, GDIPCONST PointF* point2, ARGB color1,
             ARGB color2, int32_t wrapMode, GpLineGradient** lineGradient),
             (point1, point2, color1, color2, wrapMode, lineGradient))
VELUNDO_GDIP(GdipCreateLineBrushFromRect, (GDIPCONST RectF* rect, ARGB color1, ARGB color2, int32_t mode,
             int32_t wrapMode, GpLineGradient** lineGradient),
             (rect, color1, color2, mode, wrapMode, lineGradient))
VELUNDO_GDIP(GdipCreateLineBrushFromRectWithAngle, (GDIPCONST RectF* rect, ARGB color1, ARGB color2,
             REAL angle, GpBool isAngleScalable, int32_t wrapMode, GpLineGradient** lineGradient),
             (rect, color1, color2, angle, isAngleScalable, wrapMode, lineGradient))
VELUNDO_GDIP(GdipSetLineGammaCorrection, (GpLineGradient* brush, GpBool useGammaCorrection),
             (brush, useGammaCorrection))
VELUNDO_GDIP(GdipCreatePathGradientFromPath, (GDIPCONST GpPath* path, GpPathGradient** polyGradient),
             (path, polyGradient))
VELUNDO_GDIP(GdipSetPathGradientPresetBlend, (GpPathGradient* brush, GDIPCONST ARGB* blend,
             GDIPCONST REAL* positions, int32_t count),
             (brush, blend, positions, count))
VELUNDO_GDIP(GdipSetPathGradientWrapMode, (GpPathGradient* brush, int32_t wrapMode), (brush, wrapMode))
VELUNDO_GDIP(GdipSetPathGradientCenterColor, (GpPathGradient* brush, ARGB colors), (brush, colors))
VELUNDO_GDIP(GdipGetPathGradientPointCount, (GpPathGradient* brush, int32_t* count), (brush, count))
VELUNDO_GDIP(GdipSetPathGradientSurroundColorsWithCount, (GpPathGradient* brush, GDIPCONST ARGB* color,
             int32_t* count),
             (brush, color, count))
VELUNDO_GDIP(GdipSetPathGradientCenterPoint, (GpPathGradient* brush, GDIPCONST PointF* point), (brush, point))
VELUNDO_GDIP(GdipCreatePath, (int32_t brushMode, GpPath** path), (brushMode, path))
VELUNDO_GDIP(GdipDeletePath, (GpPath* path), (path))
VELUNDO_GDIP(GdipResetPath, (GpPath* path), (path))
VELUNDO_GDIP(GdipClosePathFigure, (GpPath* path), (path))
VELUNDO_GDIP(GdipAddPathLine, (GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2), (path, x1, y1, x2, y2))
VELUNDO_GDIP(GdipAddPathArc, (GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
             REAL sweepAngle),
             (path, x, y, width, height, startAngle, sweepAngle))
VELUNDO_GDIP(GdipAddPathEllipse, (GpPath* path, REAL x, REAL y, REAL width, REAL height),
             (path, x, y, width, height))
VELUNDO_GDIP(GdipGetPointCount, (GpPath* path, int32_t* count), (path, count))
VELUNDO_GDIP(GdipGetPathPoints, (GpPath* path, PointF* points, int32_t count), (path, points, count))
VELUNDO_GDIP(GdipGetPathTypes, (GpPath* path, uint8_t* types, int32_t count), (path, types, count))
VELUNDO_GDIP(GdipCreateRegionRect, (GDIPCONST RectF* rect, GpRegion** region), (rect, region))
VELUNDO_GDIP(GdipCreateRegionPath, (GpPath* path, GpRegion** region), (path, region))
VELUNDO_GDIP(GdipDeleteRegion, (GpRegion* region), (region))
VELUNDO_GDIP(GdipCreateFontFamilyFromName, (GDIPCONST char16_t* name, GpFontCollection* fontCollection,
             GpFontFamily** fontFamily),
             (name, fontCollection, fontFamily))
VELUNDO_GDIP(GdipDeleteFontFamily, (GpFontFamily* fontFamily), (fontFamily))
VELUNDO_GDIP(GdipGetGenericFontFamilySansSerif, (GpFontFamily** nativeFamily), (nativeFamily))
VELUNDO_GDIP(GdipGetFamilyName, (GDIPCONST GpFontFamily* family, char16_t name[32], uint16_t language),
             (family, name, language))
VELUNDO_GDIP(GdipNewInstalledFontCollection, (GpFontCollection** fontCollection), (fontCollection))
VELUNDO_GDIP(GdipGetFontCollectionFamilyCount, (GpFontCollection* fontCollection, int32_t* numFound),
             (fontCollection, numFound))
VELUNDO_GDIP(GdipGetFontCollectionFamilyList, (GpFontCollection* fontCollection, int32_t numSought,
             GpFontFamily* gpfamilies[], int32_t* numFound),
             (fontCollection, numSought, gpfamilies, numFound))
VELUNDO_GDIP(GdipCreateFont, (GDIPCONST GpFontFamily* fontFamily, REAL emSize, int32_t style, int32_t unit,
             GpFont** font),
             (fontFamily, emSize, style, unit, font))
VELUNDO_GDIP(GdipDeleteFont, (GpFont* font), (font))
VELUNDO_GDIP(GdipCreateStringFormat, (int32_t formatAttributes, uint16_t language, GpStringFormat** format),
             (formatAttributes, language, format))
VELUNDO_GDIP(GdipSetStringFormatAlign, (GpStringFormat* format, int32_t align), (format, align))
VELUNDO_GDIP(GdipDeleteStringFormat, (GpStringFormat* format), (format))
VELUNDO_GDIP(GdipLoadImageFromStream, (IStream* stream, GpImage** image), (stream, image))
VELUNDO_GDIP(GdipLoadImageFromStreamICM, (IStream* stream, GpImage** image), (stream, image))
VELUNDO_GDIP(GdipDisposeImage, (GpImage* image), (image))
VELUNDO_GDIP(GdipImageGetFrameDimensionsList, (GpImage* image, GpGuid* dimensionIDs, uint32_t count),
             (image, dimensionIDs, count))
VELUNDO_GDIP(GdipImageGetFrameCount, (GpImage* image, GDIPCONST GpGuid* dimensionID, uint32_t* count),
             (image, dimensionID, count))
VELUNDO_GDIP(GdipGetImageWidth, (GpImage* image, uint32_t* width), (image, width))
VELUNDO_GDIP(GdipGetImageHeight, (GpImage* image, uint32_t* height), (image, height))
VELUNDO_GDIP(GdipGetImagePixelFormat, (GpImage* image, GpPixelFormat* format), (image, format))
VELUNDO_GDIP(GdipGetImageRawFormat, (GpImage* image, GpGuid* format), (image, format))
VELUNDO_GDIP(GdipGetImageGraphicsContext, (GpImage* image, GpGraphics** graphics), (image, graphics))
VELUNDO_GDIP(GdipCreateBitmapFromStream, (IStream* stream, GpBitmap** bitmap), (stream, bitmap))
VELUNDO_GDIP(GdipCreateBitmapFromStreamICM, (IStream* stream, GpBitmap** bitmap), (stream, bitmap))
VELUNDO_GDIP(GdipCreateBitmapFromScan0, (int32_t width, int32_t height, int32_t stride, GpPixelFormat format,
             uint8_t* scan0, GpBitmap** bitmap),
             (width, height, stride, format, scan0, bitmap))
VELUNDO_GDIP(GdipSaveImageToFile, (GpImage* image, GDIPCONST char16_t* filename,
             GDIPCONST GpGuid* clsidEncoder, GDIPCONST void* encoderParams),
             (image, filename, clsidEncoder, encoderParams))
VELUNDO_GDIP(GdipBitmapGetPixel, (GpBitmap* bitmap, int32_t x, int32_t y, ARGB* color), (bitmap, x, y, color))
VELUNDO_GDIP(GdipCreateImageAttributes, (GpImageAttributes** imageattr), (imageattr))
VELUNDO_GDIP(GdipDisposeImageAttributes, (GpImageAttributes* imageattr), (imageattr))
VELUNDO_GDIP(GdipSetImageAttributesColorKeys, (GpImageAttributes* imageattr, int32_t type, GpBool enableFlag,
             ARGB colorLow, ARGB colorHigh),
             (imageattr, type, enableFlag, colorLow, colorHigh))
