# Writes a C++ source holding a file's bytes as an array:
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DNAME=symbol -P embed.cmake
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}; do not edit.\n#include <cstddef>\n\n"
  "extern const unsigned char ${NAME}[] = {\n${bytes}\n};\nextern const size_t ${NAME}Size = ${size};\n")
