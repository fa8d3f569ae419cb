#pragma once
// What a screen reader gets of a native child window through MSAA (and UI Automation's MSAA bridge):
// the system's standard accessible object for the window, with the role and name the framework gives
// the control (TAccessibleInfo). The standard object alone names an edit after a static control
// before it in the z-order (there is none here) and a panel after its hidden caption.
#include <cstdint>

#include "framework/Accessibility.h"

struct HWND__;

// The answer to WM_GETOBJECT for Window: for its client object (OBJID_CLIENT) the standard object
// with Info's role and name; 0 for every other object, or when oleacc.dll is missing (the caller
// then passes the message on).
intptr_t AnswerGetObject(HWND__* Window, uintptr_t WParam, intptr_t LParam, const TAccessibleInfo& Info);

// Makes a window of a system class (edit, button) answer WM_GETOBJECT with Info, by subclassing it.
void MakeAccessible(HWND__* Window, const TAccessibleInfo& Info);
// What a window made accessible answers from now on (its description follows its hint).
void UpdateAccessible(HWND__* Window, const TAccessibleInfo& Info);
