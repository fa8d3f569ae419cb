// Every flat function the object layer declares, defined here to record instead of drawing.
#include "GdipRecorder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>

namespace recorder {
namespace {
std::vector<std::string> gCalls;
std::map<std::string, std::deque<GpStatus>> gFailures;
std::map<const void*, int> gIds;
int gNextId = 1;
int gFailAllocations = 0;
TImageAnswers gAnswers;
} // namespace

std::vector<std::string>& Calls() { return gCalls; }
TImageAnswers& Answers() { return gAnswers; }

void Reset() {
    gCalls.clear();
    gFailures.clear();
    gIds.clear();
    gNextId = 1;
    gFailAllocations = 0;
    gAnswers = TImageAnswers{};
}

void FailNext(const std::string& Name, GpStatus Status) { gFailures[Name].push_back(Status); }
void FailAllocations(int Count) { gFailAllocations = Count; }

std::vector<std::string> CallsNamed(std::initializer_list<const char*> Prefixes) {
    std::vector<std::string> out;
    for (const std::string& c : gCalls)
        for (const char* p : Prefixes)
            if (c.rfind(p, 0) == 0) {
                out.push_back(c.substr(0, c.find(" -> ")));
                break;
            }
    return out;
}

namespace {
GpStatus Answer(const char* Name) {
    auto& queue = gFailures[Name];
    if (queue.empty()) return Ok;
    const GpStatus s = queue.front();
    queue.pop_front();
    return s;
}

std::string H(const void* Handle) {
    if (!Handle) return "null";
    auto found = gIds.find(Handle);
    return found == gIds.end() ? "?" : "#" + std::to_string(found->second);
}
std::string F(double V) {
    char b[32];
    std::snprintf(b, sizeof b, "%g", V);
    return b;
}
std::string I(long long V) { return std::to_string(V); }
std::string X(uint32_t V) {
    char b[16];
    std::snprintf(b, sizeof b, "%x", V);
    return b;
}
std::string P(const void* Pointer) { return Pointer ? "ptr" : "null"; }
std::string W(const char16_t* Text, int Length) {
    std::string s = "\"";
    for (int i = 0; i < Length; ++i) s += Text[i] < 0x80 ? std::string(1, char(Text[i])) : "\\u" + X(Text[i]);
    return s + "\"";
}

std::string Join(std::initializer_list<std::string> Args) {
    std::string s;
    for (const std::string& a : Args) s += (s.empty() ? "" : ", ") + a;
    return s;
}

GpStatus Record(const char* Name, std::initializer_list<std::string> Args) {
    const GpStatus s = Answer(Name);
    gCalls.push_back(std::string(Name) + "(" + Join(Args) + ")" + (s ? " = " + I(s) : ""));
    return s;
}

// A creation call: on success a new numbered handle is written to Out.
template <typename T>
GpStatus Make(const char* Name, T** Out, std::initializer_list<std::string> Args) {
    const GpStatus s = Answer(Name);
    *Out = nullptr;
    std::string line = std::string(Name) + "(" + Join(Args) + ")";
    if (s == Ok) {
        const int id = gNextId++;
        *Out = reinterpret_cast<T*>(static_cast<uintptr_t>(0x10000 + id * 16));
        gIds[*Out] = id;
        line += " -> #" + I(id);
    } else {
        line += " = " + I(s);
    }
    gCalls.push_back(line);
    return s;
}

GpStatus WINGDIPAPI Hook(uintptr_t* Token) {
    *Token = 0x4242;
    gCalls.push_back("NotificationHook()");
    return Ok;
}
void WINGDIPAPI Unhook(uintptr_t Token) { gCalls.push_back("NotificationUnhook(" + X(uint32_t(Token)) + ")"); }
} // namespace
} // namespace recorder

using namespace recorder;

extern "C" {
GpStatus WINGDIPAPI GdiplusStartup(uintptr_t* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output) {
    *token = 0x77;
    output->NotificationHook = Hook;
    output->NotificationUnhook = Unhook;
    return Record(__func__, {I(input->GdiplusVersion), P(reinterpret_cast<const void*>(input->DebugEventCallback)),
                             I(input->SuppressBackgroundThread), I(input->SuppressExternalCodecs)});
}
void WINGDIPAPI GdiplusShutdown(uintptr_t token) { Record(__func__, {X(uint32_t(token))}); }
void* WINGDIPAPI GdipAlloc(size_t size) {
    if (gFailAllocations > 0) {
        --gFailAllocations;
        gCalls.push_back("GdipAlloc() = null");
        return nullptr;
    }
    gCalls.push_back("GdipAlloc()");
    void* p = std::malloc(size);
    std::memset(p, 0xCD, size); // the layer must clear it
    return p;
}
void WINGDIPAPI GdipFree(void* ptr) {
    gCalls.push_back("GdipFree()");
    std::free(ptr);
}

GpStatus WINGDIPAPI GdipCreateFromHDC(void* hdc, GpGraphics** graphics) { return Make(__func__, graphics, {P(hdc)}); }
GpStatus WINGDIPAPI GdipDeleteGraphics(GpGraphics* g) { return Record(__func__, {H(g)}); }
GpStatus WINGDIPAPI GdipSetTextRenderingHint(GpGraphics* g, int32_t mode) { return Record(__func__, {H(g), I(mode)}); }
GpStatus WINGDIPAPI GdipGetSmoothingMode(GpGraphics* g, int32_t* mode) {
    *mode = 3;
    return Record(__func__, {H(g)});
}
GpStatus WINGDIPAPI GdipSetSmoothingMode(GpGraphics* g, int32_t mode) { return Record(__func__, {H(g), I(mode)}); }
GpStatus WINGDIPAPI GdipDrawPath(GpGraphics* g, GpPen* pen, GpPath* path) { return Record(__func__, {H(g), H(pen), H(path)}); }
GpStatus WINGDIPAPI GdipFillRectangle(GpGraphics* g, GpBrush* b, REAL x, REAL y, REAL w, REAL h) {
    return Record(__func__, {H(g), H(b), F(x), F(y), F(w), F(h)});
}
GpStatus WINGDIPAPI GdipDrawRectangle(GpGraphics* g, GpPen* p, REAL x, REAL y, REAL w, REAL h) {
    return Record(__func__, {H(g), H(p), F(x), F(y), F(w), F(h)});
}
GpStatus WINGDIPAPI GdipDrawLine(GpGraphics* g, GpPen* p, REAL x1, REAL y1, REAL x2, REAL y2) {
    return Record(__func__, {H(g), H(p), F(x1), F(y1), F(x2), F(y2)});
}
GpStatus WINGDIPAPI GdipFillPath(GpGraphics* g, GpBrush* b, GpPath* p) { return Record(__func__, {H(g), H(b), H(p)}); }
GpStatus WINGDIPAPI GdipMeasureString(GpGraphics* g, const char16_t* s, int32_t n, const GpFont* f, const RectF* r,
                                      const GpStringFormat* fmt, RectF* box, int32_t* fitted, int32_t* lines) {
    *box = *r;
    return Record(__func__, {H(g), W(s, n), I(n), H(f), F(r->X), F(r->Y), F(r->Width), F(r->Height), H(fmt),
                             P(fitted), P(lines)});
}
GpStatus WINGDIPAPI GdipDrawString(GpGraphics* g, const char16_t* s, int32_t n, const GpFont* f, const RectF* r,
                                   const GpStringFormat* fmt, const GpBrush* b) {
    const std::string terminated = s[n] == 0 ? "" : " unterminated";
    return Record(__func__, {H(g), W(s, n) + terminated, I(n), H(f), F(r->X), F(r->Y), F(r->Width), F(r->Height),
                             H(fmt), H(b)});
}
GpStatus WINGDIPAPI GdipDrawImageRect(GpGraphics* g, GpImage* i, REAL x, REAL y, REAL w, REAL h) {
    return Record(__func__, {H(g), H(i), F(x), F(y), F(w), F(h)});
}
GpStatus WINGDIPAPI GdipDrawImageRectRect(GpGraphics* g, GpImage* i, REAL dx, REAL dy, REAL dw, REAL dh, REAL sx,
                                          REAL sy, REAL sw, REAL sh, GpUnit unit, const GpImageAttributes* a,
                                          DrawImageAbort cb, void* data) {
    return Record(__func__, {H(g), H(i), F(dx), F(dy), F(dw), F(dh), F(sx), F(sy), F(sw), F(sh), I(unit), H(a),
                             P(reinterpret_cast<const void*>(cb)), P(data)});
}
GpStatus WINGDIPAPI GdipSetClipRegion(GpGraphics* g, GpRegion* r, int32_t mode) { return Record(__func__, {H(g), H(r), I(mode)}); }
GpStatus WINGDIPAPI GdipResetClip(GpGraphics* g) { return Record(__func__, {H(g)}); }
GpStatus WINGDIPAPI GdipTranslateWorldTransform(GpGraphics* g, REAL dx, REAL dy, int32_t order) {
    return Record(__func__, {H(g), F(dx), F(dy), I(order)});
}

GpStatus WINGDIPAPI GdipCreatePen1(ARGB c, REAL w, GpUnit u, GpPen** pen) { return Make(__func__, pen, {X(c), F(w), I(u)}); }
GpStatus WINGDIPAPI GdipSetPenDashStyle(GpPen* p, int32_t s) { return Record(__func__, {H(p), I(s)}); }
GpStatus WINGDIPAPI GdipDeletePen(GpPen* p) { return Record(__func__, {H(p)}); }
GpStatus WINGDIPAPI GdipDeleteBrush(GpBrush* b) { return Record(__func__, {H(b)}); }
GpStatus WINGDIPAPI GdipCreateSolidFill(ARGB c, GpSolidFill** b) { return Make(__func__, b, {X(c)}); }
GpStatus WINGDIPAPI GdipCreateHatchBrush(int32_t s, ARGB f, ARGB b, GpHatch** h) { return Make(__func__, h, {I(s), X(f), X(b)}); }
GpStatus WINGDIPAPI GdipCreateTexture(GpImage* i, int32_t w, GpTexture** t) { return Make(__func__, t, {H(i), I(w)}); }
GpStatus WINGDIPAPI GdipCreateLineBrush(const PointF* p1, const PointF* p2, ARGB c1, ARGB c2, int32_t w, GpLineGradient** l) {
    return Make(__func__, l, {F(p1->X), F(p1->Y), F(p2->X), F(p2->Y), X(c1), X(c2), I(w)});
}
GpStatus WINGDIPAPI GdipCreateLineBrushFromRect(const RectF* r, ARGB c1, ARGB c2, int32_t m, int32_t w, GpLineGradient** l) {
    return Make(__func__, l, {F(r->X), F(r->Y), F(r->Width), F(r->Height), X(c1), X(c2), I(m), I(w)});
}
GpStatus WINGDIPAPI GdipCreateLineBrushFromRectWithAngle(const RectF* r, ARGB c1, ARGB c2, REAL a, GpBool s, int32_t w,
                                                         GpLineGradient** l) {
    return Make(__func__, l, {F(r->X), F(r->Y), F(r->Width), F(r->Height), X(c1), X(c2), F(a), I(s), I(w)});
}
GpStatus WINGDIPAPI GdipSetLineGammaCorrection(GpLineGradient* b, GpBool g) { return Record(__func__, {H(b), I(g)}); }
GpStatus WINGDIPAPI GdipCreatePathGradientFromPath(const GpPath* p, GpPathGradient** g) { return Make(__func__, g, {H(p)}); }
GpStatus WINGDIPAPI GdipSetPathGradientPresetBlend(GpPathGradient* b, const ARGB* c, const REAL* p, int32_t n) {
    return Record(__func__, {H(b), P(c), P(p), I(n)});
}
GpStatus WINGDIPAPI GdipSetPathGradientWrapMode(GpPathGradient* b, int32_t w) { return Record(__func__, {H(b), I(w)}); }
GpStatus WINGDIPAPI GdipSetPathGradientCenterColor(GpPathGradient* b, ARGB c) { return Record(__func__, {H(b), X(c)}); }
GpStatus WINGDIPAPI GdipGetPathGradientPointCount(GpPathGradient* b, int32_t* n) {
    *n = gAnswers.PathGradientPoints;
    return Record(__func__, {H(b)});
}
GpStatus WINGDIPAPI GdipSetPathGradientSurroundColorsWithCount(GpPathGradient* b, const ARGB* c, int32_t* n) {
    const std::string asked = I(*n);
    if (gAnswers.SurroundColorsTaken >= 0) *n = gAnswers.SurroundColorsTaken;
    return Record(__func__, {H(b), P(c), asked});
}
GpStatus WINGDIPAPI GdipSetPathGradientCenterPoint(GpPathGradient* b, const PointF* p) {
    return Record(__func__, {H(b), F(p->X), F(p->Y)});
}

GpStatus WINGDIPAPI GdipCreatePath(int32_t mode, GpPath** p) { return Make(__func__, p, {I(mode)}); }
GpStatus WINGDIPAPI GdipDeletePath(GpPath* p) { return Record(__func__, {H(p)}); }
GpStatus WINGDIPAPI GdipResetPath(GpPath* p) { return Record(__func__, {H(p)}); }
GpStatus WINGDIPAPI GdipClosePathFigure(GpPath* p) { return Record(__func__, {H(p)}); }
GpStatus WINGDIPAPI GdipAddPathLine(GpPath* p, REAL x1, REAL y1, REAL x2, REAL y2) {
    return Record(__func__, {H(p), F(x1), F(y1), F(x2), F(y2)});
}
GpStatus WINGDIPAPI GdipAddPathArc(GpPath* p, REAL x, REAL y, REAL w, REAL h, REAL s, REAL sw) {
    return Record(__func__, {H(p), F(x), F(y), F(w), F(h), F(s), F(sw)});
}
GpStatus WINGDIPAPI GdipAddPathEllipse(GpPath* p, REAL x, REAL y, REAL w, REAL h) {
    return Record(__func__, {H(p), F(x), F(y), F(w), F(h)});
}
GpStatus WINGDIPAPI GdipGetPointCount(GpPath* p, int32_t* n) {
    *n = 0;
    return Record(__func__, {H(p)});
}
GpStatus WINGDIPAPI GdipGetPathPoints(GpPath* p, PointF*, int32_t n) { return Record(__func__, {H(p), I(n)}); }
GpStatus WINGDIPAPI GdipGetPathTypes(GpPath* p, uint8_t*, int32_t n) { return Record(__func__, {H(p), I(n)}); }

GpStatus WINGDIPAPI GdipCreateRegionRect(const RectF* r, GpRegion** g) {
    return Make(__func__, g, {F(r->X), F(r->Y), F(r->Width), F(r->Height)});
}
GpStatus WINGDIPAPI GdipCreateRegionPath(GpPath* p, GpRegion** g) { return Make(__func__, g, {H(p)}); }
GpStatus WINGDIPAPI GdipDeleteRegion(GpRegion* r) { return Record(__func__, {H(r)}); }

GpStatus WINGDIPAPI GdipCreateFontFamilyFromName(const char16_t* name, GpFontCollection* c, GpFontFamily** f) {
    int n = 0;
    while (name && name[n]) ++n;
    return Make(__func__, f, {W(name, n), P(c)});
}
GpStatus WINGDIPAPI GdipDeleteFontFamily(GpFontFamily* f) { return Record(__func__, {H(f)}); }
GpStatus WINGDIPAPI GdipGetGenericFontFamilySansSerif(GpFontFamily** f) { return Make(__func__, f, {}); }
// The installed collection lists the families of Answers().InstalledFamilies.
GpStatus WINGDIPAPI GdipNewInstalledFontCollection(GpFontCollection** c) { return Make(__func__, c, {}); }
GpStatus WINGDIPAPI GdipGetFontCollectionFamilyCount(GpFontCollection* c, int32_t* n) {
    *n = static_cast<int32_t>(gAnswers.InstalledFamilies.size());
    return Record(__func__, {H(c)});
}
GpStatus WINGDIPAPI GdipGetFontCollectionFamilyList(GpFontCollection* c, int32_t sought, GpFontFamily* list[],
                                                    int32_t* found) {
    auto& names = gAnswers.InstalledFamilies;
    *found = std::min(sought, static_cast<int32_t>(names.size()));
    for (int32_t i = 0; i < *found; ++i) list[i] = reinterpret_cast<GpFontFamily*>(&names[size_t(i)]);
    return Record(__func__, {H(c), I(sought)});
}
// A listed family answers its name; any other family a name of the recorder's own.
GpStatus WINGDIPAPI GdipGetFamilyName(const GpFontFamily* f, char16_t name[32], uint16_t language) {
    const auto& names = gAnswers.InstalledFamilies;
    const auto* listed = reinterpret_cast<const std::u16string*>(f);
    const bool known = !names.empty() && listed >= names.data() && listed < names.data() + names.size();
    const std::u16string given = known ? *listed : u"Recorded Family";
    std::fill(name, name + 32, u'\0');
    std::copy_n(given.begin(), std::min<size_t>(given.size(), 31), name);
    return Record(__func__, {known ? W(given.c_str(), int(given.size())) : H(f), I(language)});
}
GpStatus WINGDIPAPI GdipCreateFont(const GpFontFamily* fam, REAL size, int32_t style, int32_t unit, GpFont** f) {
    return Make(__func__, f, {H(fam), F(size), I(style), I(unit)});
}
GpStatus WINGDIPAPI GdipDeleteFont(GpFont* f) { return Record(__func__, {H(f)}); }
GpStatus WINGDIPAPI GdipCreateStringFormat(int32_t flags, uint16_t lang, GpStringFormat** f) {
    return Make(__func__, f, {I(flags), I(lang)});
}
GpStatus WINGDIPAPI GdipSetStringFormatAlign(GpStringFormat* f, int32_t a) { return Record(__func__, {H(f), I(a)}); }
GpStatus WINGDIPAPI GdipDeleteStringFormat(GpStringFormat* f) { return Record(__func__, {H(f)}); }

GpStatus WINGDIPAPI GdipLoadImageFromStream(IStream* s, GpImage** i) { return Make(__func__, i, {P(s)}); }
GpStatus WINGDIPAPI GdipLoadImageFromStreamICM(IStream* s, GpImage** i) { return Make(__func__, i, {P(s)}); }
GpStatus WINGDIPAPI GdipLoadImageFromDelegate_linux(GetHeaderDelegate header, GetBytesDelegate bytes, PutBytesDelegate,
                                                    SeekDelegate seek, CloseDelegate, SizeDelegate size,
                                                    GpImage** i) {
    // Reads the image's first bytes through the delegates, as libgdiplus does, to prove they reach the
    // stream from its start.
    uint8_t head[4]{};
    const int got = header(head, 4);
    const long total = size();
    const long where = seek(0, 1);
    const int read = bytes(head, 2, 0);
    const std::string seen = X(head[0]) + X(head[1]) + "/" + I(got) + "/" + I(total) + "/" + I(where) + "/" + I(read);
    return Make(__func__, i, {seen});
}
GpStatus WINGDIPAPI GdipDisposeImage(GpImage* i) { return Record(__func__, {H(i)}); }
// The binding's check that a loaded image holds a picture: one page, not recorded (it belongs to the
// loading, as libgdiplus's own bookkeeping does).
GpStatus WINGDIPAPI GdipImageGetFrameDimensionsList(GpImage*, GpGuid* ids, uint32_t count) {
    if (count > 0) ids[0] = GpGuid{};
    return Ok;
}
GpStatus WINGDIPAPI GdipImageGetFrameCount(GpImage*, const GpGuid*, uint32_t* count) {
    *count = 1;
    return Ok;
}
GpStatus WINGDIPAPI GdipGetImageWidth(GpImage* i, uint32_t* w) {
    *w = gAnswers.Width;
    return Record(__func__, {H(i)});
}
GpStatus WINGDIPAPI GdipGetImageHeight(GpImage* i, uint32_t* h) {
    *h = gAnswers.Height;
    return Record(__func__, {H(i)});
}
GpStatus WINGDIPAPI GdipGetImagePixelFormat(GpImage* i, GpPixelFormat* f) {
    *f = 0x26200A; // 32bppARGB
    return Record(__func__, {H(i)});
}
GpStatus WINGDIPAPI GdipGetImageRawFormat(GpImage* i, GpGuid* g) {
    *g = GpGuid{gAnswers.RawFormat, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    return Record(__func__, {H(i)});
}
GpStatus WINGDIPAPI GdipGetImageGraphicsContext(GpImage* i, GpGraphics** g) { return Make(__func__, g, {H(i)}); }
GpStatus WINGDIPAPI GdipCreateBitmapFromStream(IStream* s, GpBitmap** b) { return Make(__func__, b, {P(s)}); }
GpStatus WINGDIPAPI GdipCreateBitmapFromStreamICM(IStream* s, GpBitmap** b) { return Make(__func__, b, {P(s)}); }
GpStatus WINGDIPAPI GdipCreateBitmapFromScan0(int32_t w, int32_t h, int32_t stride, GpPixelFormat f, uint8_t* scan0,
                                              GpBitmap** b) {
    return Make(__func__, b, {I(w), I(h), I(stride), X(uint32_t(f)), P(scan0)});
}
GpStatus WINGDIPAPI GdipBitmapGetPixel(GpBitmap* b, int32_t x, int32_t y, ARGB* c) {
    *c = gAnswers.Pixel;
    return Record(__func__, {H(b), I(x), I(y)});
}
GpStatus WINGDIPAPI GdipCreateImageAttributes(GpImageAttributes** a) { return Make(__func__, a, {}); }
GpStatus WINGDIPAPI GdipDisposeImageAttributes(GpImageAttributes* a) { return Record(__func__, {H(a)}); }
GpStatus WINGDIPAPI GdipSetImageAttributesColorKeys(GpImageAttributes* a, int32_t type, GpBool on, ARGB lo, ARGB hi) {
    return Record(__func__, {H(a), I(type), I(on), X(lo), X(hi)});
}
}

// fontconfig keeps a pattern of its first substitution for the life of the process (the layer asks it
// whether a family is installed); under the leak checker that is not this program's leak.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
