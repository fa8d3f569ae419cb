#pragma once
// A one-pixel PNG, for pictures that hold something.
#include <cstdint>
#include <vector>

class TAdvGDIPPicture;

extern const std::vector<uint8_t> TinyPng;
// Loads TinyPng into Picture through its stream loader (which notifies the picture's owner).
void LoadTiny(TAdvGDIPPicture& Picture);
