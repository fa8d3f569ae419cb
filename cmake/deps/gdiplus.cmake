# GDI+: on Windows gdiplus.dll, loaded at run time from the system folder (platform/win32/
# GdiPlusFlat_win32.cpp), never imported; on Linux Debian's libgdiplus, which ships no headers
# (platform/GdiPlusFlat.h declares what we call), and fontconfig to tell installed font families from
# libgdiplus' fallbacks.
if(WIN32)
  target_compile_definitions(velundo_platform PUBLIC "WINGDIPAPI=__stdcall")
else()
  find_library(GDIPLUS_LIBRARY NAMES gdiplus libgdiplus.so.0 PATHS /usr/lib /usr/lib/x86_64-linux-gnu REQUIRED)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
  target_link_libraries(velundo_platform PUBLIC ${GDIPLUS_LIBRARY} PkgConfig::FONTCONFIG)
endif()
