#pragma once
// Pictures for the JPEG tests: made at build time by ImageMagick and cjpeg, with djpeg's decoding of
// each (as a BMP file) as the reference.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "graphics/jpeg.h"

std::string JpegPicturePath(const std::string& Name);
std::vector<uint8_t> JpegPictureBytes(const std::string& Name);
std::unique_ptr<TBitmap> ReferenceBitmap(const std::string& Name);
// The picture's stored form in a window description: class name field, 4-byte length, data.
TMemoryStream StoredForm(const std::vector<uint8_t>& Jpeg, const std::string& ClassName, int32_t Length);
std::unique_ptr<TJPEGImage> LoadJpeg(const std::vector<uint8_t>& Bytes);
// Empty when every pixel of the rows [FirstRow, LastRow) matches within Tolerance per channel; else the
// first that does not (LastRow -1: to the end).
std::string FirstPixelDifference(const TBitmap& Actual, const TBitmap& Expected, int FirstRow = 0, int LastRow = -1,
                                 int Tolerance = 0);
