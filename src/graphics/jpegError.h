#pragma once
// The JPEG codec's failure, raised by the picture (jpeg) and by its glue to libjpeg (jpegLib) alike.
#include "framework/Graphics.h"

// A codec failure: "JPEG-Fehler #<library message code>".
class EJPEG : public EInvalidGraphic {
public:
    explicit EJPEG(int MessageCode);
    int MessageCode() const { return FMessageCode; }

private:
    int FMessageCode{0};
};
