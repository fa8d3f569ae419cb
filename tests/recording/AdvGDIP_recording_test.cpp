// The object layer's calls into GDI+, recorded: fixed arguments, status rules and freeing order.
#include <gtest/gtest.h>

#include <memory>

#include "RecordingTest.h"
#include "graphics/AdvGDIP.h"

using recorder::Calls;
using recorder::ExpectCalls;
using recorder::PictureOf;
using recorder::CallsNamed;

namespace {
class Recording : public ::testing::Test {
protected:
    void SetUp() override { recorder::Reset(); }
};

} // namespace

// ---- fixed arguments ----

TEST_F(Recording, ConstructorsPassTheirFixedArguments) {
    {
        TGPPen pen(0xFF102030, 2.5f);
        TGPGraphicsPath path(0);
        TGPLinearGradientBrush two(MakePointF(1, 2), MakePointF(3, 4), 0xFF000001, 0xFF000002);
        TGPLinearGradientBrush rect(MakeRectF(0, 0, 10, 20), 0xFF000001, 0xFF000002, 1);
        TGPLinearGradientBrush angle(MakeRectF(0, 0, 10, 20), 0xFF000001, 0xFF000002, 45.5f, true);
        TGPHatchBrush hatch(HatchStyleDiagonalCross, 0xFFAABBCC, 0x00000000);
        TGPFontFamily family(u"Liberation Sans");
        TGPFont font(&family, 12, 1, 3);
        TGPStringFormat format(4096, 0);
        TGPImageAttributes attributes;
        attributes.SetImageAttributesColorKeys(0xFF00FF00, 0xFF00FF00, 0);
    }
    ExpectCalls(Calls(), {
        "GdipCreatePen1(ff102030, 2.5, 0) -> #1",
        "GdipCreatePath(0) -> #2",
        "GdipCreateLineBrush(1, 2, 3, 4, ff000001, ff000002, 0) -> #3",
        "GdipCreateLineBrushFromRect(0, 0, 10, 20, ff000001, ff000002, 1, 0) -> #4",
        "GdipCreateLineBrushFromRectWithAngle(0, 0, 10, 20, ff000001, ff000002, 45.5, 1, 0) -> #5",
        "GdipCreateHatchBrush(5, ffaabbcc, 0) -> #6",
        "GdipCreateFontFamilyFromName(\"Liberation Sans\", null) -> #7",
        "GdipCreateFont(#7, 12, 1, 3) -> #8",
        "GdipCreateStringFormat(4096, 0) -> #9",
        "GdipCreateImageAttributes() -> #10",
        "GdipSetImageAttributesColorKeys(#10, 0, 1, ff00ff00, ff00ff00)",
        "GdipDisposeImageAttributes(#10)",
        "GdipDeleteStringFormat(#9)",
        "GdipDeleteFont(#8)",
        "GdipDeleteFontFamily(#7)",
        "GdipDeleteBrush(#6)",
        "GdipDeleteBrush(#5)",
        "GdipDeleteBrush(#4)",
        "GdipDeleteBrush(#3)",
        "GdipDeletePath(#2)",
        "GdipDeletePen(#1)",
    });
}

TEST_F(Recording, DrawingOperationsForwardTheirArguments) {
    TSurface surface;
    surface.Width = surface.Height = 0; // binds to a scratch pixel: nothing of it may be drawn
    {
        TGPGraphics g(&surface);
        TGPSolidBrush brush(0xFF0000FF);
        g.DrawImageRect(nullptr, 1, 2, 30, 40);
        g.FillRectangle(&brush, MakeRectF(1.5f, 2, 3, 4));
        g.DrawPath(nullptr, nullptr);
        g.DrawString("", nullptr, MakeRectF(0, 0, 5, 5), nullptr, &brush);
        g.DrawString("Gr\xFC\xDF" "e", nullptr, MakeRectF(0, 0, 5, 5), nullptr, nullptr);
    }
    ExpectCalls(CallsNamed({"GdipDraw", "GdipFill"}), {
        "GdipDrawImageRect(#2, null, 1, 2, 30, 40)",
        "GdipFillRectangle(#2, #3, 1.5, 2, 3, 4)",
        "GdipDrawPath(#2, null, null)",
        "GdipDrawString(#2, \"\", 0, null, 0, 0, 5, 5, null, #3)",
        "GdipDrawString(#2, \"Gr\\ufc\\udfe\", 5, null, 0, 0, 5, 5, null, null)",
    });
}

TEST_F(Recording, GraphicsBindToTheClipOfTheSurfaceAtTheCanvasOrigin) {
    auto surface = CreateSurface(40, 30);
    TCanvas canvas(surface.get());
    canvas.SetOrigin(TPoint{10, 5});
    canvas.SetClipRect(Rect(12, 6, 30, 20));
    { TGPGraphics g(canvas.Handle()); }
    ExpectCalls(Calls(), {
        "GdipCreateBitmapFromScan0(18, 14, 160, e200b, ptr) -> #1",
        "GdipGetImageGraphicsContext(#1) -> #2",
        "GdipTranslateWorldTransform(#2, -2, -1, 0)",
        "GdipDeleteGraphics(#2)",
        "GdipDisposeImage(#1)",
    });
}

// ---- status rules ----

TEST_F(Recording, AConstructorAlwaysStoresOthersOnlyFailures) {
    recorder::FailNext("GdipCreatePen1", OutOfMemory);
    TGPPen failed(0xFF000000, 1);
    EXPECT_EQ(failed.LastStatus, OutOfMemory);
    EXPECT_EQ(failed.NativeHandle, nullptr);

    TGPPen pen(0xFF000000, 1);
    EXPECT_EQ(pen.LastStatus, Ok);
    recorder::FailNext("GdipSetPenDashStyle", WrongState);
    EXPECT_EQ(pen.SetPenDashStyle(2), WrongState);
    EXPECT_EQ(pen.SetPenDashStyle(0), Ok);
    EXPECT_EQ(pen.LastStatus, WrongState);
}

TEST_F(Recording, CenterColorReportsAnEarlierFailure) {
    TGPGraphicsPath path(0);
    TGPPathGradientBrush brush(&path);
    recorder::FailNext("GdipSetPathGradientWrapMode", Win32Error);
    brush.SetPathGradientWrapMode(4);
    EXPECT_EQ(brush.SetPathGradientCenterColor(0xFF123456), Win32Error);
}

TEST_F(Recording, PathGradientGuardsCallNothing) {
    TGPGraphicsPath path(0);
    TGPPathGradientBrush brush(&path);
    recorder::Calls().clear();
    const ARGB colours[4] = {};
    EXPECT_EQ(brush.SetPathGradientPresetBlend(colours, nullptr, 0), InvalidParameter);
    EXPECT_EQ(brush.SetPathGradientPresetBlend(nullptr, nullptr, 3), InvalidParameter);
    int32_t count = 4;
    EXPECT_EQ(brush.SetPathGradientSurroundColors(colours, count), InvalidParameter);
    EXPECT_EQ(count, 4);
    ExpectCalls(Calls(), {"GdipGetPathGradientPointCount(#2)"});
}

TEST_F(Recording, SurroundCountComesBackOnlyWithoutARecordedFailure) {
    TGPGraphicsPath path(0);
    recorder::Answers().SurroundColorsTaken = 2;
    const ARGB colours[3] = {};
    {
        TGPPathGradientBrush brush(&path);
        int32_t count = 3;
        EXPECT_EQ(brush.SetPathGradientSurroundColors(colours, count), Ok);
        EXPECT_EQ(count, 2);
    }
    {
        TGPPathGradientBrush brush(&path);
        recorder::FailNext("GdipSetPathGradientCenterPoint", GenericError);
        brush.SetPathGradientCenterPoint(MakePointF(1, 1));
        int32_t count = 3;
        EXPECT_EQ(brush.SetPathGradientSurroundColors(colours, count), Ok);
        EXPECT_EQ(count, 3);
    }
    EXPECT_EQ(CallsNamed({"GdipSetPathGradientSurroundColorsWithCount"}).front(),
              "GdipSetPathGradientSurroundColorsWithCount(#2, ptr, 3)");
}

TEST_F(Recording, FailedQueriesAnswerTheirDefinedValues) {
    auto picture = PictureOf("abc");
    TComStream* none = nullptr;
    TGPImage image(none, false);
    recorder::FailNext("GdipGetImageWidth", InvalidParameter);
    recorder::FailNext("GdipGetImagePixelFormat", InvalidParameter);
    recorder::FailNext("GdipGetImageRawFormat", InvalidParameter);
    EXPECT_EQ(image.GetImageWidth(), 0u);
    EXPECT_EQ(image.GetImagePixelFormat(), 0);
    const GpStatus before = image.LastStatus;
    EXPECT_EQ(image.GetFormatKind(), ifUndefined);
    EXPECT_EQ(image.LastStatus, before); // the raw-format query's status is not kept
    EXPECT_EQ(image.GetBitsPerPixel(), 32u);
    EXPECT_TRUE(image.HasAlphaChannel());
    EXPECT_FALSE(image.IsIndexedFormat());
}

// ---- memory, start-up and shut-down ----

TEST_F(Recording, ObjectsLiveInGdiplusMemoryStartingGdiplusOnceMoreWhenItFails) {
    recorder::FailAllocations(1);
    auto* pen = new TGPPen(0xFF000000, 1);
    delete pen;
    ExpectCalls(Calls(), {
        "GdipAlloc() = null",
        "GdiplusStartup(1, null, 1, 0)",
        "GdipAlloc()",
        "GdipCreatePen1(ff000000, 1, 0) -> #1",
        "GdipDeletePen(#1)",
        "GdipFree()",
    });
}

TEST_F(Recording, TheHookIsUsedOnlyBeforeWindows6) {
    StartGdiplus(false);
    ShutdownGdiplus(false, false);
    StartGdiplus(true);
    ShutdownGdiplus(false, true);
    StartGdiplus(true);
    ShutdownGdiplus(true, true); // a library leaves GDI+ started
    ExpectCalls(Calls(), {
        "GdiplusStartup(1, null, 1, 0)", "NotificationHook()", "NotificationUnhook(4242)", "GdiplusShutdown(77)",
        "GdiplusStartup(1, null, 1, 0)", "GdiplusShutdown(77)",
        "GdiplusStartup(1, null, 1, 0)",
    });
}

// ---- the picture: decoding and freeing order ----

TEST_F(Recording, UpdateImageSizeReadsTheWholeStreamAndFreesTheImage) {
    auto picture = PictureOf("PNGDATA");
    EXPECT_TRUE(picture->UpdateImageSize());
    EXPECT_EQ(picture->Width(), 4);
    ExpectCalls(Calls(), {
        "GdipAlloc()",
        "GdipLoadImageFromDelegate_linux(504e/4/7/0/2) -> #1",
        "GdipGetImageWidth(#1)",
        "GdipGetImageHeight(#1)",
        "GdipDisposeImage(#1)",
        "GdipFree()",
    });
}

TEST_F(Recording, DrawMakesGraphicsAfterTheStreamAndFreesTheImageFirst) {
    auto picture = PictureOf("GIFDATA");
    auto surface = CreateSurface(8, 8);
    TCanvas canvas(surface.get());
    picture->Draw(canvas, Rect(1, 2, 7, 5));
    ExpectCalls(CallsNamed({"GdipGetImageGraphicsContext", "GdipLoad", "GdipDraw", "GdipDelete", "GdipDispose"}), {
        "GdipGetImageGraphicsContext(#1)",
        "GdipLoadImageFromDelegate_linux(4749/4/7/0/2)",
        "GdipDrawImageRect(#2, #3, 1, 2, 6, 3)",
        "GdipDisposeImage(#3)",
        "GdipDeleteGraphics(#2)",
        "GdipDisposeImage(#1)",
    });
}

TEST_F(Recording, TransparentBmpIsKeyedOnItsBottomLeftPixelAtItsOwnSize) {
    auto picture = PictureOf("BMDATA");
    picture->SetTransparent(true);
    recorder::Answers().RawFormat = 0xb96b3cab; // BMP
    TSurface surface;
    TGPGraphics g(&surface);
    recorder::Calls().clear();
    picture->DrawOnGraphics(g, Rect(10, 20, 50, 60));
    ExpectCalls(Calls(), {
        "GdipAlloc()",
        "GdipLoadImageFromDelegate_linux(424d/4/6/0/2) -> #3",
        "GdipGetImageWidth(#3)",
        "GdipGetImageHeight(#3)",
        "GdipGetImageRawFormat(#3)",
        "GdipAlloc()",
        "GdipLoadImageFromDelegate_linux(424d/4/6/0/2) -> #4",
        "GdipBitmapGetPixel(#4, 0, 2)",
        "GdipDisposeImage(#4)",
        "GdipFree()",
        "GdipAlloc()",
        "GdipCreateImageAttributes() -> #5",
        "GdipSetImageAttributesColorKeys(#5, 0, 1, ff00ff00, ff00ff00)",
        "GdipDrawImageRectRect(#2, #3, 10, 20, 4, 3, 0, 0, 4, 3, 2, #5, null, null)",
        "GdipDisposeImageAttributes(#5)",
        "GdipFree()",
        "GdipDisposeImage(#3)",
        "GdipFree()",
    });
}

TEST_F(Recording, TextureBrushGoesBeforeItsImage) {
    auto picture = PictureOf("JPGDATA");
    TSurface surface;
    TGPGraphics g(&surface);
    TGPGraphicsPath path(0);
    recorder::Calls().clear();
    picture->FillPathWithTexture(g, path);
    ExpectCalls(CallsNamed({"GdipCreateTexture", "GdipFill", "GdipDelete", "GdipDispose"}), {
        "GdipCreateTexture(#4, 0)",
        "GdipFillPath(#2, #5, #3)",
        "GdipDeleteBrush(#5)",
        "GdipDisposeImage(#4)",
    });
}

TEST_F(Recording, AnEmptyPictureCallsNothing) {
    TAdvGDIPPicture empty;
    TSurface surface;
    TGPGraphics g(&surface);
    recorder::Calls().clear();
    EXPECT_FALSE(empty.UpdateImageSize());
    empty.DrawOnGraphics(g, Rect(0, 0, 5, 5));
    empty.FillRectWithTexture(g, MakeRectF(0, 0, 5, 5));
    EXPECT_TRUE(Calls().empty());
}
