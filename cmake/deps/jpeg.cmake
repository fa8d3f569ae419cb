# libjpeg with the version-62 interface. Linux: the system's libjpeg62-turbo. Windows: a static
# libjpeg cross-built from the libjpeg-turbo source in the npm package jpeg-turbo@0.4.0, fetched into
# the git-ignored deps/ folder at configure time (never committed).

set(VELUNDO_JPEG_PACKAGE jpeg-turbo@0.4.0)

function(velundo_fetch_libjpeg_turbo source_dir)
  if(EXISTS ${source_dir}/CMakeLists.txt)
    return()
  endif()
  set(_deps ${CMAKE_SOURCE_DIR}/deps)
  file(MAKE_DIRECTORY ${_deps})
  # Two build folders may configure at once.
  file(LOCK ${_deps}/.libjpeg-turbo.lock GUARD FUNCTION TIMEOUT 600)
  if(EXISTS ${source_dir}/CMakeLists.txt)
    return()
  endif()
  find_program(VELUNDO_NPM npm REQUIRED)
  set(_work ${_deps}/.libjpeg-turbo-npm)
  file(REMOVE_RECURSE ${_work})
  file(MAKE_DIRECTORY ${_work})
  message(STATUS "Fetching ${VELUNDO_JPEG_PACKAGE} for the libjpeg-turbo source")
  execute_process(COMMAND ${VELUNDO_NPM} pack ${VELUNDO_JPEG_PACKAGE} --silent
                  WORKING_DIRECTORY ${_work} RESULT_VARIABLE _rc OUTPUT_VARIABLE _tarball
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT _rc EQUAL 0 OR NOT EXISTS ${_work}/${_tarball})
    message(FATAL_ERROR "npm pack ${VELUNDO_JPEG_PACKAGE} failed (${_rc})")
  endif()
  file(ARCHIVE_EXTRACT INPUT ${_work}/${_tarball} DESTINATION ${_work})
  file(RENAME ${_work}/package/deps/libjpeg-turbo ${source_dir})
  file(REMOVE_RECURSE ${_work})
endfunction()

if(WIN32)
  set(_src ${CMAKE_SOURCE_DIR}/deps/libjpeg-turbo)
  set(_bin ${CMAKE_BINARY_DIR}/libjpeg-turbo)
  velundo_fetch_libjpeg_turbo(${_src})
  # The package leaves out the installer template that the source's CMake configures.
  if(NOT EXISTS ${_src}/release/libjpeg-turbo.nsi.in)
    file(MAKE_DIRECTORY ${_src}/release)
    file(TOUCH ${_src}/release/libjpeg-turbo.nsi.in)
  endif()
  include(ExternalProject)
  ExternalProject_Add(libjpeg_turbo
    SOURCE_DIR ${_src}
    BINARY_DIR ${_bin}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
               -DCMAKE_BUILD_TYPE=Release -DWITH_SIMD=0 -DENABLE_SHARED=0 -DWITH_TURBOJPEG=0 -Wno-dev
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${_bin} --target jpeg-static
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${_bin}/libjpeg.a)
  file(MAKE_DIRECTORY ${_bin})
  add_library(velundo_libjpeg STATIC IMPORTED GLOBAL)
  set_target_properties(velundo_libjpeg PROPERTIES IMPORTED_LOCATION ${_bin}/libjpeg.a
                        INTERFACE_INCLUDE_DIRECTORIES "${_src};${_bin}")
  add_dependencies(velundo_libjpeg libjpeg_turbo)
  target_link_libraries(velundo_graphics PUBLIC velundo_libjpeg)
else()
  find_package(JPEG REQUIRED)
  target_link_libraries(velundo_graphics PUBLIC JPEG::JPEG)
endif()

# Pictures for the tests and benchmarks, made on the build host with ImageMagick and libjpeg-turbo's
# own cjpeg, with djpeg's decoding of each as the reference.
function(velundo_jpeg_pictures)
  find_program(VELUNDO_CONVERT convert)
  find_program(VELUNDO_CJPEG cjpeg)
  find_program(VELUNDO_DJPEG djpeg)
  if(NOT VELUNDO_CONVERT OR NOT VELUNDO_CJPEG OR NOT VELUNDO_DJPEG)
    message(WARNING "convert, cjpeg or djpeg missing: no JPEG test pictures")
    return()
  endif()
  set(_dir ${CMAKE_BINARY_DIR}/jpeg-pictures)
  set(_c ${VELUNDO_CONVERT})
  set(_cj ${VELUNDO_CJPEG})
  set(_dj ${VELUNDO_DJPEG})
  if(TARGET velundo_tests)
    add_custom_command(OUTPUT ${_dir}/banner.jpg ${_dir}/banner.bmp ${_dir}/photo.jpg ${_dir}/photo.bmp
        ${_dir}/photo-236.bmp ${_dir}/gray.jpg ${_dir}/gray-236.bmp ${_dir}/progressive.jpg
        ${_dir}/progressive.bmp
      COMMAND ${CMAKE_COMMAND} -E make_directory ${_dir}
      COMMAND ${_c} -size 2600x55 -seed 11 plasma:fuchsia-teal ${_dir}/banner.ppm
      COMMAND ${_cj} -quality 85 -sample 1x1 -baseline -outfile ${_dir}/banner.jpg ${_dir}/banner.ppm
      COMMAND ${_dj} -bmp -outfile ${_dir}/banner.bmp ${_dir}/banner.jpg
      COMMAND ${_c} -size 640x480 -seed 12 plasma:orange-navy ${_dir}/photo.ppm
      COMMAND ${_cj} -quality 75 -outfile ${_dir}/photo.jpg ${_dir}/photo.ppm
      COMMAND ${_dj} -bmp -outfile ${_dir}/photo.bmp ${_dir}/photo.jpg
      COMMAND ${_dj} -bmp -colors 236 -outfile ${_dir}/photo-236.bmp ${_dir}/photo.jpg
      COMMAND ${_cj} -grayscale -outfile ${_dir}/gray.jpg ${_dir}/photo.ppm
      COMMAND ${_dj} -bmp -colors 236 -outfile ${_dir}/gray-236.bmp ${_dir}/gray.jpg
      COMMAND ${_cj} -progressive -outfile ${_dir}/progressive.jpg ${_dir}/photo.ppm
      COMMAND ${_dj} -bmp -outfile ${_dir}/progressive.bmp ${_dir}/progressive.jpg
      VERBATIM)
    add_custom_target(velundo_jpeg_pictures DEPENDS ${_dir}/banner.jpg)
    add_dependencies(velundo_tests velundo_jpeg_pictures)
    target_compile_definitions(velundo_tests PRIVATE VELUNDO_JPEG_PICTURES="${_dir}")
  endif()
  if(TARGET jpeg_bench)
    add_custom_command(OUTPUT ${_dir}/bench-2600x55.jpg ${_dir}/bench-4000x3000.jpg
      COMMAND ${CMAKE_COMMAND} -E make_directory ${_dir}
      COMMAND ${_c} -size 2600x55 -seed 21 plasma:fuchsia-teal ${_dir}/bench-2600x55.ppm
      COMMAND ${_cj} -quality 85 -sample 1x1 -baseline -outfile ${_dir}/bench-2600x55.jpg ${_dir}/bench-2600x55.ppm
      COMMAND ${_c} -size 4000x3000 -seed 22 plasma:orange-navy ${_dir}/bench-4000x3000.ppm
      COMMAND ${_cj} -quality 85 -baseline -outfile ${_dir}/bench-4000x3000.jpg ${_dir}/bench-4000x3000.ppm
      VERBATIM)
    add_custom_target(velundo_jpeg_bench_pictures DEPENDS ${_dir}/bench-4000x3000.jpg)
    add_dependencies(jpeg_bench velundo_jpeg_bench_pictures)
    target_compile_definitions(jpeg_bench PRIVATE VELUNDO_JPEG_PICTURES="${_dir}")
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL velundo_jpeg_pictures)
