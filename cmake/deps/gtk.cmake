# GTK 3: the Linux user interface, used by the back end in src/ui/gtk only.
if(NOT WIN32)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(GTK3 REQUIRED IMPORTED_TARGET gtk+-3.0)
  target_link_libraries(velundo_ui PUBLIC PkgConfig::GTK3)
  # The toolkit's text measurement (platform/posix/TextExtent_posix.cpp), below the UI layer.
  pkg_check_modules(PANGOCAIRO REQUIRED IMPORTED_TARGET pangocairo)
  target_link_libraries(velundo_platform PUBLIC PkgConfig::PANGOCAIRO)
endif()
