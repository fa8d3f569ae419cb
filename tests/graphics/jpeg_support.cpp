#include "graphics/jpeg_support.h"

#include <cstdlib>
#include <sstream>

std::string JpegPicturePath(const std::string& Name) { return VELUNDO_JPEG_PICTURES "/" + Name; }

std::vector<uint8_t> JpegPictureBytes(const std::string& Name) {
    TMemoryStream stream;
    stream.LoadFromFile(JpegPicturePath(Name));
    return stream.Bytes();
}

std::unique_ptr<TBitmap> ReferenceBitmap(const std::string& Name) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromFile(JpegPicturePath(Name));
    return bitmap;
}

TMemoryStream StoredForm(const std::vector<uint8_t>& Jpeg, const std::string& ClassName, int32_t Length) {
    TMemoryStream stream;
    const auto n = static_cast<uint8_t>(ClassName.size());
    stream.WriteBuffer(&n, 1);
    stream.WriteBuffer(ClassName.data(), n);
    const auto m = static_cast<uint32_t>(Length);
    const uint8_t length[4] = {static_cast<uint8_t>(m), static_cast<uint8_t>(m >> 8), static_cast<uint8_t>(m >> 16),
                               static_cast<uint8_t>(m >> 24)};
    stream.WriteBuffer(length, 4);
    stream.WriteBuffer(Jpeg.data(), static_cast<int64_t>(Jpeg.size()));
    stream.SetPosition(0);
    return stream;
}

std::unique_ptr<TJPEGImage> LoadJpeg(const std::vector<uint8_t>& Bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
    stream.SetPosition(0);
    auto picture = std::make_unique<TJPEGImage>();
    picture->LoadFromStream(stream);
    return picture;
}

std::string FirstPixelDifference(const TBitmap& Actual, const TBitmap& Expected, int FirstRow, int LastRow,
                                 int Tolerance) {
    if (Actual.Width() != Expected.Width() || Actual.Height() != Expected.Height()) {
        std::ostringstream out;
        out << "size " << Actual.Width() << "x" << Actual.Height() << ", expected " << Expected.Width() << "x"
            << Expected.Height();
        return out.str();
    }
    if (LastRow < 0) LastRow = Expected.Height();
    for (int y = FirstRow; y < LastRow; ++y)
        for (int x = 0; x < Expected.Width(); ++x) {
            const uint32_t a = Actual.PixelColor(x, y), e = Expected.PixelColor(x, y);
            const int d = std::max({std::abs(GetRValue(a) - GetRValue(e)), std::abs(GetGValue(a) - GetGValue(e)),
                                    std::abs(GetBValue(a) - GetBValue(e))});
            if (d > Tolerance) {
                std::ostringstream out;
                out << "pixel (" << x << ", " << y << "): 0x" << std::hex << a << ", expected 0x" << e;
                return out.str();
            }
        }
    return {};
}
