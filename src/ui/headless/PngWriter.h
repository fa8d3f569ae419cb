#pragma once
// Writes a surface as a PNG picture through GDI+'s own PNG encoder (gdiplus.dll and libgdiplus both
// carry one): the surface's premultiplied pixels come out with straight alpha.
#include <string>

#include "platform/Surface.h"

// Raises EStreamError (with the file name) for an empty surface or a file that cannot be written.
void SavePng(const TSurface& Surface, const std::string& FileName);
