#include "ui/win32/Win32Tooltips.h"

#include "ui/win32/Win32CommonControls.h"

namespace {
TOOLINFOA Tool(HWND Owner, HWND Control, bool OfControl) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS | (OfControl ? TTF_IDISHWND : 0);
    tool.hwnd = OfControl ? Control : Owner;
    tool.uId = reinterpret_cast<UINT_PTR>(Control);
    if (!OfControl) {
        GetWindowRect(Control, &tool.rect);
        MapWindowPoints(nullptr, Owner, reinterpret_cast<POINT*>(&tool.rect), 2);
    }
    return tool;
}
} // namespace

TWin32Tooltips::TWin32Tooltips(HWND__* Owner) : FOwner(Owner) {
    FTips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Owner, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
}

TWin32Tooltips::~TWin32Tooltips() {
    if (FTips) DestroyWindow(FTips);
}

void TWin32Tooltips::Set(HWND__* Control, const std::string& Text) {
    if (!FTips) return;
    for (bool ofControl : {true, false}) {
        TOOLINFOA tool = Tool(FOwner, Control, ofControl);
        SendMessageA(FTips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        if (Text.empty()) continue;
        tool.lpszText = const_cast<char*>(Text.c_str()); // copied by the tooltip window
        SendMessageA(FTips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}
