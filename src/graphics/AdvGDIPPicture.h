#pragma once
// A picture held as the bytes of its image file (JPEG, PNG, BMP, GIF, TIFF or whatever GDI+ decodes),
// turned into a GDI+ image afresh each time it is measured or drawn; and the stream adapter that hands
// a framework stream to GDI+.
#include <cstdint>
#include <memory>
#include <string>

#include "framework/Graphics.h"
#include "framework/StreamAdapter.h"
#include "graphics/AdvGDIPObjects.h"

// A stream adapter whose status record never carries a name, so the caller never has one to free.
class TFixedStreamAdapter : public TStreamAdapter {
public:
    using TStreamAdapter::TStreamAdapter;
    TComResult Stat(TComStatStg* Record, uint32_t Flags) override;
};

enum TBitmapTransparencyMode : uint8_t { btmAuto, btmFixed };

class TAdvGDIPPicture : public TGraphic {
public:
    TAdvGDIPPicture();
    ~TAdvGDIPPicture() override;
    std::string ClassName() const override { return "TAdvGDIPPicture"; }

    bool Empty() const override { return FEmpty; }
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void SetWidth(int) override {} // a picture cannot be resized
    void SetHeight(int) override {}

    // Never raises: any failure leaves the picture empty.
    void LoadFromFile(const std::string& FileName) override;
    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) override;
    void ReadData(TStream& Stream) override;
    void WriteData(TStream& Stream) override;
    void Assign(const TPersistent* Source) override;
    void LoadFromStream(TStream* Stream);
    void SaveToStream(TStream* Stream);
    void LoadFromClipboardFormat(uint16_t, uintptr_t, uintptr_t) {}
    void SaveToClipboardFormat(uint16_t&, uintptr_t&, uintptr_t&) {}

    // A BMP picture is drawn unstretched at Rect's top-left, transparent at its bottom-left colour.
    void Draw(TCanvas& ACanvas, const TRect& Rect) override;
    void DrawOnGraphics(TGPGraphics& Graphics, const TRect& Rect);
    // The picture repeated as a texture aligned to the surface's origin.
    void FillPathWithTexture(TGPGraphics& Graphics, const TGPGraphicsPath& Path);
    void FillRectWithTexture(TGPGraphics& Graphics, const RectF& R);
    // Decodes the held bytes and stores the size (0 x 0 for bytes GDI+ cannot decode); false when
    // there was nothing to decode or no stream could be made.
    bool UpdateImageSize();
    // Reads the size from the named file's header; called by LoadFromFile.
    void ReadSizeFromFileHeader(const std::string& FileName);

    const TMemoryStream& Bytes() const { return *FBytes; }
    TNotifyEvent OnClear;

private:
    bool HasBytes();

    std::unique_ptr<TMemoryStream> FBytes;
    bool FEmpty{true};
    int32_t FWidth{0};
    int32_t FHeight{0};
    TBitmapTransparencyMode FTransparencyMode{btmAuto};
    TColor FTransparencyColor{clWhite};
};
