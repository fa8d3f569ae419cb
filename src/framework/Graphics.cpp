#include "framework/Graphics.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

#include "platform/Screen.h"
#include "platform/SysColors.h"

uint32_t ColorToRGB(TColor Color) {
    if ((static_cast<uint32_t>(Color) & 0xFF000000u) == 0xFF000000u) return GetSystemColor(Color & 0xFF);
    return static_cast<uint32_t>(Color) & 0x00FFFFFFu;
}

TRect IntersectRect(const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    if (r.IsEmpty()) return TRect{};
    return r;
}

namespace {
uint32_t OpaquePixel(uint32_t rgb) {
    return 0xFF000000u | (GetRValue(rgb) << 16) | (GetGValue(rgb) << 8) | GetBValue(rgb);
}

// Un-premultiplies a surface pixel back to 0x00BBGGRR.
uint32_t PixelToRgb(uint32_t p) {
    const uint32_t a = p >> 24;
    if (a == 0) return 0;
    auto un = [a](uint32_t c) { return a == 255 ? c : std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
    return RGB(un((p >> 16) & 0xFF), un((p >> 8) & 0xFF), un(p & 0xFF));
}
} // namespace

TCanvas::TCanvas(TSurface* Surface) { SetSurface(Surface); }

void TCanvas::SetSurface(TSurface* Surface) {
    FSurface = Surface;
    FOrigin = TPoint{};
    FClip = Surface ? TRect{0, 0, Surface->Width, Surface->Height} : TRect{};
}

void* TCanvas::Handle() const {
    if (!FSurface) return nullptr;
    // Whatever binds to the handle draws at this canvas's origin and inside its clip rectangle.
    FSurface->SetDeviceState(FOrigin.X, FOrigin.Y, FClip.Left, FClip.Top, FClip.Right, FClip.Bottom);
    return FSurface->NativeHandle ? FSurface->NativeHandle : FSurface;
}

void TCanvas::SetClipRect(const TRect& Value) {
    FClip = FSurface ? IntersectRect(Value, TRect{0, 0, FSurface->Width, FSurface->Height}) : TRect{};
}

void TCanvas::FillSpan(int Y, int X0, int X1, uint32_t Rgb) {
    if (!FSurface) return;
    const int y = Y + FOrigin.Y;
    if (y < FClip.Top || y >= FClip.Bottom) return;
    const int x0 = std::max(X0 + FOrigin.X, FClip.Left);
    const int x1 = std::min(X1 + FOrigin.X, FClip.Right);
    if (x0 >= x1) return;
    std::fill(FSurface->Row(y) + x0, FSurface->Row(y) + x1, OpaquePixel(Rgb));
}

void TCanvas::PutPixel(int X, int Y, uint32_t Rgb) { FillSpan(Y, X, X + 1, Rgb); }

void TCanvas::FillRect(const TRect& R) {
    if (Brush.Style == bsClear) return;
    const uint32_t rgb = ColorToRGB(Brush.Color);
    for (int y = R.Top; y < R.Bottom; ++y) FillSpan(y, R.Left, R.Right, rgb);
}

// Ellipse and rounded rectangle share one scan: each row of R has one span [l, r) inside the shape.
// The brush fills the spans; the pen draws every inside pixel that has a 4-neighbour outside.
namespace {
using TSpans = std::vector<std::pair<int, int>>; // one [l, r) per row, relative to the box

void FillSpans(TCanvas& c, const TRect& R, const TSpans& spans) {
    auto inside = [&](int x, int y) {
        if (y < R.Top || y >= R.Bottom) return false;
        const auto& s = spans[y - R.Top];
        return x >= R.Left + s.first && x < R.Left + s.second;
    };
    const bool pen = c.Pen.Style != psClear, brush = c.Brush.Style != bsClear;
    const uint32_t penRgb = ColorToRGB(c.Pen.Color), brushRgb = ColorToRGB(c.Brush.Color);
    for (int y = R.Top; y < R.Bottom; ++y) {
        const auto [l, r] = spans[y - R.Top];
        for (int x = R.Left + l; x < R.Left + r; ++x) {
            const bool border = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            if (pen && border) c.PutPixel(x, y, penRgb);
            else if (brush) c.PutPixel(x, y, brushRgb);
        }
    }
}

template <typename EdgeFn>
void FillShape(TCanvas& c, const TRect& R, EdgeFn edge) {
    TSpans spans(R.Height());
    for (int y = R.Top; y < R.Bottom; ++y) {
        edge(y, spans[y - R.Top].first, spans[y - R.Top].second);
        spans[y - R.Top].first -= R.Left;
        spans[y - R.Top].second -= R.Left;
    }
    FillSpans(c, R, spans);
}
} // namespace

// The pixels GDI's Ellipse covers with a one-pixel pen: the outline traced pixel by pixel along the
// ellipse through the centres of the box's edge pixels (the integer midpoint tracing of A. Zingl's
// "A Rasterizing Algorithm for Drawing Curves", stepping across only when the error asks for it),
// filled row by row. A box one or two pixels across is all outline, but a single pixel's box covers
// nothing. A slim ellipse ends where the tracing does, when its two sides meet: the rows above and
// below its tips stay empty, as GDI leaves them.
std::vector<std::pair<int, int>> EllipseSpans(int Width, int Height) {
    TSpans spans(std::max(Height, 0), {0, 0});
    if (Width <= 0 || Height <= 0 || (Width == 1 && Height == 1)) return spans;
    if (Width <= 2 || Height <= 2) {
        std::fill(spans.begin(), spans.end(), std::pair{0, Width});
        return spans;
    }
    auto plot = [&](int x, int y) {
        if (y < 0 || y >= Height) return;
        auto& s = spans[y];
        if (s.first == s.second) s = {x, x + 1};
        else s = {std::min(s.first, x), std::max(s.second, x + 1)};
    };
    int64_t a = Width - 1, b = Height - 1, b1 = b & 1;
    int64_t dx = 4 * (1 - a) * b * b, dy = 4 * (b1 + 1) * a * a;
    int64_t err = dx + dy + b1 * a * a;
    int x0 = 0, x1 = Width - 1;
    int y0 = static_cast<int>((b + 1) / 2), y1 = y0 - static_cast<int>(b1);
    a *= 8 * a;
    b1 = 8 * b * b;
    do {
        plot(x0, y0);
        plot(x1, y0);
        plot(x0, y1);
        plot(x1, y1);
        const int64_t e2 = 2 * err;
        if (e2 <= dy) {
            ++y0;
            --y1;
            err += dy += a;
        }
        if (e2 >= dx) {
            ++x0;
            --x1;
            err += dx += b1;
        }
    } while (x0 <= x1);
    return spans;
}

void TCanvas::Ellipse(const TRect& R) {
    if (R.IsEmpty()) return;
    FillSpans(*this, R, EllipseSpans(R.Width(), R.Height()));
}

void TCanvas::RoundRect(const TRect& R, int CornerWidth, int CornerHeight) {
    if (R.IsEmpty()) return;
    const double rx = std::min(CornerWidth, R.Width()) / 2.0, ry = std::min(CornerHeight, R.Height()) / 2.0;
    FillShape(*this, R, [&](int y, int& l, int& r) {
        l = R.Left;
        r = R.Right;
        if (rx <= 0 || ry <= 0) return;
        const double yc = y + 0.5;
        double dy = 0;
        if (yc < R.Top + ry) dy = (R.Top + ry - yc) / ry;
        else if (yc > R.Bottom - ry) dy = (yc - (R.Bottom - ry)) / ry;
        if (dy <= 0) return;
        const double inset = rx - rx * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        l = R.Left + static_cast<int>(std::lround(inset));
        r = R.Right - static_cast<int>(std::lround(inset));
    });
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
    if (Graphic && !Graphic->Empty()) Graphic->Draw(*this, Bounds(X, Y, Graphic->Width(), Graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& R, TGraphic* Graphic) {
    if (Graphic && !Graphic->Empty()) Graphic->Draw(*this, R);
}

uint32_t TCanvas::Pixel(int X, int Y) const {
    if (!FSurface) return 0;
    const int x = X + FOrigin.X, y = Y + FOrigin.Y;
    if (x < 0 || y < 0 || x >= FSurface->Width || y >= FSurface->Height) return 0;
    return PixelToRgb(FSurface->Row(y)[x]);
}

void TCanvas::SetPixel(int X, int Y, TColor Color) { PutPixel(X, Y, ColorToRGB(Color)); }

void TGraphic::LoadFromFile(const std::string& FileName) {
    TFileStream stream(FileName, fmOpenRead);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& FileName) {
    TFileStream stream(FileName, fmCreate);
    SaveToStream(stream);
}

void TGraphic::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    Changed(this);
}

void TGraphic::Changed(TObject*) {
    FModified = true;
    if (OnChange) OnChange(this);
}

namespace {
struct TFormatEntry {
    std::string Extension; // lower case, no dot
    std::string Description;
    std::string ClassName;
    TGraphicFactory Factory;
};

std::vector<TFormatEntry>& Formats() {
    static std::vector<TFormatEntry> formats;
    return formats;
}
} // namespace

void TPictureRegistry::RegisterFileFormat(const std::string& Extension, const std::string& Description,
                                          const std::string& ClassName, TGraphicFactory Factory) {
    Formats().push_back({LowerCaseAscii(Extension), Description, ClassName, std::move(Factory)});
}

void TPictureRegistry::UnregisterClass(const std::string& ClassName) {
    auto& f = Formats();
    f.erase(std::remove_if(f.begin(), f.end(), [&](const TFormatEntry& e) { return e.ClassName == ClassName; }),
            f.end());
}

std::unique_ptr<TGraphic> TPictureRegistry::CreateForExtension(const std::string& Extension) {
    const std::string ext = LowerCaseAscii(Extension);
    for (const auto& e : Formats())
        if (e.Extension == ext) return e.Factory();
    if (ext == "bmp") return std::make_unique<TBitmap>();
    return nullptr;
}

std::unique_ptr<TGraphic> TPictureRegistry::CreateForClassName(const std::string& ClassName) {
    const auto& formats = Formats();
    for (auto e = formats.rbegin(); e != formats.rend(); ++e) // the most recently registered first
        if (e->ClassName == ClassName) return e->Factory();
    if (ClassName == "TBitmap") return std::make_unique<TBitmap>();
    return nullptr;
}

std::string TPictureRegistry::DescriptionOf(const std::string& Extension) {
    const std::string ext = LowerCaseAscii(Extension);
    for (const auto& e : Formats())
        if (e.Extension == ext) return e.Description;
    return {};
}

std::string TPictureRegistry::FileMask() {
    std::string mask = "*.bmp";
    for (const auto& e : Formats()) mask += ";*." + e.Extension;
    return mask;
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> Value) {
    FGraphic = std::move(Value);
    if (FGraphic) FGraphic->OnChange = [this](TObject*) {
            if (OnChange) OnChange(this);
        };
    if (OnChange) OnChange(this);
}

void TPicture::LoadFromFile(const std::string& FileName) {
    const auto dot = FileName.find_last_of('.');
    const std::string ext = dot == std::string::npos ? std::string() : FileName.substr(dot + 1);
    auto graphic = TPictureRegistry::CreateForExtension(ext);
    if (!graphic) throw EInvalidGraphic("Unbekannte Bilddateierweiterung (." + ext + ")");
    graphic->LoadFromFile(FileName);
    SetGraphic(std::move(graphic));
}

bool TGraphic::Equals(TGraphic* Graphic) {
    if (!Graphic || Graphic->ClassName() != ClassName()) return false;
    TMemoryStream mine, theirs;
    WriteData(mine);
    Graphic->WriteData(theirs);
    return mine.Bytes() == theirs.Bytes();
}

void TPicture::ReadStoredData(TStream& Stream) {
    uint8_t length = 0;
    Stream.ReadBuffer(&length, 1);
    std::string name(length, '\0');
    Stream.ReadBuffer(name.data(), length);
    auto graphic = TPictureRegistry::CreateForClassName(name);
    if (!graphic) {
        SetGraphic(nullptr);
        return;
    }
    graphic->ReadData(Stream);
    SetGraphic(std::move(graphic));
}

void TPicture::WriteStoredData(TStream& Stream) {
    const std::string name = FGraphic ? FGraphic->ClassName() : std::string();
    const auto length = static_cast<uint8_t>(name.size());
    Stream.WriteBuffer(&length, 1);
    Stream.WriteBuffer(name.data(), length);
    if (FGraphic) FGraphic->WriteData(Stream);
}

std::vector<TPaletteEntry> CreateHalftonePalette() {
    std::vector<TPaletteEntry> palette;
    for (uint32_t rgb : ScreenHalftonePalette()) palette.push_back({GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)});
    return palette;
}

int ScreenColorDepth() { return ScreenBitsPerPixel(); }
