// The hive parser on any bytes: it must not crash, and whatever it accepts must be written
// and read back to the same tree, and written again to the same text.
#include "common/HiveFormat.h"
#include "tests/fuzz/InputSplit.h"

#include <cstdlib>

namespace varnex {
namespace {

bool SameValue(const HiveValue& a, const HiveValue& b) {
    return a.name == b.name && a.type == b.type && a.data == b.data;
}

bool SameTree(const HiveKey& a, const HiveKey& b) {
    if (a.Name() != b.Name() || a.Values().size() != b.Values().size() ||
        a.SubKeys().size() != b.SubKeys().size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.Values().size(); ++i) {
        if (!SameValue(a.Values()[i], b.Values()[i])) return false;
    }
    for (std::size_t i = 0; i < a.SubKeys().size(); ++i) {
        if (!SameTree(a.SubKeys()[i], b.SubKeys()[i])) return false;
    }
    return true;
}

} // namespace
} // namespace varnex

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnex;
    const HiveParseResult parsed = ParseHive(fuzz::AsText(data, size));
    if (!parsed.ok) return 0;
    const std::string written = FormatHive(parsed.root);
    const HiveParseResult reread = ParseHive(written);
    if (!reread.ok || !SameTree(parsed.root, reread.root)) std::abort();
    if (FormatHive(reread.root) != written) std::abort();
    return 0;
}
