// An encoding's tables, built from the traits of its 256 bytes.
#include "textview/model/search/EncodingTables.h"

#include <cstddef>

namespace varnex {

EncodingTables::EncodingTables(ByteTraits (*traitsOf)(std::uint8_t))
    : regexTables(MakeRegexTables(traitsOf)), context(pcre2_compile_context_create(nullptr)) {
    pcre2_set_character_tables(context.get(), regexTables.data());
    for (int value = 0; value < 256; ++value) {
        const ByteTraits traits = traitsOf(static_cast<std::uint8_t>(value));
        fold[static_cast<std::size_t>(value)] = traits.toLower;
        hasCase[static_cast<std::size_t>(value)] =
            traits.toLower != value || traits.toUpper != value;
    }
}

const EncodingTables& Windows1252Tables() {
    static const EncodingTables windows1252(&Windows1252Traits);
    return windows1252;
}

} // namespace varnex
