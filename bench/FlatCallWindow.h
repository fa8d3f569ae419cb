#pragma once
// The yardstick of a full repaint: the main window's client area painted straight with the GDI+
// flat calls into a 506 x 294 premultiplied ARGB buffer, nothing of our layers: the form's face,
// the 100 gradient bands, the panel's bevel, the banner, the caption with its shadow, the start
// button, the group box with its edit field and path button, and the two glyphs.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/GdiPlusFlat.h"

extern "C" {
GpStatus WINGDIPAPI GdipLoadImageFromFile(GDIPCONST char16_t* filename, GpImage** image);
GpStatus WINGDIPAPI GdipSetClipRect(GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height,
                                    int32_t combineMode);
}

#include "startup/same_window_layers.h"

class TFlatCallWindow {
public:
    static constexpr int Width = 506, Height = 294;
    std::vector<uint32_t> Pixels = std::vector<uint32_t>(Width * Height);

    // Starts GDI+ and loads the banner and the glyphs from Folder (decoded once, as the program decodes on
    // first draw).
    explicit TFlatCallWindow(const std::string& Folder) {
        GdiplusStartup(&FToken, &FInput, &FOutput);
        FBanner = Load(Folder + "/banner.jpg");
        FStartGlyph = Load(Folder + "/start.bmp");
        FFolderGlyph = Load(Folder + "/folder.bmp");
        GdipCreateImageAttributes(&FStartKey);
        GdipSetImageAttributesColorKeys(FStartKey, 0, 1, 0xFFF800F8, 0xFFF800F8);
        GdipCreateImageAttributes(&FFolderKey);
        GdipSetImageAttributesColorKeys(FFolderKey, 0, 1, 0xFFFF00FF, 0xFFFF00FF);
    }
    ~TFlatCallWindow() {
        GdipDisposeImageAttributes(FStartKey);
        GdipDisposeImageAttributes(FFolderKey);
        for (GpImage* image : {FBanner, FStartGlyph, FFolderGlyph})
            if (image) GdipDisposeImage(image);
        // GDI+ is not shut down: it stays up for the process, as in the program (see window_bench).
    }
    TFlatCallWindow(const TFlatCallWindow&) = delete;
    TFlatCallWindow& operator=(const TFlatCallWindow&) = delete;

    bool Loaded() const { return FBanner && FStartGlyph && FFolderGlyph; }

    // EndColor: the gradient's end colour as 0xRRGGBB, so that a caller can make each paint differ.
    void Paint(uint32_t EndColor) {
        GpBitmap* bitmap = nullptr;
        GdipCreateBitmapFromScan0(Width, Height, Width * 4, PixelFormat32bppPARGB,
                                  reinterpret_cast<uint8_t*>(Pixels.data()), &bitmap);
        GpGraphics* g = nullptr;
        GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(bitmap), &g);
        FillRect(g, kFace, 0, 0, Width, Height);
        GdipSetClipRect(g, 0, 57, Width, Height - 57, 0);
        ::Gradient(g, Width, Height, EndColor);
        GdipResetClip(g);
        Banner(g);
        Button(g, 16, 72, 465, 89);
        Glyph(g, FStartGlyph, FStartKey, 16 + 465 / 2 - 50, 72 + 89 / 2 - 8);
        FillRect(g, kFace, 16, 176, 465, 97);
        Frame(g, 17, 183, 465, 90, kHighlight, kHighlight);
        Frame(g, 16, 182, 464, 90, kShadow, kShadow);
        FillRect(g, kFace, 32, 208, 409, 21);
        Frame(g, 32, 208, 409, 21, kShadow, kHighlight);
        Frame(g, 33, 209, 407, 19, kDarkShadow, kLight);
        Button(g, 32, 240, 145, 25);
        Glyph(g, FFolderGlyph, FFolderKey, 32 + 145 / 2 - 40, 240 + 25 / 2 - 8);
        GdipDeleteGraphics(g);
        GdipDisposeImage(reinterpret_cast<GpImage*>(bitmap));
    }

private:
    static constexpr ARGB kFace = 0xFFF0F0F0, kShadow = 0xFFA0A0A0, kHighlight = 0xFFFFFFFF,
                          kDarkShadow = 0xFF696969, kLight = 0xFFE3E3E3;
    uintptr_t FToken{0};
    GdiplusStartupInput FInput;
    GdiplusStartupOutput FOutput;
    GpImage* FBanner{nullptr};
    GpImage* FStartGlyph{nullptr};
    GpImage* FFolderGlyph{nullptr};
    GpImageAttributes* FStartKey{nullptr};
    GpImageAttributes* FFolderKey{nullptr};

    static GpImage* Load(const std::string& Path) {
        const std::u16string wide(Path.begin(), Path.end()); // an ASCII path
        GpImage* image = nullptr;
        return GdipLoadImageFromFile(wide.c_str(), &image) == Ok ? image : nullptr;
    }

    // A one-pixel frame: top and left in TopLeft, bottom and right in BottomRight.
    static void Frame(GpGraphics* g, int X, int Y, int W, int H, ARGB TopLeft, ARGB BottomRight) {
        FillRect(g, TopLeft, REAL(X), REAL(Y), REAL(W - 1), 1);
        FillRect(g, TopLeft, REAL(X), REAL(Y), 1, REAL(H - 1));
        FillRect(g, BottomRight, REAL(X + W - 1), REAL(Y), 1, REAL(H));
        FillRect(g, BottomRight, REAL(X), REAL(Y + H - 1), REAL(W), 1);
    }

    static void Button(GpGraphics* g, int X, int Y, int W, int H) {
        FillRect(g, kFace, REAL(X), REAL(Y), REAL(W), REAL(H));
        Frame(g, X, Y, W, H, kHighlight, kDarkShadow);
        Frame(g, X + 1, Y + 1, W - 2, H - 2, kLight, kShadow);
    }

    static void Glyph(GpGraphics* g, GpImage* Image, GpImageAttributes* Key, int X, int Y) {
        if (Image)
            GdipDrawImageRectRect(g, Image, REAL(X), REAL(Y), 16, 16, 0, 0, 16, 16, UnitPixel, Key, nullptr,
                                  nullptr);
    }

    void Banner(GpGraphics* g) {
        FillRect(g, kFace, 0, 0, Width, 57);
        Frame(g, 0, 0, Width, 57, kShadow, kHighlight);
        GdipSetClipRect(g, 1, 1, Width - 2, 55, 0);
        if (FBanner)
            GdipDrawImageRectRect(g, FBanner, 1, 1, Width - 2, 55, 0, 0, Width - 2, 55, UnitPixel, nullptr, nullptr,
                                  nullptr);
        ::Caption(g);
        GdipResetClip(g);
    }
};
