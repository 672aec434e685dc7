# Writes a C++ source whose function NAME() gives the bytes of the file INPUT.
# cmake -DINPUT=<file> -DOUTPUT=<source> -DNAME=<function> -P EmbedFile.cmake
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n  " bytes "${bytes}")
file(WRITE "${OUTPUT}.new"
  "// Made from ${INPUT} by cmake/EmbedFile.cmake at build time.\n"
  "#include <string_view>\n\n"
  "namespace {\nconst unsigned char kBytes[] = {\n  ${bytes}0};\n}  // namespace\n\n"
  "std::string_view ${NAME}() { return {reinterpret_cast<const char*>(kBytes), sizeof kBytes - 1}; }\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
