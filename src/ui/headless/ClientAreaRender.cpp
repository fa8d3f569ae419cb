#include "ui/headless/ClientAreaRender.h"

#include "framework/ControlPainter.h"
#include "ui/headless/PngWriter.h"

std::unique_ptr<TSurface> RenderClientArea(TWinControl& Form) {
    auto surface = CreateSurface(Form.Width(), Form.Height());
    if (surface->Width > 0 && surface->Height > 0) PaintControlTree(Form, *surface);
    return surface;
}

void SaveClientAreaPng(TWinControl& Form, const std::string& FileName) { SavePng(*RenderClientArea(Form), FileName); }
