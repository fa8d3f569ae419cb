// Decoding through TJPEGImage (load, header, decode into its bitmap) against plain libjpeg reading the
// same bytes into a buffer, for the banner size and a large photo. Prints the ratio of each pair.
#include <benchmark/benchmark.h>

#include "RatioReporter.h"

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "graphics/jpeg.h"

namespace {
std::vector<uint8_t> PictureBytes(const std::string& Name) {
    TMemoryStream stream;
    stream.LoadFromFile(std::string(VELUNDO_JPEG_PICTURES) + "/" + Name);
    return stream.Bytes();
}

void ThroughPicture(benchmark::State& State, const std::string& Name) {
    const auto bytes = PictureBytes(Name);
    for (auto _ : State) {
        TMemoryStream stream;
        stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
        stream.SetPosition(0);
        TJPEGImage picture;
        picture.LoadFromStream(stream);
        picture.DIBNeeded();
        benchmark::DoNotOptimize(picture.Bitmap()->ScanLine(0));
    }
}

// The same decode with nothing around it: rows of blue, green, red into a new buffer (every decode of a
// new picture needs one; it is left uninitialised).
void PlainLibjpeg(benchmark::State& State, const std::string& Name) {
    const auto bytes = PictureBytes(Name);
    for (auto _ : State) {
        jpeg_decompress_struct info{};
        jpeg_error_mgr err{};
        info.err = jpeg_std_error(&err);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_EXT_BGR;
        jpeg_start_decompress(&info);
        const size_t stride = (info.output_width * 3 + 3) & ~size_t{3};
        std::unique_ptr<uint8_t[]> buffer(new uint8_t[stride * info.output_height]);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = buffer.get() + stride * info.output_scanline;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        benchmark::DoNotOptimize(buffer.get());
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::pair<const char*, const char*> sizes[] = {{"2600x55", "bench-2600x55.jpg"},
                                                         {"4000x3000", "bench-4000x3000.jpg"}};
    for (const auto& [label, file] : sizes) {
        const std::string name = file;
        benchmark::RegisterBenchmark((std::string("TJPEGImage/") + label).c_str(),
                                     [name](benchmark::State& s) { ThroughPicture(s, name); })
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("jpeg_read_scanlines/") + label).c_str(),
                                     [name](benchmark::State& s) { PlainLibjpeg(s, name); })
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const auto& [label, file] : sizes) {
        (void)file;
        const double picture = reporter.Times[std::string("TJPEGImage/") + label];
        const double plain = reporter.Times[std::string("jpeg_read_scanlines/") + label];
        if (plain > 0) std::printf("ratio TJPEGImage / jpeg_read_scanlines %s: %.3f (goal <= 1.10)\n", label, picture / plain);
    }
    benchmark::Shutdown();
    return 0;
}
