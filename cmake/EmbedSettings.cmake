# Script mode: writes OUTPUT, a C++ source that holds every INPUT_DIR/*.reg file as a raw string,
# for BuiltinSettingsTexts() (common/BuiltinSettings.h). Rewrites OUTPUT only when it changes.
file(GLOB inputs "${INPUT_DIR}/*.reg")
list(SORT inputs)
set(entries "")
list(LENGTH inputs count)
foreach(input IN LISTS inputs)
  file(READ "${input}" text)
  get_filename_component(name "${input}" NAME)
  string(APPEND entries "    // ${name}\n    R\"varnex_reg(${text})varnex_reg\",\n")
endforeach()
set(source "// Made from res/settings/*.reg by cmake/EmbedSettings.cmake; do not edit.
#include \"common/BuiltinSettings.h\"

#include <array>

namespace varnex {

namespace {

constexpr std::array<std::string_view, ${count}> kTexts = {
${entries}};

} // namespace

std::span<const std::string_view> BuiltinSettingsTexts() {
    return kTexts;
}

} // namespace varnex
")
file(WRITE "${OUTPUT}.new" "${source}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
