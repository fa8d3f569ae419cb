#pragma once
// <windows.h> for files that also use the framework: include it after the framework's headers. The
// framework has its own MulDiv (the same rounding) and colour helpers; winbase.h's MulDiv is kept out
// of the way under another name (never called), and wingdi.h's colour macros then do what the
// framework's functions do.
#define MulDiv Win32ApiMulDiv
#include <windows.h>
#undef MulDiv
