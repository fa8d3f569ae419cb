// libgdiplus has no device contexts and no COM streams: a canvas handle is the surface itself, which
// libgdiplus draws into in place, and images come in through its delegate loader. It also answers a
// family name it does not know with a fallback family; fontconfig tells the two apart.
#include <fontconfig/fontconfig.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/CodePage.h"
#include "platform/ComStream.h"
#include "platform/GdiPlusPlatform.h"
#include "platform/Surface.h"

namespace {
struct TBinding {
    GpBitmap* Bitmap{nullptr};
    std::unique_ptr<uint32_t[]> Scratch; // stands in for the surface when nothing of it may be drawn
};

std::map<GpGraphics*, TBinding>& Bindings() {
    static std::map<GpGraphics*, TBinding> bindings;
    return bindings;
}

constexpr int32_t kMatrixOrderPrepend = 0;
} // namespace

// The bitmap covers only the clip rectangle of the surface, so nothing outside it can be drawn even
// after the user resets the GDI+ clip; the world moves by the canvas origin.
GpStatus PlatformCreateGraphics(void* DeviceContext, GpGraphics** Graphics) {
    *Graphics = nullptr;
    auto* surface = static_cast<TSurface*>(DeviceContext);
    if (!surface) return InvalidParameter;
    const int left = std::max(surface->ClipLeft, 0), top = std::max(surface->ClipTop, 0);
    const int right = std::min(surface->ClipRight, surface->Width);
    const int bottom = std::min(surface->ClipBottom, surface->Height);
    TBinding binding;
    uint8_t* scan0 = nullptr;
    int width = right - left, height = bottom - top, stride = surface->Stride;
    if (width > 0 && height > 0 && surface->Bits) {
        scan0 = reinterpret_cast<uint8_t*>(surface->Row(top) + left);
    } else {
        binding.Scratch = std::make_unique<uint32_t[]>(1);
        scan0 = reinterpret_cast<uint8_t*>(binding.Scratch.get());
        width = height = 1;
        stride = 4;
    }
    GpStatus status = GdipCreateBitmapFromScan0(width, height, stride, PixelFormat32bppPARGB, scan0, &binding.Bitmap);
    if (status != Ok) return status;
    status = GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(binding.Bitmap), Graphics);
    if (status != Ok) {
        GdipDisposeImage(reinterpret_cast<GpImage*>(binding.Bitmap));
        *Graphics = nullptr;
        return status;
    }
    const int dx = binding.Scratch ? -1 << 20 : surface->OriginX - left;
    const int dy = binding.Scratch ? -1 << 20 : surface->OriginY - top;
    GdipTranslateWorldTransform(*Graphics, static_cast<REAL>(dx), static_cast<REAL>(dy), kMatrixOrderPrepend);
    // Until the map holds them, the graphics and its bitmap are freed if the insertion throws.
    const auto freeGraphics = [](GpGraphics* g) { GdipDeleteGraphics(g); };
    const auto freeBitmap = [](GpBitmap* b) { GdipDisposeImage(reinterpret_cast<GpImage*>(b)); };
    std::unique_ptr<GpGraphics, decltype(freeGraphics)> graphics(*Graphics, freeGraphics);
    std::unique_ptr<GpBitmap, decltype(freeBitmap)> bitmap(binding.Bitmap, freeBitmap);
    *Graphics = nullptr;
    Bindings().emplace(graphics.get(), std::move(binding));
    bitmap.release();
    *Graphics = graphics.release();
    return Ok;
}

GpStatus PlatformDeleteGraphics(GpGraphics* Graphics) {
    const GpStatus status = GdipDeleteGraphics(Graphics);
    auto found = Bindings().find(Graphics);
    if (found != Bindings().end()) {
        GdipDisposeImage(reinterpret_cast<GpImage*>(found->second.Bitmap));
        Bindings().erase(found);
    }
    return status;
}

// The delegates carry no context: the stream being read is the one of the load in progress.
namespace {
thread_local TComStream* gReading = nullptr;

int64_t StreamSeek(int64_t Offset, uint32_t Origin) {
    uint64_t position = 0;
    if (gReading->Seek(Offset, Origin, &position) != S_OK) return -1;
    return static_cast<int64_t>(position);
}

int ReadBytes(uint8_t* Buffer, int Size, GpBool Peek) {
    if (Size <= 0) return 0;
    uint32_t got = 0;
    if (gReading->Read(Buffer, static_cast<uint32_t>(Size), &got) != S_OK) return -1;
    if (Peek) StreamSeek(-static_cast<int64_t>(got), 1);
    return static_cast<int>(got);
}

int GetHeader(uint8_t* Buffer, int Size) { return ReadBytes(Buffer, Size, 1); }
int GetBytes(uint8_t* Buffer, int Size, GpBool Peek) { return ReadBytes(Buffer, Size, Peek); }
int PutBytes(uint8_t*, int) { return -1; }
long Seek(int Offset, int Whence) { return static_cast<long>(StreamSeek(Offset, static_cast<uint32_t>(Whence))); }
void Close() {}
long Size() {
    TComStatStg record{};
    if (gReading->Stat(&record, 1) != S_OK) return -1;
    return static_cast<long>(record.cbSize);
}

// libgdiplus may report success for a file it read no picture from (a TIFF whose directory yields
// no frame), and then crashes on the first query of the image; GDI+ fails such a load.
bool HasFrame(GpImage* Image) {
    GpGuid dimension;
    uint32_t frames = 0;
    return GdipImageGetFrameDimensionsList(Image, &dimension, 1) == Ok &&
           GdipImageGetFrameCount(Image, &dimension, &frames) == Ok && frames > 0;
}

GpStatus LoadThroughDelegates(TComStream* Stream, GpImage** Image) {
    *Image = nullptr;
    if (!Stream) return InvalidParameter;
    TComStream* outer = gReading;
    gReading = Stream;
    const GpStatus status = GdipLoadImageFromDelegate_linux(GetHeader, GetBytes, PutBytes, Seek, Close, Size, Image);
    gReading = outer;
    if (status == Ok && !HasFrame(*Image)) {
        GdipDisposeImage(*Image);
        *Image = nullptr;
        return GenericError;
    }
    return status;
}
} // namespace

GpStatus PlatformLoadImage(TComStream* Stream, bool, GpImage** Image) { return LoadThroughDelegates(Stream, Image); }

GpStatus PlatformCreateBitmap(TComStream* Stream, bool, GpBitmap** Bitmap) {
    GpImage* image = nullptr;
    const GpStatus status = LoadThroughDelegates(Stream, &image);
    *Bitmap = reinterpret_cast<GpBitmap*>(image);
    return status;
}

namespace {
bool Installed(const std::string& Family) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(Family.c_str()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    const bool found = fonts && fonts->nfont > 0;
    if (fonts) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

// The family names the configuration puts in a request for Family, in its order, in lower case.
std::vector<std::string> Substitutes(const std::string& Family) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(Family.c_str()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    std::vector<std::string> names;
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        names.push_back(LowerCaseAscii(reinterpret_cast<const char*>(name)));
    FcPatternDestroy(pattern);
    return names;
}

// The family of the font fontconfig gives a request for Family, in lower case; empty when none.
std::string MatchedFamily(const std::string& Family) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(Family.c_str()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* font = FcFontMatch(nullptr, pattern, &result);
    std::string matched;
    FcChar8* name = nullptr;
    if (font && FcPatternGetString(font, FC_FAMILY, 0, &name) == FcResultMatch)
        matched = LowerCaseAscii(reinterpret_cast<const char*>(name));
    if (font) FcPatternDestroy(font);
    FcPatternDestroy(pattern);
    return matched;
}

size_t Rank(const std::vector<std::string>& Names, const std::string& Name) {
    return static_cast<size_t>(std::find(Names.begin(), Names.end(), Name) - Names.begin());
}

// Installed, or given a font the configuration brings forward for this name: an alias such as
// Arial's metric twins (Liberation Sans, or Nimbus Sans where only URW's fonts are installed), or
// whatever a user's own configuration names. A name nobody knows gets the generic fallbacks; a
// font that stands no earlier among this name's substitutes than among an unknown name's is one of
// those.
bool FamilyAvailable(const std::string& Family) {
    if (Family.empty()) return false;
    if (Installed(Family)) return true;
    const std::string given = MatchedFamily(Family);
    if (given.empty()) return false;
    return Rank(Substitutes(Family), given) < Rank(Substitutes("Velundo No Such Family 7f3a"), given);
}

// The answer for each family asked about: fontconfig's configuration is loaded once per process, and
// a label asks again on every paint.
bool FamilyAvailableCached(const std::string& Family) {
    static std::map<std::string, bool> answers;
    const auto known = answers.find(Family);
    if (known != answers.end()) return known->second;
    return answers[Family] = FamilyAvailable(Family);
}
} // namespace

GpStatus PlatformCreateFontFamily(const char16_t* Name, GpFontFamily** Family) {
    *Family = nullptr;
    if (Name && !FamilyAvailableCached(Utf16ToUtf8(std::u16string_view(Name)))) return FontFamilyNotFound;
    return GdipCreateFontFamilyFromName(Name, nullptr, Family);
}

// libgdiplus lays text out with Pango, which matches and sorts fonts for each new font request on
// short-lived threads of its own; while they run they hold fontconfig caches. GdiplusShutdown ends
// fontconfig (FcFini), which asserts that no cache is held any more, so a shut-down that follows the
// last text too closely aborts the process. Pango offers no way to wait for those threads, so we wait
// (boundedly) until none is left. GLib cannot give them their names ("[pango] FcFontSetSort" is longer
// than a thread name may be), so they keep the program's name; threads GLib or GTK start for
// themselves carry names of their own.
namespace {
std::string ThreadName(const std::string& Path) {
    std::ifstream file(Path);
    std::string name;
    std::getline(file, name);
    return name;
}

bool FontThreadsRunning() {
    const std::string program = ThreadName("/proc/self/comm");
    const std::string self = std::to_string(gettid());
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
        const std::string tid = task.path().filename().string();
        if (tid == self || tid == std::to_string(getpid())) continue;
        const std::string name = ThreadName(task.path().string() + "/comm");
        if (name == program || name.rfind("[pango]", 0) == 0) return true;
    }
    return false;
}
} // namespace

void PlatformSettleBeforeShutdown() {
    using namespace std::chrono_literals;
    const auto giveUp = std::chrono::steady_clock::now() + 5s;
    while (FontThreadsRunning() && std::chrono::steady_clock::now() < giveUp) std::this_thread::sleep_for(1ms);
}

bool IsWindows6OrLater() { return true; }

bool IsRunningInLibrary() { return false; }

