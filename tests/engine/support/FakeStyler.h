// A line styler with a fixed number of styles: each byte's style index is its value modulo n.
#pragma once

#include "engine/load/LineStyler.h"

namespace varnex {

class FakeStyler : public LineStyler {
public:
    explicit FakeStyler(int styleCount) : styleCount_(styleCount) {}

    int StyleCount() const override { return styleCount_; }
    StyleLook GetStyleLook(int index) const override {
        return StyleLook{0x010203u * static_cast<std::uint32_t>(index + 1), index % 4};
    }
    bool SetSyntax(const std::string&) override { return true; }
    void StyleLine(const std::uint8_t* text, int, int length,
                   std::vector<std::uint8_t>& styles) override {
        styles.clear();
        for (int c = 0; c < length; ++c)
            styles.push_back(IndexOf(text[c]));
    }
    void Clear() override {}

    std::uint8_t IndexOf(std::uint8_t byte) const {
        return static_cast<std::uint8_t>(byte % styleCount_);
    }

private:
    int styleCount_;
};

} // namespace varnex
