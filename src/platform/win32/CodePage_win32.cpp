// Texts for GDI+ in the code page the system is set to, as the ANSI calls read them.
#include "platform/CodePage.h"

#include "platform/win32/WindowsApi.h"

std::u16string SystemAnsiToUtf16(const std::string& Ansi) {
    if (Ansi.empty()) return {};
    const int size = static_cast<int>(Ansi.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, Ansi.data(), size, nullptr, 0);
    if (units <= 0) return AnsiToUtf16(Ansi);
    std::u16string out(static_cast<size_t>(units), u'\0');
    MultiByteToWideChar(CP_ACP, 0, Ansi.data(), size, reinterpret_cast<wchar_t*>(out.data()), units);
    return out;
}

std::u16string NativeFileNameToUtf16(const std::string& Name) { return SystemAnsiToUtf16(Name); }
