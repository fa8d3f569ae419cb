#include "graphics/jpegError.h"

#include "framework/SysUtils.h"

EJPEG::EJPEG(int MessageCode)
    : EInvalidGraphic(FormatNumber("JPEG-Fehler #%d", MessageCode)), FMessageCode(MessageCode) {}
