// The console tool's command line: the program's own options plus a few console switches.
#pragma once

#include "common/TextEncoding.h"
#include "options/StartOptions.h"

#include <optional>
#include <string>
#include <vector>

namespace varnex {

enum class ColourChoice { Auto, Always, Never };

struct DiffToolOptions {
    StartOptions start;
    // Every plain argument in order; `start` keeps only the first two as its files.
    std::vector<std::string> operands;
    bool help = false;
    bool version = false;
    bool dump = false;
    bool brief = false; // one line when the files differ, nothing when they do not
    // Unchanged rows printed around each difference; nothing for every row.
    std::optional<int> context;
    bool contextGiven = false;
    ColourChoice colour = ColourChoice::Auto;
    EncodingChoice encoding = EncodingChoice::Automatic;
    std::string error; // a console switch that was not understood
};

DiffToolOptions ParseDiffToolOptions(const std::vector<std::string>& arguments);

} // namespace varnex
