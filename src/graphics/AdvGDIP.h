#pragma once
// Unit AdvGDIP: the GDI+ object layer, the picture held as its file bytes, and its stream adapter.
#include "graphics/AdvGDIPObjects.h"
#include "graphics/AdvGDIPPicture.h"
