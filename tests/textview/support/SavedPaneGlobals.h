// Keeps the process-wide pane settings (tab width, editor options) as a test found them.
#pragma once

#include "textview/model/EditOptions.h"
#include "textview/model/TabWidth.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace varnex::test {

// Restores on destruction, so a test that fails half-way leaves the next one the same start.
class SavedPaneGlobals {
public:
    SavedPaneGlobals() : tabWidth_(TabWidth::Get()), options_(EditOptions::Get()) {}
    ~SavedPaneGlobals() {
        TabWidth::Set(tabWidth_);
        EditOptions::Set(options_, ~std::uint32_t{0});
        if ((options_ & EditOptions::kChanged) == 0) EditOptions::ClearChanged();
    }
    SavedPaneGlobals(const SavedPaneGlobals&) = delete;
    SavedPaneGlobals& operator=(const SavedPaneGlobals&) = delete;

private:
    int tabWidth_;
    std::uint32_t options_;
};

// For tests that change the tab width or the editor options.
class PaneGlobalsTest : public testing::Test {
private:
    SavedPaneGlobals saved_;
};

} // namespace varnex::test
