// The tables every search in one encoding shares, made once per process.
#pragma once

#include "textview/model/search/Pcre2Library.h"
#include "textview/model/search/RegexTables.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace varnex {

struct CompileContextFree {
    void operator()(pcre2_compile_context* context) const { pcre2_compile_context_free(context); }
};

// What an encoding gives a search: its PCRE2 tables (kept alive as long as the process, since
// compiled code points at them) and the case folding of plain text.
struct EncodingTables {
    std::vector<std::uint8_t> regexTables;
    std::unique_ptr<pcre2_compile_context, CompileContextFree> context;
    std::array<std::uint8_t, 256> fold{};
    std::array<bool, 256> hasCase{};

    explicit EncodingTables(ByteTraits (*traitsOf)(std::uint8_t));
};

// The tables of Windows-1252, made on first use.
const EncodingTables& Windows1252Tables();

} // namespace varnex
