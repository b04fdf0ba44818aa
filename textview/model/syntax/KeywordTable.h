// The keyword groups of a configuration as one open-addressing hash table: word → token class.
#pragma once

#include "textview/model/syntax/SyntaxConfig.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnex {

class KeywordTable {
public:
    // A word in several groups belongs to the first; words longer than kMaxWordLength are
    // left out.
    KeywordTable(const std::array<std::vector<std::string>, kWordGroupCount>& groups,
                 bool ignoreCase);

    static constexpr int kMaxWordLength = 255;

    // The group of the `length` bytes at `word`, or TokenClass::Text for other words.
    TokenClass Find(const std::uint8_t* word, int length) const;

private:
    struct Slot {
        std::uint32_t offset = 0;
        std::uint8_t length = 0; // 0: free
        TokenClass tokenClass = TokenClass::Text;
    };

    std::uint32_t Hash(const std::uint8_t* word, int length) const;
    bool Matches(const Slot& slot, const std::uint8_t* word, int length) const;
    void Insert(std::string_view word, TokenClass tokenClass);

    bool ignoreCase_;
    int longest_ = 0;
    std::uint32_t mask_ = 0;
    std::vector<Slot> slots_;
    std::string bytes_; // the words, folded when case is ignored
};

} // namespace varnex
