// Plain text by direct byte comparison, its case folded through a table.
#include "textview/model/search/PlainText.h"

#include "textview/model/search/EncodingTables.h"

#include <algorithm>
#include <cstddef>

namespace varnex {

bool PlainText::MatchesAt(const std::uint8_t* text, int at) const {
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        if ((*fold)[text[at + static_cast<int>(k)]] != static_cast<std::uint8_t>(bytes[k]))
            return false;
    }
    return true;
}

int PlainText::Find(const std::uint8_t* text, int length, int from) const {
    const int lastStart = length - Size();
    if (bytes.empty() || from > lastStart) return -1;
    if (!foldCase) {
        const std::string_view haystack(reinterpret_cast<const char*>(text),
                                        static_cast<std::size_t>(length));
        const std::size_t at = haystack.find(bytes, static_cast<std::size_t>(from));
        return at == std::string_view::npos ? -1 : static_cast<int>(at);
    }
    const auto first = static_cast<std::uint8_t>(bytes[0]);
    for (int at = from; at <= lastStart; ++at) {
        if ((*fold)[text[at]] == first && MatchesAt(text, at)) return at;
    }
    return -1;
}

PlainText MakePlainText(std::string_view text, bool ignoreCase, const EncodingTables& tables) {
    PlainText plain;
    plain.fold = &tables.fold;
    // Folding only pays when the text has letters with a case partner.
    plain.foldCase = ignoreCase && std::any_of(text.begin(), text.end(), [&](char c) {
                         return tables.hasCase[static_cast<std::uint8_t>(c)];
                     });
    plain.bytes = text;
    if (plain.foldCase) {
        for (char& c : plain.bytes)
            c = static_cast<char>(tables.fold[static_cast<std::uint8_t>(c)]);
    }
    return plain;
}

} // namespace varnex
