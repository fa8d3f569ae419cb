#pragma once
// Colours, rectangles, the canvas that painting goes to, and the graphic classes (TGraphic, TBitmap)
// with the registry of picture classes by file extension and class name.
#include <cstdint>
#include <cstdlib>
#include <new>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Classes.h"
#include "platform/Surface.h"

// 0x00BBGGRR; a top byte of 0xFF marks a system colour whose index is the low byte.
using TColor = int32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clInfoBk = clSystemColor | 24;
constexpr TColor clGrayText = clSystemColor | 17;

// Resolves a system colour to its current value; other colours come back unchanged (less the top byte).
uint32_t ColorToRGB(TColor Color);
inline uint8_t GetRValue(uint32_t c) { return c & 0xFF; }
inline uint8_t GetGValue(uint32_t c) { return (c >> 8) & 0xFF; }
inline uint8_t GetBValue(uint32_t c) { return (c >> 16) & 0xFF; }
inline uint32_t RGB(uint8_t r, uint8_t g, uint8_t b) { return r | (g << 8) | (b << 16); }

struct TPoint {
    int X{0};
    int Y{0};
    bool operator==(const TPoint&) const = default;
};

struct TRect {
    int Left{0};
    int Top{0};
    int Right{0};
    int Bottom{0};
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool operator==(const TRect&) const = default;
};
inline TRect Rect(int l, int t, int r, int b) { return TRect{l, t, r, b}; }
inline TRect Bounds(int l, int t, int w, int h) { return TRect{l, t, l + w, t + h}; }
TRect IntersectRect(const TRect& a, const TRect& b);
// The pixels an ellipse with a one-pixel pen covers in a box of this size: one span [left, right)
// per row, relative to the box; an empty row has left == right.
std::vector<std::pair<int, int>> EllipseSpans(int Width, int Height);

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TBrushStyle { bsSolid, bsClear };

struct TPen {
    TColor Color{clBlack};
    int Width{1};
    TPenStyle Style{psSolid};
};

struct TBrush {
    TColor Color{clWhite};
    TBrushStyle Style{bsSolid};
};

class TGraphic;

// Draws into a surface. Coordinates are logical: the origin moves them to the surface, and nothing is
// drawn outside the clip rectangle (kept in surface coordinates). Pixels are opaque RGB unless a
// painter (GDI+) writes alpha itself.
class TCanvas : public TPersistent {
public:
    TCanvas() = default;
    explicit TCanvas(TSurface* Surface);

    TPen Pen;
    TBrush Brush;

    TSurface* Surface() const { return FSurface; }
    void SetSurface(TSurface* Surface);
    // The device context GDI+ binds to: an HDC on Windows, the surface itself elsewhere.
    void* Handle() const;
    TPoint Origin() const { return FOrigin; }
    void SetOrigin(TPoint Value) { FOrigin = Value; }
    TRect ClipRect() const { return FClip; } // surface coordinates
    void SetClipRect(const TRect& Value);

    void FillRect(const TRect& R);
    void Ellipse(const TRect& R);
    void RoundRect(const TRect& R, int CornerWidth, int CornerHeight);
    void Draw(int X, int Y, TGraphic* Graphic);
    void StretchDraw(const TRect& R, TGraphic* Graphic);
    uint32_t Pixel(int X, int Y) const; // 0x00BBGGRR, logical coordinates
    void SetPixel(int X, int Y, TColor Color);
    // Writes one opaque pixel at logical coordinates when it lies inside the clip rectangle.
    void PutPixel(int X, int Y, uint32_t Rgb);

private:
    void FillSpan(int Y, int X0, int X1, uint32_t Rgb); // logical, X1 exclusive

    TSurface* FSurface{nullptr};
    TPoint FOrigin;
    TRect FClip;
};

// A picture of some format: knows its size and draws itself onto a canvas.
class TGraphic : public TPersistent {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int Value) = 0;
    virtual void SetHeight(int Value) = 0;
    virtual bool Empty() const = 0;
    virtual void Draw(TCanvas& ACanvas, const TRect& R) = 0;
    virtual void LoadFromStream(TStream& Stream) = 0;
    virtual void SaveToStream(TStream& Stream) = 0;
    virtual void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName);
    virtual std::string ClassName() const = 0;
    // The picture's own part of its stored form in a window description (after the class name).
    virtual void ReadData(TStream& Stream) { LoadFromStream(Stream); }
    virtual void WriteData(TStream& Stream) { SaveToStream(Stream); }
    // Same class and the same stored data.
    virtual bool Equals(TGraphic* Graphic);

    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);
    bool Modified() const { return FModified; }
    void SetModified(bool Value) { FModified = Value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnProgress; // formats that decode in steps report here; the data is theirs

protected:
    virtual void Changed(TObject* Sender);

private:
    bool FTransparent{false};
    bool FModified{false};
};

using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;

// The picture classes the program knows, by file extension (for files) and by class name (for the
// stored window description, matched exactly).
class TPictureRegistry {
public:
    static void RegisterFileFormat(const std::string& Extension, const std::string& Description,
                                   const std::string& ClassName, TGraphicFactory Factory);
    static void UnregisterClass(const std::string& ClassName);
    // Extension without the dot, compared without regard to case; null when unknown.
    static std::unique_ptr<TGraphic> CreateForExtension(const std::string& Extension);
    static std::unique_ptr<TGraphic> CreateForClassName(const std::string& ClassName);
    static std::string DescriptionOf(const std::string& Extension);
    // "*.jpeg;*.jpg"-style filter for an open dialog.
    static std::string FileMask();
};

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf24bit, pf32bit };

struct TPaletteEntry {
    uint8_t Red{0};
    uint8_t Green{0};
    uint8_t Blue{0};
    bool operator==(const TPaletteEntry&) const = default;
};

class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

class EInvalidGraphicOperation : public EInvalidGraphic {
public:
    using EInvalidGraphic::EInvalidGraphic;
};

// The halftone palette of the screen, for showing true-colour pictures on a palette display.
std::vector<TPaletteEntry> CreateHalftonePalette();
// Bits per pixel times colour planes of the screen.
int ScreenColorDepth();

// Zeroed memory from calloc: a large block comes as fresh zero pages, without a clearing pass over it,
// and growing a vector of it writes nothing. Bitmap rows live in it.
template <typename T>
struct TZeroedAllocator {
    using value_type = T;
    TZeroedAllocator() = default;
    template <typename U>
    TZeroedAllocator(const TZeroedAllocator<U>&) {}
    T* allocate(size_t n) {
        if (void* p = std::calloc(n, sizeof(T))) return static_cast<T*>(p);
        throw std::bad_alloc();
    }
    void deallocate(T* p, size_t) { std::free(p); }
    template <typename U>
    void construct(U*) noexcept {} // already zero
    template <typename U, typename... A>
    void construct(U* p, A&&... a) {
        ::new (static_cast<void*>(p)) U(std::forward<A>(a)...);
    }
    template <typename U>
    bool operator==(const TZeroedAllocator<U>&) const { return true; }
};
using TBitmapBits = std::vector<uint8_t, TZeroedAllocator<uint8_t>>;

// A device-independent bitmap: 8-bit (palette indices), 24-bit or 32-bit rows in blue-green-red
// order, rows top-down. Draws itself stretched, optionally leaving out its transparent colour.
class TBitmap : public TGraphic {
public:
    TBitmap() = default;
    std::string ClassName() const override { return "TBitmap"; }

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void SetWidth(int Value) override { SetSize(Value, FHeight); }
    void SetHeight(int Value) override { SetSize(FWidth, Value); }
    void SetSize(int AWidth, int AHeight);
    bool Empty() const override { return FWidth == 0 || FHeight == 0; }

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat Value);
    int BytesPerRow() const { return FStride; }
    uint8_t* ScanLine(int Row) { return FBits.data() + static_cast<size_t>(Row) * FStride; }
    const uint8_t* ScanLine(int Row) const { return FBits.data() + static_cast<size_t>(Row) * FStride; }

    const std::vector<TPaletteEntry>& Palette() const { return FPalette; }
    void SetPalette(std::vector<TPaletteEntry> Value);
    // The colour of a pixel (0x00BBGGRR).
    uint32_t PixelColor(int X, int Y) const;

    // The colour left out when drawing transparently: by default the bottom-left pixel.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor Value) { FTransparentColor = Value; }

    void Assign(const TPersistent* Source) override;
    void Draw(TCanvas& ACanvas, const TRect& R) override;
    // Draws the part Source of this bitmap into R of the canvas.
    void DrawPart(TCanvas& ACanvas, const TRect& R, const TRect& Source);
    // Reads a Windows BMP file (uncompressed 1, 4, 8, 24 or 32 bits, bottom-up or top-down).
    void LoadFromStream(TStream& Stream) override;
    // Writes a Windows BMP file (24 bits, or 8 bits with the palette).
    void SaveToStream(TStream& Stream) override;

private:
    int FWidth{0};
    int FHeight{0};
    int FStride{0};
    TPixelFormat FPixelFormat{pf24bit};
    TBitmapBits FBits;
    std::vector<TPaletteEntry> FPalette;
    TColor FTransparentColor{clDefault};
};

// Holds one graphic of any registered class.
class TPicture : public TPersistent {
public:
    TGraphic* Graphic() const { return FGraphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> Value);
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }
    // Picks the class by the file's extension.
    void LoadFromFile(const std::string& FileName);
    // The stored form of a window description: a length byte and the class name, matched exactly
    // against the registered classes, then the graphic's own data. An unknown class leaves the
    // picture empty.
    void ReadStoredData(TStream& Stream);
    void WriteStoredData(TStream& Stream);
    TNotifyEvent OnChange;

private:
    std::unique_ptr<TGraphic> FGraphic;
};
