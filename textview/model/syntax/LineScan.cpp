// The scan of one line: from the state the line before left, every byte gets the style index of
// its token class, and the state for the next line comes out.
#include "textview/model/syntax/LineScan.h"

#include <cstring>

namespace varnex {

namespace {

bool IsBlank(std::uint8_t c) {
    return c == ' ' || c == '\t';
}

bool IsLineEnd(std::uint8_t c) {
    return c == '\r' || c == '\n';
}

bool IsDigit(std::uint8_t c) {
    return c >= '0' && c <= '9';
}

std::uint8_t Lower(std::uint8_t c) {
    return static_cast<std::uint8_t>(c | 0x20);
}

// A sign continues a number right after its exponent letter: 'e' for decimals, 'p' for hex.
bool FollowsExponent(std::uint8_t previous, bool hex) {
    return Lower(previous) == (hex ? 'p' : 'e');
}

} // namespace

LineScan::LineScan(const ScanTables& tables, const StyleIndices& indices, const std::uint8_t* text,
                   int length, std::uint8_t* styles)
    : tables_(tables), indices_(indices), text_(text), styles_(styles), length_(length),
      end_(length) {
    while (end_ > 0 && IsLineEnd(text_[end_ - 1]))
        --end_;
}

std::uint8_t LineScan::Run(std::uint8_t state) {
    int at = 0;
    if (state > tables_.regions.size()) state = 0;
    if (state != 0) {
        const std::size_t rule = state - 1u;
        bool open = false;
        at = RegionEnd(rule, 0, open);
        Fill(0, at, tables_.regions[rule].tokenClass);
        if (!open) state = 0;
    } else {
        at = ScanLineRule();
    }
    while (at < end_ && state == 0)
        at = ScanToken(at, state);
    const TokenClass runsOn =
        state != 0 ? tables_.regions[state - 1u].tokenClass : TokenClass::Text;
    Fill(end_, length_, runsOn);
    return state;
}

int LineScan::ScanToken(int at, std::uint8_t& state) {
    const std::uint8_t c = text_[at];
    if (tables_.regionFirst[c]) {
        if (const int rule = RegionAt(at); rule >= 0)
            return ScanRegion(static_cast<std::size_t>(rule), at, state);
    }
    switch (tables_.roles[c]) {
    case ByteRole::Letter:
        return ScanWord(at);
    case ByteRole::Digit:
        return ScanNumber(at);
    case ByteRole::Bracket:
        Fill(at, at + 1, TokenClass::Bracket);
        return at + 1;
    case ByteRole::Separator:
        if (StartsFraction(at)) return ScanNumber(at);
        Fill(at, at + 1, TokenClass::Operator);
        return at + 1;
    case ByteRole::Plain:
        break;
    }
    return ScanPlain(at);
}

// Only at the start of a line that does not begin inside a region.
int LineScan::ScanLineRule() {
    for (const LineRule& rule : tables_.lineRules) {
        int at = 0;
        while (rule.afterIndent && at < end_ && IsBlank(text_[at]))
            ++at;
        if (!StartsAt(at, rule.prefix)) continue;
        if (rule.wholeLine) {
            Fill(0, end_, rule.tokenClass);
            return end_;
        }
        int stop = at + static_cast<int>(rule.prefix.size());
        while (stop < end_ && IsBlank(text_[stop]))
            ++stop;
        while (stop < end_ && tables_.wordBytes[text_[stop]])
            ++stop;
        Fill(0, at, TokenClass::Text);
        Fill(at, stop, rule.tokenClass);
        return stop;
    }
    return 0;
}

int LineScan::ScanRegion(std::size_t rule, int at, std::uint8_t& state) {
    bool open = false;
    const int from = at + static_cast<int>(tables_.regions[rule].start.size());
    const int stop = RegionEnd(rule, from, open);
    Fill(at, stop, tables_.regions[rule].tokenClass);
    if (open) state = static_cast<std::uint8_t>(rule + 1);
    return stop;
}

int LineScan::RegionEnd(std::size_t rule, int from, bool& open) const {
    const RegionRule& region = tables_.regions[rule];
    const int escape = region.escape ? *region.escape : -1;
    if (region.end.empty()) {
        open = escape >= 0 && end_ > from && text_[end_ - 1] == escape;
        return end_;
    }
    const std::uint8_t close = static_cast<std::uint8_t>(region.end.front());
    const bool doubledEscape = escape == close;
    for (int i = from; i < end_;) {
        const std::uint8_t c = text_[i];
        if (c == escape && !doubledEscape) {
            if (i + 1 >= end_) {
                open = true;
                return end_;
            }
            i += 2;
            continue;
        }
        if (c == close) {
            if (doubledEscape && i + 1 < end_ && text_[i + 1] == c) {
                i += 2;
                continue;
            }
            if (StartsAt(i, region.end)) return i + static_cast<int>(region.end.size());
        }
        ++i;
    }
    open = region.spansLines;
    return end_;
}

// The first region, longest start first, that begins at `at`; -1 for none.
int LineScan::RegionAt(int at) const {
    for (const std::uint8_t rule : tables_.regionsByFirst[text_[at]]) {
        const RegionRule& region = tables_.regions[rule];
        if (region.where == RegionStart::AfterBlank && at > 0 && !IsBlank(text_[at - 1])) continue;
        if (StartsAt(at, region.start)) return rule;
    }
    return -1;
}

int LineScan::ScanWord(int at) {
    int stop = at + 1;
    while (stop < end_ && tables_.wordBytes[text_[stop]])
        ++stop;
    Fill(at, stop, tables_.keywords.Find(text_ + at, stop - at));
    return stop;
}

int LineScan::ScanNumber(int at) {
    const bool hex = text_[at] == '0' && at + 1 < end_ && Lower(text_[at + 1]) == 'x';
    int stop = at + 1;
    while (stop < end_) {
        const std::uint8_t c = text_[stop];
        const bool sign = (c == '+' || c == '-') && FollowsExponent(text_[stop - 1], hex);
        if (!tables_.numberBytes[c] && !sign) break;
        ++stop;
    }
    Fill(at, stop, TokenClass::Number);
    return stop;
}

int LineScan::ScanPlain(int at) {
    int stop = at + 1;
    while (stop < end_ && tables_.roles[text_[stop]] == ByteRole::Plain &&
           !tables_.regionFirst[text_[stop]])
        ++stop;
    Fill(at, stop, TokenClass::Text);
    return stop;
}

// ".5": a number when '.' continues numbers and no word stands right before it.
bool LineScan::StartsFraction(int at) const {
    return text_[at] == '.' && tables_.numberBytes['.'] && at + 1 < end_ &&
           IsDigit(text_[at + 1]) && (at == 0 || !tables_.wordBytes[text_[at - 1]]);
}

bool LineScan::StartsAt(int at, const std::string& part) const {
    const auto size = static_cast<int>(part.size());
    return at + size <= end_ && std::memcmp(text_ + at, part.data(), part.size()) == 0;
}

void LineScan::Fill(int from, int to, TokenClass tokenClass) {
    if (to > from)
        std::memset(styles_ + from, indices_[static_cast<std::size_t>(tokenClass)],
                    static_cast<std::size_t>(to - from));
}

} // namespace varnex
