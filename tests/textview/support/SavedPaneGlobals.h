// Keeps the process-wide pane settings (tab width, editor options, search history) as a test
// found them.
#pragma once

#include "textview/model/search/SearchHistory.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace varnex::test {

// Restores on destruction, so a test that fails half-way leaves the next one the same start.
class SavedPaneGlobals {
public:
    SavedPaneGlobals()
        : tabWidth_(TabWidth::Get()), options_(EditOptions::Get()),
          history_(SearchHistory::Entries()) {}
    ~SavedPaneGlobals() {
        TabWidth::Set(tabWidth_);
        SearchHistory::Restore(history_);
        EditOptions::Set(options_, ~std::uint32_t{0});
        if ((options_ & EditOptions::kChanged) == 0) EditOptions::ClearChanged();
    }
    SavedPaneGlobals(const SavedPaneGlobals&) = delete;
    SavedPaneGlobals& operator=(const SavedPaneGlobals&) = delete;

private:
    int tabWidth_;
    std::uint32_t options_;
    std::vector<std::string> history_;
};

// For tests that change the tab width, the editor options or the search history.
class PaneGlobalsTest : public testing::Test {
private:
    SavedPaneGlobals saved_;
};

} // namespace varnex::test
