# GTK 3: the Linux user interface. Its sources live in src/platform/gtk and are compiled only here,
# so the Windows build never sees them.
if(NOT WIN32)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(GTK3 REQUIRED IMPORTED_TARGET gtk+-3.0)
  file(GLOB _gtk_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/gtk/*.cpp)
  target_sources(velundo_core PRIVATE ${_gtk_sources})
  target_link_libraries(velundo_core PUBLIC PkgConfig::GTK3)
endif()
