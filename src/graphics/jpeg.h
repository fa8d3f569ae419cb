#pragma once
// The JPEG picture: keeps the compressed bytes, reads only the header when loaded and decodes into a
// device-independent bitmap the first time it is drawn. Coding is done by libjpeg (version 62).
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "framework/Graphics.h"
#include "graphics/jpegError.h"

// The compressed data, shared by pictures copied from one another (the last owner frees it).
class TJPEGData : public TObject {
public:
    std::unique_ptr<TMemoryStream> JpegBytes; // the whole file as stored; none while empty
    int32_t HeaderHeight{0};
    int32_t HeaderWidth{0};
    bool IsGray{false};

    bool HasBytes() const { return JpegBytes && JpegBytes->Size() > 0; }
};

enum TJPEGPixelFormat { jf24Bit, jf8Bit };
enum TJPEGPerformance { jpBestQuality, jpBestSpeed };
enum TJPEGScale { jsFullSize, jsHalf, jsQuarter, jsEighth };
enum TProgressStage { psStarting, psRunning, psEnding };

// The settings every new picture starts with; the depth is fixed from the screen at start-up.
struct TJPEGDefaults {
    uint8_t CompressionQuality{90};
    bool Grayscale{false};
    TJPEGPerformance Performance{jpBestQuality};
    TJPEGPixelFormat PixelFormat{jf24Bit};
    bool ProgressiveDisplay{false};
    bool ProgressiveEncoding{false};
    TJPEGScale Scale{jsFullSize};
    bool Smoothing{true};
};
extern TJPEGDefaults JPEGDefaults;
// Unit start-up: the depth default follows the screen, and the formats "jpeg" and "jpg" (class
// TJPEGImage) are registered; finalisation unregisters them.
void InitializeJpegUnit();
void FinalizeJpegUnit();
// The screen depth the palette rule asks for (replaceable in tests).
extern int (*JPEGScreenColorDepth)();

// What the last progress notice (OnProgress) reported.
struct TJPEGProgress {
    TProgressStage Stage{psStarting};
    int PercentDone{0};
    bool RedrawNow{false};
    TRect Area;
};

using TPaletteHandle = std::shared_ptr<const std::vector<TPaletteEntry>>;

class TJPEGImage : public TGraphic {
public:
    TJPEGImage();
    ~TJPEGImage() override;
    std::string ClassName() const override { return "TJPEGImage"; }

    int Width() const override;
    int Height() const override;
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;
    bool Empty() const override;
    void Draw(TCanvas& ACanvas, const TRect& R) override;
    void Assign(const TPersistent* Source) override;
    bool Equals(TGraphic* Graphic) override;

    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) override;
    void ReadData(TStream& Stream) override;
    void WriteData(TStream& Stream) override;

    TPaletteHandle Palette();
    void SetPalette(TPaletteHandle Value);

    // Decodes now unless a bitmap is already there.
    void DIBNeeded();
    // Compresses the bitmap when there are no JPEG bytes yet.
    void JPEGNeeded();
    TBitmap* Bitmap() const { return FDecodedBitmap.get(); }
    const std::shared_ptr<TJPEGData>& SharedData() const { return FSharedData; }

    bool GrayOutput() const { return FGrayOutput; }
    void SetGrayOutput(bool Value) { FGrayOutput = Value; }
    TJPEGPixelFormat OutputDepth() const { return FOutputDepth; }
    void SetOutputDepth(TJPEGPixelFormat Value) { FOutputDepth = Value; }
    uint8_t SaveQuality() const { return FSaveQuality; }
    void SetSaveQuality(uint8_t Value) { FSaveQuality = Value; }
    bool IsProgressive() const { return FIsProgressive; }
    void SetIsProgressive(bool Value) { FIsProgressive = Value; }
    bool IsGray() const { return FSharedData->IsGray; }
    bool PaletteModified() const { return FPaletteModified; }

    const TJPEGProgress& Progress() const { return FProgress; }
    // Milliseconds since some fixed start; the progress throttle reads it.
    std::function<uint32_t()> TickCount;

    // Called by the decoder's progress hook: one notice per 500 ms at most, on a changed percentage.
    struct TProgressState {
        uint32_t LastTime{0};
        int LastPercent{0};
        int LastScanline{0};
    };
    void LibraryProgress(TProgressState& State, long PassCounter, long PassLimit, int CompletedPasses,
                         int TotalPasses, int OutputScanline, int OutputWidth, int OutputHeight);

protected:
    bool AssignTo(TPersistent* Dest) const override;

private:
    void LoadBytes(TStream& Stream, int64_t Count);
    void ReadHeader();
    void Decode();
    void Compress();
    void NewBitmap();
    void SendProgress(TProgressStage Stage, int Percent, bool RedrawNow, const TRect& Area);

    std::shared_ptr<TJPEGData> FSharedData;
    std::unique_ptr<TBitmap> FDecodedBitmap;
    TPaletteHandle FTempPalette;
    bool FBlockSmoothing{true};
    bool FGrayOutput{false};
    TJPEGPixelFormat FOutputDepth{jf24Bit};
    uint8_t FSaveQuality{90};
    bool FShowProgressively{false};
    bool FIsProgressive{false};
    TJPEGPerformance FDecodeSpeed{jpBestQuality};
    TJPEGScale FOutputScale{jsFullSize};
    bool FPaletteModified{false};
    TJPEGProgress FProgress;
};
