#pragma once
// The tooltips of a window's native controls (common controls' tooltip window). A disabled window
// gets no mouse input (the pointer over it reaches its parent), so each tooltip is a tool of the
// control's own window and one of the owner over the control's rectangle: it shows whether the
// control is enabled or not.
#include <string>

struct HWND__;

class TWin32Tooltips {
public:
    explicit TWin32Tooltips(HWND__* Owner);
    ~TWin32Tooltips();
    TWin32Tooltips(const TWin32Tooltips&) = delete;
    TWin32Tooltips& operator=(const TWin32Tooltips&) = delete;

    // Shows Text (Windows-1252) where the pointer rests on Control, a child of the owner at its
    // present place; an empty text shows none.
    void Set(HWND__* Control, const std::string& Text);

private:
    HWND__* FOwner;
    HWND__* FTips{nullptr};
};
