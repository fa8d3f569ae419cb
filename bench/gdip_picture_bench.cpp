// Measuring and drawing a 256 x 256 PNG through TAdvGDIPPicture, against the same flat calls made
// directly on the same bytes, in one run; prints the overhead ratio of the picture over the direct
// calls. The picture is made by ImageMagick's convert.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "graphics/AdvGDIP.h"
#include "platform/GdiPlusFlat.h"

namespace {
std::vector<uint8_t> gPng;

std::vector<uint8_t> MakePng() {
    std::vector<uint8_t> bytes;
    FILE* pipe = popen("convert -size 256x256 gradient:red-blue -swirl 90 png:-", "r");
    if (!pipe) return bytes;
    uint8_t buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) bytes.insert(bytes.end(), buffer, buffer + n);
    pclose(pipe);
    return bytes;
}

// The direct path reads the same bytes through libgdiplus' delegates over a plain buffer.
struct TBuffer {
    const std::vector<uint8_t>* Bytes;
    long Position;
} gBuffer;
int GetHeader(uint8_t* b, int n) {
    const int got = std::min<long>(n, static_cast<long>(gBuffer.Bytes->size()) - gBuffer.Position);
    std::memcpy(b, gBuffer.Bytes->data() + gBuffer.Position, got);
    return got;
}
int GetBytes(uint8_t* b, int n, GpBool peek) {
    const int got = GetHeader(b, n);
    if (!peek) gBuffer.Position += got;
    return got;
}
int PutBytes(uint8_t*, int) { return -1; }
long Seek(int offset, int whence) {
    const long base = whence == 0 ? 0 : whence == 1 ? gBuffer.Position : static_cast<long>(gBuffer.Bytes->size());
    return gBuffer.Position = base + offset;
}
void Close() {}
long Size() { return static_cast<long>(gBuffer.Bytes->size()); }

GpImage* LoadDirect() {
    gBuffer = {&gPng, 0};
    GpImage* image = nullptr;
    GdipLoadImageFromDelegate_linux(GetHeader, GetBytes, PutBytes, Seek, Close, Size, &image);
    return image;
}

void DirectFlatCalls(benchmark::State& State) {
    auto surface = CreateSurface(256, 256);
    TCanvas canvas(surface.get());
    TGPGraphics graphics(canvas.Handle());
    for (auto _ : State) {
        GpImage* measured = LoadDirect();
        uint32_t w = 0, h = 0;
        GdipGetImageWidth(measured, &w);
        GdipGetImageHeight(measured, &h);
        GdipDisposeImage(measured);
        GpImage* drawn = LoadDirect();
        GdipDrawImageRect(graphics.NativeHandle, drawn, 0, 0, static_cast<REAL>(w), static_cast<REAL>(h));
        GdipDisposeImage(drawn);
        benchmark::DoNotOptimize(surface->Bits[128 * 256 + 128]);
    }
}

void ThroughPicture(benchmark::State& State) {
    auto surface = CreateSurface(256, 256);
    TCanvas canvas(surface.get());
    TGPGraphics graphics(canvas.Handle());
    TAdvGDIPPicture picture;
    TMemoryStream stream;
    stream.WriteBuffer(gPng.data(), static_cast<int64_t>(gPng.size()));
    picture.LoadFromStream(stream);
    for (auto _ : State) {
        picture.UpdateImageSize();
        picture.DrawOnGraphics(graphics, Rect(0, 0, picture.Width(), picture.Height()));
        benchmark::DoNotOptimize(surface->Bits[128 * 256 + 128]);
    }
}

BENCHMARK(DirectFlatCalls)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(ThroughPicture)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

// Keeps each run's time per iteration to print the ratio at the end.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& Runs) override {
        for (const Run& r : Runs) {
            Real[r.benchmark_name()] = r.GetAdjustedRealTime();
            Cpu[r.benchmark_name()] = r.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(Runs);
    }
    std::map<std::string, double> Real, Cpu;
};
} // namespace

int main(int argc, char** argv) {
    gPng = MakePng();
    if (gPng.empty()) {
        std::fprintf(stderr, "convert did not make the picture\n");
        return 1;
    }
    InitializeGdiplus();
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::string direct = "DirectFlatCalls/min_time:1.000", picture = "ThroughPicture/min_time:1.000";
    // CPU time is the steadier measure on a shared machine; wall-clock time is shown beside it.
    if (reporter.Cpu[direct] > 0 && reporter.Real[direct] > 0)
        std::printf("overhead ratio (TAdvGDIPPicture / direct flat calls): %.3f CPU, %.3f wall-clock (goal <= 1.10)\n",
                    reporter.Cpu[picture] / reporter.Cpu[direct], reporter.Real[picture] / reporter.Real[direct]);
    FinalizeGdiplus();
    return 0;
}
