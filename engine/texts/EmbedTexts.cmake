# Writes OUTPUT: one byte array per text file in TEXT_DIR (NAMES), read as raw bytes
# so that no character of the paragraphs is reinterpreted on the way.
set(body "// Generated from engine/texts at build time; do not edit.\n#include <string_view>\n\nnamespace modCorvaneNumerology::data {\n")
foreach(name IN LISTS NAMES)
  file(READ "${TEXT_DIR}/${name}.txt" hex HEX)
  string(LENGTH "${hex}" hexlen)
  math(EXPR bytes "${hexlen} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," arr "${hex}")
  string(APPEND body "namespace {\nconst char ${name}Bytes[] = {${arr} '\\0'};\n}\n")
  string(APPEND body "extern const std::string_view ${name}File{${name}Bytes, ${bytes}};\n")
endforeach()
string(APPEND body "} // namespace modCorvaneNumerology::data\n")
file(WRITE "${OUTPUT}" "${body}")
