#pragma once
// Changes the size of an open file: cuts it or extends it with zeros. False when the system refuses.
#include <cstdint>
#include <cstdio>

bool SetOpenFileSize(std::FILE* File, int64_t Size);
