#include "platform/FileSize.h"

#include <io.h>

bool SetOpenFileSize(std::FILE* File, int64_t Size) {
    return Size >= 0 && std::fflush(File) == 0 && _chsize_s(_fileno(File), Size) == 0;
}
