#include "graphics/AdvGDIPPicture.h"

#include <exception>

#include "graphics/AdvGDIPHeaders.h"
#include "platform/ComStream.h"

TComResult TFixedStreamAdapter::Stat(TComStatStg* Record, uint32_t Flags) {
    const TComResult result = TStreamAdapter::Stat(Record, Flags);
    if (Record) Record->pwcsName = nullptr;
    return result;
}

namespace {
using TStreamRef = std::unique_ptr<TComStream, TComStreamRelease>;

// The held bytes copied into a fresh COM stream over global memory, positioned at its start so GDI+
// reads the whole image. Null when no stream could be made over the block.
TStreamRef OpenImageStream(const TMemoryStream& Bytes) {
    TComStream* made = nullptr;
    const uint64_t size = Bytes.Bytes().size();
    switch (CreateImageStream(size, &made)) {
    case TImageStreamResult::NoMemory: throw Exception("Could not allocate memory for image");
    case TImageStreamResult::NoStream: return nullptr;
    case TImageStreamResult::Ok: break;
    }
    TStreamRef stream(made);
    uint32_t written = 0;
    stream->Write(Bytes.Memory(), static_cast<uint32_t>(size), &written);
    stream->Seek(0, 0, nullptr);
    return stream;
}

void Rewind(TComStream* Stream) { Stream->Seek(0, 0, nullptr); }
} // namespace

TAdvGDIPPicture::TAdvGDIPPicture() : FBytes(std::make_unique<TMemoryStream>()) { SetTransparent(false); }

TAdvGDIPPicture::~TAdvGDIPPicture() = default;

bool TAdvGDIPPicture::HasBytes() { return !FEmpty && !FBytes->Bytes().empty(); }

bool TAdvGDIPPicture::UpdateImageSize() {
    if (!HasBytes()) return false;
    TStreamRef stream = OpenImageStream(*FBytes);
    if (!stream) return false;
    auto image = std::make_unique<TGPImage>(stream.get(), false);
    FWidth = static_cast<int32_t>(image->GetImageWidth());
    FHeight = static_cast<int32_t>(image->GetImageHeight());
    return true;
}

void TAdvGDIPPicture::ReadSizeFromFileHeader(const std::string& FileName) {
    if (!HasBytes()) return;
    const auto dot = FileName.find_last_of('.');
    const std::string ext = dot == std::string::npos ? std::string() : FileName.substr(dot);
    TImageSize size;
    const std::string upper = UpperCaseAscii(ext);
    const bool known = upper == ".JPG" || upper == ".JPEG" || upper == ".PNG" || upper == ".BMP" ||
                       upper == ".TIFF" || upper == ".TIF" || upper == ".GIF";
    if (known && !FileName.empty()) {
        TFileStream file(FileName, fmOpenRead);
        size = ReadSizeByExtension(file, ext);
    }
    FWidth = size.Width;
    FHeight = size.Height;
}

void TAdvGDIPPicture::LoadFromFile(const std::string& FileName) {
    try {
        TMemoryStream loaded;
        loaded.LoadFromFile(FileName);
        FBytes->Clear();
        FBytes->CopyFrom(loaded, 0);
        FEmpty = false;
        if (OnClear) OnClear(this);
        ReadSizeFromFileHeader(FileName);
        if (OnChange) OnChange(this);
    } catch (const std::exception&) {
        FEmpty = true;
    }
}

void TAdvGDIPPicture::LoadFromStream(TStream* Stream) {
    if (!Stream || Stream->Size() <= 0) return;
    ReadData(*Stream);
    if (OnChange) OnChange(this);
}

void TAdvGDIPPicture::LoadFromStream(TStream& Stream) { LoadFromStream(&Stream); }

void TAdvGDIPPicture::ReadData(TStream& Stream) {
    if (Stream.Size() <= 0) return;
    FBytes->Clear();
    FBytes->CopyFrom(Stream, 0); // from the source's first byte, wherever it stood
    FEmpty = false;
    UpdateImageSize();
}

void TAdvGDIPPicture::SaveToStream(TStream* Stream) {
    if (Stream) Stream->WriteBuffer(FBytes->Memory(), static_cast<int64_t>(FBytes->Bytes().size()));
}

void TAdvGDIPPicture::SaveToStream(TStream& Stream) { SaveToStream(&Stream); }
void TAdvGDIPPicture::WriteData(TStream& Stream) { SaveToStream(&Stream); }

void TAdvGDIPPicture::Assign(const TPersistent* Source) {
    FEmpty = true;
    if (!Source) {
        FBytes->Clear();
        if (OnChange) OnChange(this);
        if (OnClear) OnClear(this);
        return; // width and height keep their values
    }
    const TGraphic* graphic = dynamic_cast<const TGraphic*>(Source);
    if (const auto* picture = dynamic_cast<const TPicture*>(Source)) graphic = picture->Graphic();
    if (const auto* other = dynamic_cast<const TAdvGDIPPicture*>(graphic)) {
        if (other != this) {
            FBytes->Clear();
            FBytes->WriteBuffer(other->FBytes->Memory(), static_cast<int64_t>(other->FBytes->Bytes().size()));
        }
        FEmpty = FBytes->Bytes().empty();
        if (OnChange) OnChange(this);
    } else if (graphic) {
        // The source in its own file format: a bitmap as a BMP file, a JPEG picture as JPEG data.
        TMemoryStream saved;
        const_cast<TGraphic*>(graphic)->SaveToStream(saved);
        FBytes->Clear();
        FBytes->CopyFrom(saved, 0);
        FEmpty = false;
        if (OnChange) OnChange(this);
    }
    UpdateImageSize();
}

void TAdvGDIPPicture::Draw(TCanvas& ACanvas, const TRect& Rect) {
    if (!HasBytes()) return;
    TStreamRef stream = OpenImageStream(*FBytes);
    if (!stream) return;
    auto graphics = std::make_unique<TGPGraphics>(ACanvas.Handle());
    auto image = std::make_unique<TGPImage>(stream.get(), false);
    if (image->GetFormatKind() == ifBMP) {
        // The framework bitmap draws itself, keyed on its bottom-left colour, in its own size.
        TBitmap bitmap;
        FBytes->SetPosition(0);
        bitmap.LoadFromStream(*FBytes);
        bitmap.SetTransparentColor(clDefault);
        bitmap.SetTransparent(true);
        ACanvas.Draw(Rect.Left, Rect.Top, &bitmap);
    } else {
        FWidth = static_cast<int32_t>(image->GetImageWidth());
        FHeight = static_cast<int32_t>(image->GetImageHeight());
        graphics->DrawImageRect(image.get(), Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
    }
    image.reset();
    graphics.reset();
}

void TAdvGDIPPicture::DrawOnGraphics(TGPGraphics& Graphics, const TRect& Rect) {
    if (!HasBytes()) return;
    TStreamRef stream = OpenImageStream(*FBytes);
    if (!stream) return;
    auto image = std::make_unique<TGPImage>(stream.get(), false);
    FWidth = static_cast<int32_t>(image->GetImageWidth());
    FHeight = static_cast<int32_t>(image->GetImageHeight());
    if (image->GetFormatKind() == ifBMP && Transparent()) {
        ARGB key = ColorToARGB(255, FTransparencyColor);
        if (FTransparencyMode == btmAuto) {
            Rewind(stream.get());
            auto bitmap = std::make_unique<TGPBitmap>(stream.get(), false);
            bitmap->BitmapGetPixel(0, FHeight - 1, key);
        }
        auto attributes = std::make_unique<TGPImageAttributes>();
        attributes->SetImageAttributesColorKeys(key, key, 0);
        const float w = static_cast<float>(FWidth), h = static_cast<float>(FHeight);
        Graphics.DrawImageRectRect(image.get(), MakeRectF(static_cast<float>(Rect.Left), static_cast<float>(Rect.Top), w, h),
                                   0, 0, w, h, UnitPixel, attributes.get());
    } else {
        Graphics.DrawImageRect(image.get(), Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
    }
}

void TAdvGDIPPicture::FillPathWithTexture(TGPGraphics& Graphics, const TGPGraphicsPath& Path) {
    if (!HasBytes()) return;
    TStreamRef stream = OpenImageStream(*FBytes);
    if (!stream) return;
    auto image = std::make_unique<TGPImage>(stream.get(), false);
    auto brush = std::make_unique<TGPTextureBrush>(image.get(), 0);
    Graphics.FillPath(brush.get(), &Path);
    brush.reset(); // the brush goes before its image
}

void TAdvGDIPPicture::FillRectWithTexture(TGPGraphics& Graphics, const RectF& R) {
    if (!HasBytes()) return;
    TStreamRef stream = OpenImageStream(*FBytes);
    if (!stream) return;
    auto image = std::make_unique<TGPImage>(stream.get(), false);
    auto brush = std::make_unique<TGPTextureBrush>(image.get(), 0);
    Graphics.FillRectangle(brush.get(), R);
    brush.reset();
}
