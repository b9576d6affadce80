# Writes a C++ source holding the bytes of a file:
#   cmake -DIN=<file> -DOUT=<name>_table.cpp -DFUNCTION=<name> -P embed_bytes.cmake
# The function returns the bytes as a std::string_view.
file(READ ${IN} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUT}.tmp "// Generated from ${IN}; do not edit.
#include <string_view>

namespace calendar {
namespace {
const char kBytes[] = {
${bytes}0};
}  // namespace

std::string_view ${FUNCTION}() { return {kBytes, sizeof kBytes - 1}; }

}  // namespace calendar
")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
