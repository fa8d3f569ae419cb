#include "graphics/jpeg.h"

#include <algorithm>
#include <chrono>

#include "graphics/jpegLib.h"

static_assert(JPEG_LIB_VERSION == 62, "the picture is written against the libjpeg 6b interface");

TJPEGDefaults JPEGDefaults;
int (*JPEGScreenColorDepth)() = ScreenColorDepth;

namespace {
constexpr int kLibraryVersion = 62;
constexpr int kMaxColors = 236;
// Larger pictures are refused before their bitmap is allocated.
constexpr uint64_t kMaxBitmapBytes = uint64_t{1} << 30;

uint32_t MillisecondsSinceStart() {
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// The progress record: the library's part first, so the library's pointer leads back to it.
struct TProgressRecord {
    jpeg_progress_mgr Pub{};
    TJPEGImage* Owner{nullptr};
    TJPEGImage::TProgressState State;
};

void ProgressHook(j_common_ptr Common) {
    auto* record = reinterpret_cast<TProgressRecord*>(Common->progress);
    if (!record->Owner) return;
    auto* info = reinterpret_cast<j_decompress_ptr>(Common);
    const bool ok = KeepFailure(Common, [&] {
        record->Owner->LibraryProgress(record->State, record->Pub.pass_counter, record->Pub.pass_limit,
                                       record->Pub.completed_passes, record->Pub.total_passes,
                                       static_cast<int>(info->output_scanline), static_cast<int>(info->output_width),
                                       static_cast<int>(info->output_height));
    });
    if (!ok) JumpOut(Common);
}

// A decoder with its error manager; the library record is destroyed with it on every path.
struct TDecodeContext {
    TJpegErrorManager Err;
    jpeg_decompress_struct Info{};
    TProgressRecord Progress;
    jpeg_source_mgr Source{};
    bool Created{false};

    TDecodeContext() {
        InitErrorManager(Err);
        Info.err = &Err.Pub;
        Info.client_data = &Err;
        Guarded(Err, [this] {
            jpeg_CreateDecompress(&Info, kLibraryVersion, sizeof Info);
            Created = true;
        });
    }
    ~TDecodeContext() {
        if (Created) jpeg_destroy(reinterpret_cast<j_common_ptr>(&Info));
    }
    TDecodeContext(const TDecodeContext&) = delete;
    TDecodeContext& operator=(const TDecodeContext&) = delete;

    void ReadHeader(const TJPEGData& Data) {
        Guarded(Err, [&] {
            SetMemorySource(&Info, Source, Data.JpegBytes->Memory(), static_cast<size_t>(Data.JpegBytes->Size()));
            jpeg_read_header(&Info, TRUE);
        });
    }
};

struct TCompressContext {
    TJpegErrorManager Err;
    jpeg_compress_struct Info{};
    TJpegDestination Destination;
    bool Created{false};

    TCompressContext() {
        InitErrorManager(Err);
        Info.err = &Err.Pub;
        Info.client_data = &Err;
        Guarded(Err, [this] {
            jpeg_CreateCompress(&Info, kLibraryVersion, sizeof Info);
            Created = true;
        });
    }
    ~TCompressContext() {
        if (Created) jpeg_destroy(reinterpret_cast<j_common_ptr>(&Info));
    }
    TCompressContext(const TCompressContext&) = delete;
    TCompressContext& operator=(const TCompressContext&) = delete;
};

// A 24-bit copy of any bitmap, rows in blue-green-red order.
std::unique_ptr<TBitmap> Copy24(const TBitmap& Source) {
    auto copy = std::make_unique<TBitmap>();
    copy->SetPixelFormat(pf24bit);
    copy->SetSize(Source.Width(), Source.Height());
    for (int y = 0; y < Source.Height(); ++y) {
        uint8_t* row = copy->ScanLine(y);
        for (int x = 0; x < Source.Width(); ++x) {
            const uint32_t c = Source.PixelColor(x, y);
            row[3 * x] = GetBValue(c);
            row[3 * x + 1] = GetGValue(c);
            row[3 * x + 2] = GetRValue(c);
        }
    }
    return copy;
}

int32_t ReadLength(TStream& Stream) {
    uint8_t b[4];
    Stream.ReadBuffer(b, 4);
    return static_cast<int32_t>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<uint32_t>(b[3]) << 24);
}

void WriteLength(TStream& Stream, int64_t Length) {
    const auto v = static_cast<uint32_t>(Length);
    const uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
                          static_cast<uint8_t>(v >> 24)};
    Stream.WriteBuffer(b, 4);
}
} // namespace

TJPEGImage::TJPEGImage()
    : TickCount(MillisecondsSinceStart), FSharedData(std::make_shared<TJPEGData>()),
      FBlockSmoothing(JPEGDefaults.Smoothing), FGrayOutput(JPEGDefaults.Grayscale),
      FOutputDepth(JPEGDefaults.PixelFormat), FSaveQuality(JPEGDefaults.CompressionQuality),
      FShowProgressively(JPEGDefaults.ProgressiveDisplay), FIsProgressive(JPEGDefaults.ProgressiveEncoding),
      FDecodeSpeed(JPEGDefaults.Performance), FOutputScale(JPEGDefaults.Scale) {}

TJPEGImage::~TJPEGImage() = default;

int TJPEGImage::Width() const { return FDecodedBitmap ? FDecodedBitmap->Width() : FSharedData->HeaderWidth; }

int TJPEGImage::Height() const { return FDecodedBitmap ? FDecodedBitmap->Height() : FSharedData->HeaderHeight; }

void TJPEGImage::SetWidth(int) {
    throw EInvalidGraphicOperation("Die Gr\xF6\xDF" "e einer JPEG-Grafik kann nicht ver\xE4ndert werden");
}

void TJPEGImage::SetHeight(int Value) { SetWidth(Value); }

bool TJPEGImage::Empty() const {
    if (FSharedData->HasBytes()) return false;
    return !FDecodedBitmap || FDecodedBitmap->Empty();
}

void TJPEGImage::Draw(TCanvas& ACanvas, const TRect& R) {
    DIBNeeded();
    ACanvas.StretchDraw(R, FDecodedBitmap.get());
}

void TJPEGImage::Assign(const TPersistent* Source) {
    if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(Source)) {
        FSharedData = jpeg->FSharedData;
        FIsProgressive = jpeg->FIsProgressive;
        FDecodedBitmap.reset();
        if (jpeg->FDecodedBitmap) {
            NewBitmap();
            FDecodedBitmap->Assign(jpeg->FDecodedBitmap.get());
        }
    } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(Source)) {
        FSharedData = std::make_shared<TJPEGData>();
        NewBitmap();
        FDecodedBitmap->Assign(bitmap);
    } else {
        return TGraphic::Assign(Source);
    }
    FPaletteModified = true;
    Changed(this);
}

bool TJPEGImage::AssignTo(TPersistent* Dest) const {
    auto* bitmap = dynamic_cast<TBitmap*>(Dest);
    if (!bitmap) return TGraphic::AssignTo(Dest);
    const_cast<TJPEGImage*>(this)->DIBNeeded();
    bitmap->Assign(FDecodedBitmap.get());
    return true;
}

bool TJPEGImage::Equals(TGraphic* Graphic) {
    auto* other = dynamic_cast<TJPEGImage*>(Graphic);
    if (!other) return false;
    if (FSharedData->HasBytes() && other->FSharedData->HasBytes()) return TGraphic::Equals(Graphic);
    return FSharedData == other->FSharedData;
}

void TJPEGImage::LoadFromStream(TStream& Stream) { LoadBytes(Stream, Stream.Size() - Stream.Position()); }

void TJPEGImage::SaveToStream(TStream& Stream) {
    JPEGNeeded();
    if (FSharedData->HasBytes()) FSharedData->JpegBytes->SaveToStream(Stream);
}

void TJPEGImage::ReadData(TStream& Stream) { LoadBytes(Stream, ReadLength(Stream)); }

void TJPEGImage::WriteData(TStream& Stream) {
    const TMemoryStream* bytes = FSharedData->JpegBytes.get();
    WriteLength(Stream, bytes ? static_cast<int64_t>(bytes->Bytes().size()) : 0);
    if (bytes) Stream.WriteBuffer(bytes->Memory(), static_cast<int64_t>(bytes->Bytes().size()));
}

void TJPEGImage::LoadBytes(TStream& Stream, int64_t Count) {
    // Checked before anything is replaced or allocated: a corrupt length loses nothing.
    if (Count < 0) throw EJPEG(JERR_BAD_LENGTH);
    if (Count > Stream.Size() - Stream.Position()) throw EReadError("Stream-Lesefehler");
    FSharedData = std::make_shared<TJPEGData>();
    FDecodedBitmap.reset();
    auto bytes = std::make_unique<TMemoryStream>();
    bytes->SetSize(Count);
    Stream.ReadBuffer(bytes->Memory(), Count);
    FSharedData->JpegBytes = std::move(bytes);
    if (Count > 0) ReadHeader();
    FPaletteModified = true;
    Changed(this);
}

void TJPEGImage::ReadHeader() {
    TDecodeContext context;
    context.ReadHeader(*FSharedData);
    FSharedData->HeaderWidth = static_cast<int32_t>(context.Info.image_width);
    FSharedData->HeaderHeight = static_cast<int32_t>(context.Info.image_height);
    FSharedData->IsGray = context.Info.jpeg_color_space == JCS_GRAYSCALE;
    FIsProgressive = jpeg_has_multiple_scans(&context.Info);
}

void TJPEGImage::NewBitmap() { FDecodedBitmap = std::make_unique<TBitmap>(); }

void TJPEGImage::DIBNeeded() {
    if (!FDecodedBitmap) Decode();
}

void TJPEGImage::JPEGNeeded() {
    if (!FSharedData->HasBytes()) Compress();
}

TPaletteHandle TJPEGImage::Palette() {
    if (FDecodedBitmap)
        return FDecodedBitmap->Palette().empty()
                   ? nullptr
                   : std::make_shared<const std::vector<TPaletteEntry>>(FDecodedBitmap->Palette());
    if (FTempPalette) return FTempPalette;
    if (FOutputDepth == jf24Bit && JPEGScreenColorDepth() <= 8)
        FTempPalette = std::make_shared<const std::vector<TPaletteEntry>>(CreateHalftonePalette());
    return FTempPalette;
}

void TJPEGImage::SetPalette(TPaletteHandle Value) {
    if (Value == FTempPalette) return;
    const std::vector<TPaletteEntry> none;
    const bool freeBitmap = FDecodedBitmap && FDecodedBitmap->Palette() != (Value ? *Value : none);
    if (freeBitmap) FDecodedBitmap.reset();
    FTempPalette = std::move(Value);
    if (freeBitmap) {
        FPaletteModified = true;
        Changed(this);
    }
}

void TJPEGImage::SendProgress(TProgressStage Stage, int Percent, bool RedrawNow, const TRect& Area) {
    FProgress = TJPEGProgress{Stage, Percent, RedrawNow, Area};
    if (OnProgress) OnProgress(this);
}

void TJPEGImage::LibraryProgress(TProgressState& State, long PassCounter, long PassLimit, int CompletedPasses,
                                 int TotalPasses, int OutputScanline, int OutputWidth, int OutputHeight) {
    const uint32_t now = TickCount ? TickCount() : 0;
    if (now - State.LastTime < 500) return;
    const uint32_t previous = State.LastTime;
    State.LastTime = now;
    if (previous == 0) return;
    TRect area{0, State.LastScanline, OutputWidth, OutputScanline};
    if (area.Bottom < State.LastScanline) area.Bottom = OutputHeight;
    const double passDone = PassLimit > 0 ? static_cast<double>(PassCounter) / PassLimit : 0.0;
    const int percent = TotalPasses > 0 ? static_cast<int>((passDone + CompletedPasses) * 100 / TotalPasses) : 0;
    if (percent == State.LastPercent) return;
    State.LastPercent = percent;
    State.LastScanline = OutputScanline;
    SendProgress(psRunning, percent, area.Height() >= 4, area);
}

namespace {
// Step 2 of a decode: the output settings. Returns whether the output is 8-bit (quantised).
bool ChooseOutput(TDecodeContext& C, int Scale, bool Smoothing, bool Gray, bool EightBit, bool Fast) {
    bool quantise = false;
    Guarded(C.Err, [&] {
        C.Info.scale_num = 1;
        C.Info.scale_denom = 1u << Scale;
        C.Info.do_block_smoothing = Smoothing ? TRUE : FALSE;
        if (Gray) C.Info.out_color_space = JCS_GRAYSCALE;
        quantise = EightBit || C.Info.out_color_space == JCS_GRAYSCALE;
        if (quantise) {
            C.Info.quantize_colors = TRUE;
            C.Info.desired_number_of_colors = kMaxColors;
            // The quantiser works on red-green-blue; the palette then says which colour an index is.
            if (C.Info.out_color_space != JCS_GRAYSCALE) C.Info.out_color_space = JCS_RGB;
        } else {
            C.Info.out_color_space = JCS_EXT_BGR; // the bitmap's own row order
        }
        if (Fast) {
            C.Info.dct_method = JDCT_IFAST;
            C.Info.two_pass_quantize = FALSE;
            C.Info.dither_mode = JDITHER_ORDERED;
        }
    });
    return quantise;
}

// Makes the decoder map to exactly the colours of Palette.
void UseColorMap(TDecodeContext& C, const std::vector<TPaletteEntry>& Palette) {
    const int count = static_cast<int>(std::min<size_t>(Palette.size(), 256));
    Guarded(C.Err, [&] {
        JSAMPARRAY map = (*C.Info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&C.Info), JPOOL_IMAGE,
                                                     static_cast<JDIMENSION>(count), 3);
        for (int i = 0; i < count; ++i) {
            map[0][i] = Palette[i].Red;
            map[1][i] = Palette[i].Green;
            map[2][i] = Palette[i].Blue;
        }
        C.Info.colormap = map;
        C.Info.actual_number_of_colors = count;
    });
}

// The palette of the colour map the decoder built.
std::vector<TPaletteEntry> PaletteOfColorMap(const jpeg_decompress_struct& Info) {
    std::vector<TPaletteEntry> palette;
    const bool gray = Info.out_color_components == 1;
    for (int i = 0; i < Info.actual_number_of_colors; ++i) {
        if (gray) palette.push_back({Info.colormap[0][i], Info.colormap[0][i], Info.colormap[0][i]});
        else palette.push_back({Info.colormap[0][i], Info.colormap[1][i], Info.colormap[2][i]});
    }
    return palette;
}

void StartDecompress(TDecodeContext& C, int BytesPerPixel) {
    Guarded(C.Err, [&] { jpeg_start_decompress(&C.Info); });
    if (C.Info.output_components != BytesPerPixel) throw EJPEG(JERR_CONVERSION_NOTIMPL);
    const uint64_t bytes = uint64_t{C.Info.output_width} * C.Info.output_height * BytesPerPixel;
    if (bytes > kMaxBitmapBytes) throw EJPEG(JERR_IMAGE_TOO_BIG);
}

// Rows straight into the bitmap, top row first.
void ReadRows(TDecodeContext& C, TBitmap& Bitmap) {
    if (Bitmap.Height() == 0) return;
    JSAMPROW row = Bitmap.ScanLine(0);
    const ptrdiff_t step = Bitmap.Height() > 1 ? Bitmap.ScanLine(1) - Bitmap.ScanLine(0) : 0;
    Guarded(C.Err, [&] {
        while (C.Info.output_scanline < C.Info.output_height) {
            jpeg_read_scanlines(&C.Info, &row, 1);
            row += step;
        }
    });
}
} // namespace

void TJPEGImage::Decode() {
    NewBitmap();
    if (!FSharedData->HasBytes()) return;
    TDecodeContext context;
    context.Progress.Pub.progress_monitor = ProgressHook;
    context.Progress.Owner = this;
    context.Info.progress = &context.Progress.Pub;
    context.ReadHeader(*FSharedData);
    const bool eightBit = ChooseOutput(context, FOutputScale, FBlockSmoothing, FGrayOutput, FOutputDepth == jf8Bit,
                                       FDecodeSpeed == jpBestSpeed);
    bool succeeded = false;
    try {
        FDecodedBitmap->SetPixelFormat(eightBit ? pf8bit : pf24bit);
        SendProgress(psStarting, 0, false, TRect{});
        if (FTempPalette && eightBit) {
            UseColorMap(context, *FTempPalette);
            FDecodedBitmap->SetPalette(*FTempPalette);
        } else if (FTempPalette) {
            FTempPalette.reset();
        }
        StartDecompress(context, eightBit ? 1 : 3);
        FDecodedBitmap->SetSize(static_cast<int>(context.Info.output_width),
                                static_cast<int>(context.Info.output_height));
        // A gray output builds its own map even when given one.
        if (eightBit && (!FTempPalette || context.Info.out_color_components == 1)) {
            FDecodedBitmap->SetPalette(PaletteOfColorMap(context.Info));
            FPaletteModified = true;
        }
        ReadRows(context, *FDecodedBitmap);
        Guarded(context.Err, [&] { jpeg_finish_decompress(&context.Info); });
        succeeded = true;
    } catch (const EAbort&) {
    } catch (...) {
        SendProgress(psEnding, 0, FPaletteModified, TRect{});
        throw;
    }
    SendProgress(psEnding, succeeded ? 100 : 0, FPaletteModified, TRect{});
    if (FPaletteModified) Changed(this);
}

void TJPEGImage::Compress() {
    if (!FDecodedBitmap || FDecodedBitmap->Width() == 0 || FDecodedBitmap->Height() == 0) return;
    std::unique_ptr<TBitmap> source = Copy24(*FDecodedBitmap);
    auto bytes = std::make_unique<TMemoryStream>();
    try {
        SendProgress(psStarting, 0, false, TRect{});
        TCompressContext context;
        SetStreamDestination(&context.Info, context.Destination, *bytes);
        Guarded(context.Err, [&] {
            context.Info.image_width = static_cast<JDIMENSION>(source->Width());
            context.Info.image_height = static_cast<JDIMENSION>(source->Height());
            context.Info.input_components = 3;
            context.Info.in_color_space = JCS_EXT_BGR;
            jpeg_set_defaults(&context.Info);
            jpeg_set_quality(&context.Info, FSaveQuality, TRUE);
            if (FGrayOutput) jpeg_set_colorspace(&context.Info, JCS_GRAYSCALE);
            if (FIsProgressive) jpeg_simple_progression(&context.Info);
            jpeg_start_compress(&context.Info, TRUE);
            JSAMPROW row = nullptr;
            while (context.Info.next_scanline < context.Info.image_height) {
                row = source->ScanLine(static_cast<int>(context.Info.next_scanline));
                jpeg_write_scanlines(&context.Info, &row, 1);
            }
            jpeg_finish_compress(&context.Info);
        });
    } catch (const EAbort&) {
        FSharedData->JpegBytes.reset();
        return;
    }
    bytes->SetPosition(0);
    FSharedData->JpegBytes = std::move(bytes);
    FSharedData->HeaderWidth = source->Width();
    FSharedData->HeaderHeight = source->Height();
    FSharedData->IsGray = FGrayOutput;
    SendProgress(psEnding, 100, false, TRect{});
}

void InitializeJpegUnit() {
    if (ScreenColorDepth() <= 8) JPEGDefaults.PixelFormat = jf8Bit;
    for (const char* extension : {"jpeg", "jpg"})
        TPictureRegistry::RegisterFileFormat(extension, "JPEG-Grafikdatei", "TJPEGImage",
                                             [] { return std::make_unique<TJPEGImage>(); });
}

void FinalizeJpegUnit() { TPictureRegistry::UnregisterClass("TJPEGImage"); }
