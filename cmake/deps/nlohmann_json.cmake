# nlohmann-json (header-only, Debian nlohmann-json3-dev) reads and writes the stored window
# description. The cross build must not see the rest of /usr/include, so it gets a folder that holds
# only this library.
set(_nlohmann_root ${CMAKE_BINARY_DIR}/nlohmann-include)
file(MAKE_DIRECTORY ${_nlohmann_root})
if(NOT EXISTS ${_nlohmann_root}/nlohmann)
  file(CREATE_LINK /usr/include/nlohmann ${_nlohmann_root}/nlohmann SYMBOLIC)
endif()
target_include_directories(velundo_framework SYSTEM PUBLIC ${_nlohmann_root})
