# Writes the bytes of INPUT into OUTPUT as a C++ array named NAME, so a text
# resource becomes part of the executable.
#   cmake -DINPUT=... -DOUTPUT=... -DNAME=... -P EmbedText.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "(([^,]*,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Made at build time from ${INPUT}; do not edit.
#include <cstddef>

extern const char ${NAME}[] = {\n    ${bytes}'\\0'};
extern const std::size_t ${NAME}Size = ${size};
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
