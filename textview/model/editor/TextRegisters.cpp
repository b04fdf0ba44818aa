// The ten text registers, one set for the whole process, kept in the settings as "Copy0".."Copy9".
#include "textview/model/editor/TextRegisters.h"

#include "textview/model/settings/EditOptions.h"

#include <array>

namespace varnex {

namespace {

std::array<std::string, TextRegisters::kCount>& Registers() {
    static std::array<std::string, TextRegisters::kCount> registers;
    return registers;
}

bool InRange(int n) {
    return n >= 0 && n < TextRegisters::kCount;
}

} // namespace

std::optional<std::string> TextRegisters::Get(int n) {
    if (!InRange(n) || Registers()[n].empty()) return std::nullopt;
    return Registers()[n];
}

void TextRegisters::Set(int n, std::string text) {
    if (!InRange(n)) return;
    Registers()[n] = std::move(text);
    EditOptions::MarkChanged();
}

void TextRegisters::Restore(int n, std::string text) {
    if (InRange(n)) Registers()[n] = std::move(text);
}

int TextRegisters::StoredLength(int n) {
    if (!InRange(n) || Registers()[n].empty()) return 0;
    return static_cast<int>(Registers()[n].size()) + 1;
}

void TextRegisters::Clear() {
    for (std::string& text : Registers())
        text.clear();
}

} // namespace varnex
