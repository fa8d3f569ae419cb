#pragma once
// A stand-in for the GDI+ flat API that records every call with its arguments instead of drawing.
// Handles are numbered in the order objects are made and printed as #n; null prints as null.
#include <string>
#include <vector>

#include "platform/GdiPlusFlat.h"

namespace recorder {
// "GdipCreatePen1(ff102030, 2, 0) -> #1", one line per call, in order.
std::vector<std::string>& Calls();
// Forgets the calls and the scripted answers; handle numbers start again at 1.
void Reset();
// The next call of Name answers Status (a creation call then makes no object).
void FailNext(const std::string& Name, GpStatus Status);
// GdipAlloc gives nothing for the next Count requests.
void FailAllocations(int Count);
// What image queries answer.
struct TImageAnswers {
    uint32_t Width{4};
    uint32_t Height{3};
    uint32_t RawFormat{0xb96b3caf}; // first field of the format GUID: PNG
    ARGB Pixel{0xFF00FF00};
    int32_t PathGradientPoints{3};
    int32_t SurroundColorsTaken{-1}; // how far GDI+ lowers the surround count; -1 keeps it
    std::vector<std::u16string> InstalledFamilies; // the installed font collection, in its order
};
TImageAnswers& Answers();
// Only the calls whose name starts with one of the prefixes, without their handle results.
std::vector<std::string> CallsNamed(std::initializer_list<const char*> Prefixes);
} // namespace recorder
