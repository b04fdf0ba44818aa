// The start record read from the command line, and the extension rule of the -D options.
#pragma once

#include "engine/CompareMode.h"
#include "engine/Side.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace varnex {

struct StartOptions {
    std::array<std::string, 2> files; // by IndexOf(Side); fileCount of them are given
    int fileCount = 0;
    std::array<std::string, 2> titles;
    std::string sendFile;
    bool sendToDialog = false;
    bool expectSendFile = false;
    CompareMode compareMode = CompareMode::CharWise;
    // -DL, -DC, -DS: the mode for files whose extension DefaultTypes lists.
    std::optional<CompareMode> typeMode;
    // -H (true) or -V (false); nothing leaves the stored view mode.
    std::optional<bool> stacked;
    bool jumpToFirst = false;
    bool showTitles = true;

    const std::string& File(Side side) const { return files[IndexOf(side)]; }
    const std::string& Title(Side side) const { return titles[IndexOf(side)]; }
};

// Reads the arguments (argument 0, the program, is skipped). Only "-" starts an option:
// on this platform "/" starts an absolute path.
StartOptions ParseStartOptions(const std::vector<std::string>& arguments);

// True when the extension of `name` is one of the ";"-separated items of `list`.
bool MatchesDefaultTypes(const std::string& name, const std::string& list);

// With a -D option and a non-empty list, a file (or the hand-over file) whose extension is on
// the list sets the compare mode to the option's mode.
void ApplyDefaultTypes(StartOptions& options, const std::string& defaultTypes);

} // namespace varnex
