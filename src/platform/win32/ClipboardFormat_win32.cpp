#include "platform/ClipboardFormat.h"

#include <windows.h>

uint16_t RegisterClipboardFormatName(const std::string& Name) {
    return static_cast<uint16_t>(RegisterClipboardFormatA(Name.c_str()));
}
