# Writes a C++ source that holds a file's bytes as a character array, so that the program
# carries the file without reading it at run time.
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -P EmbedText.cmake
file(READ "${INPUT}" _hex HEX)
string(LENGTH "${_hex}" _digits)
math(EXPR _size "${_digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," _bytes "${_hex}")
string(REGEX REPLACE "(('\\\\x[0-9a-f][0-9a-f]',){32})" "\\1\n    " _bytes "${_bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Made by the build from ${INPUT}; do not edit.\n#include <cstddef>\n\n"
  "extern const char ${SYMBOL}[];\nextern const std::size_t ${SYMBOL}Size;\n"
  "const char ${SYMBOL}[] = {\n    ${_bytes}'\\0'};\nconst std::size_t ${SYMBOL}Size = ${_size};\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
