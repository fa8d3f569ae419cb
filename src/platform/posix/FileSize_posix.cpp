#include "platform/FileSize.h"

#include <unistd.h>

bool SetOpenFileSize(std::FILE* File, int64_t Size) {
    return Size >= 0 && std::fflush(File) == 0 && ftruncate(fileno(File), static_cast<off_t>(Size)) == 0;
}
