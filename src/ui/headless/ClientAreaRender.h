#pragma once
// The headless back end's screen: a form's whole client area rendered into a memory canvas, the
// painted controls exactly and the standard controls in their plain drawing. For tests and for
// anyone who wants a screenshot without a desktop.
#include <memory>
#include <string>

#include "framework/Controls.h"
#include "platform/Surface.h"

std::unique_ptr<TSurface> RenderClientArea(TWinControl& Form);
// Renders the client area and writes it as a PNG file.
void SaveClientAreaPng(TWinControl& Form, const std::string& FileName);
