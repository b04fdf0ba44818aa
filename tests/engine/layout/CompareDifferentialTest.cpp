// Random file pairs in all three modes: the engine's dump must equal the literal rendering's.
#include "tests/engine/layout/LiteralCompare.h"
#include "tests/engine/support/DumpOf.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <utility>

namespace varnex {
namespace {

class PairGenerator {
public:
    explicit PairGenerator(unsigned seed) : rng_(seed) {}

    std::string MakeFile() {
        std::string file;
        const int lines = Pick(0, 30);
        for (int n = 0; n < lines; ++n)
            file += MakeLine() + MakeLineEnd();
        if (Chance(4)) file += MakeLine();
        return file;
    }

    // Most lines kept; some deleted, inserted, edited by a byte or a blank, or given a new end.
    std::string Mutate(const std::string& file) {
        std::string result;
        std::size_t start = 0;
        while (start < file.size()) {
            std::size_t end = file.find_first_of("\r\n", start);
            end = end == std::string::npos ? file.size() : end + 1;
            std::string line = file.substr(start, end - start);
            start = end;
            const int action = Pick(0, 9);
            if (action == 0) continue;
            if (action == 1) result += MakeLine() + MakeLineEnd();
            if (action == 2) line = EditByte(line);
            if (action == 3) line.insert(line.begin(), ' ');
            if (action == 4 && !line.empty() && (line.back() == '\n' || line.back() == '\r')) {
                line.back() = Chance(2) ? '\r' : '\n';
                if (Chance(3)) line += '\n';
            }
            result += line;
        }
        if (Chance(3)) result += MakeLine() + MakeLineEnd();
        return result;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Chance(int oneIn) { return Pick(1, oneIn) == 1; }

    std::string MakeLine() {
        static const char* const kRepeated[] = {"{", "}", "int i;",     "  return 0;",
                                                "a", "b", "x = y + 1;", "end"};
        switch (Pick(0, 9)) {
        case 0:
            return "";
        case 1:
            return Chance(2) ? " \t " : "\t";
        case 2:
            return RandomBytes(Chance(12) ? Pick(1500, 2600) : Pick(60, 400));
        case 3:
        case 4:
        case 5:
            return kRepeated[Pick(0, 7)];
        default:
            return RandomBytes(Pick(1, 24));
        }
    }

    std::string RandomBytes(int length) {
        static const char kAlphabet[] = {'a',  'b',  'c',    'x',    '_',    '1',    ' ', ' ',
                                         '\t', '\0', '\xE4', '\xDE', '\xC0', '\xFF', '(', ';'};
        std::string bytes;
        for (int n = 0; n < length; ++n)
            bytes += kAlphabet[Pick(0, sizeof(kAlphabet) - 1)];
        return bytes;
    }

    std::string MakeLineEnd() {
        switch (Pick(0, 9)) {
        case 0:
            return "\r";
        case 1:
        case 2:
            return "\r\n";
        case 3:
            return "\n\r";
        default:
            return "\n";
        }
    }

    std::string EditByte(std::string line) {
        const std::string replacement = RandomBytes(Pick(0, 2));
        const std::size_t at = line.empty() ? 0 : Pick(0, static_cast<int>(line.size()) - 1);
        line.replace(at, line.empty() ? 0 : 1, replacement);
        return line;
    }

    std::mt19937 rng_;
};

std::string Escaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char code[8];
            std::snprintf(code, sizeof(code), "\\x%02X", c);
            out += code;
        }
    }
    return out;
}

constexpr unsigned kSeeds = 300;

TEST(CompareDifferentialTest, EngineAgreesWithLiteralRenderingOnRandomPairs) {
    for (unsigned seed = 1; seed <= kSeeds; ++seed) {
        PairGenerator generator(seed);
        const std::string left = generator.MakeFile();
        const std::string right = seed % 7 == 0 ? generator.MakeFile() : generator.Mutate(left);
        for (const int mode : {0, 1, 2}) {
            const std::string expected =
                literal::LiteralCompareDump(BytesOf(left), BytesOf(right), mode);
            const std::string actual = DumpOf(left, right, static_cast<CompareMode>(mode));
            ASSERT_EQ(actual, expected)
                << "seed " << seed << " mode " << mode << "\nleft:  " << Escaped(left)
                << "\nright: " << Escaped(right);
        }
    }
}

// Changed blocks between equal anchor lines, each side `perBlock` lines of `width` bytes over
// `alphabet`; the right side is unrelated to the left or an edited copy of it.
struct BlockPairShape {
    const char* alphabet;
    int width;
    int perBlock;
    const char* lineEnd;
    bool related;
};

std::pair<std::string, std::string> MakeBlockPair(const BlockPairShape& shape, unsigned seed) {
    std::mt19937 rng(seed);
    const std::string alphabet = shape.alphabet;
    const auto randomByte = [&] { return alphabet[rng() % alphabet.size()]; };
    std::string left;
    std::string right;
    for (int block = 0; block < 2; ++block) {
        const std::string anchor = "=== block " + std::to_string(block) + " ===";
        left += anchor + shape.lineEnd;
        right += anchor + shape.lineEnd;
        for (int line = 0; line < shape.perBlock; ++line) {
            std::string l;
            std::string r;
            for (int x = 0; x < shape.width; ++x) {
                l += randomByte();
                r += shape.related && rng() % 12 != 0 ? l.back() : randomByte();
            }
            left += l + shape.lineEnd;
            right += r + shape.lineEnd;
        }
    }
    return {left, right};
}

// Blocks of just under, exactly at and just over the 4096-byte limit, with the engine's rows
// checked against the literal rendering over the reference matcher.
TEST(CompareDifferentialTest, EngineAgreesWithLiteralRenderingOnBlockPairs) {
    const BlockPairShape shapes[] = {
        {"abcde ", 79, 51, "\n", false},               // 4080 bytes a block
        {"abcde ", 79, 52, "\n", false},               // 4160
        {"ab", 79, 51, "\n", true},                    // 4080
        {"ab", 63, 64, "\n", false},                   // 4096
        {"abcdefghijklmnop  ", 40, 99, "\r\n", false}, // 4158 over, by the CR
        {"abcdefghijklmnop  ", 40, 97, "\r\n", true},  // 4074
        {"ab \t", 9, 409, "\n", false},                // 4090, short lines
        {"x y\tz", 300, 13, "\n", true},               // 3913, long lines
        {"\xE4\xC0 _1(", 64, 62, "\n", false},         // 4030, bytes past 0x7F
    };
    unsigned seed = 1;
    for (const BlockPairShape& shape : shapes) {
        const auto [left, right] = MakeBlockPair(shape, seed++);
        for (const int mode : {0, 1, 2}) {
            const std::string expected = literal::LiteralCompareDump(
                BytesOf(left), BytesOf(right), mode, literal::Matching::Reference);
            const std::string actual = DumpOf(left, right, static_cast<CompareMode>(mode));
            ASSERT_EQ(actual, expected)
                << "alphabet \"" << Escaped(shape.alphabet) << "\", width " << shape.width << ", "
                << shape.perBlock << " lines a block, mode " << mode;
        }
    }
}

} // namespace
} // namespace varnex
