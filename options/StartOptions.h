// The start record read from the command line, and the extension rule of the -D options.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace varnex {

struct StartOptions {
    std::array<std::string, 2> files;
    int fileCount = 0;
    std::array<std::string, 2> titles;
    std::string sendFile;
    bool sendToDialog = false;
    bool expectSendFile = false;
    int compareMode = 1; // character-wise
    int typeMode = -1;   // none
    int split = -1;      // leave the stored view mode
    bool jumpToFirst = false;
    bool showTitles = true;
};

// Reads the arguments (argument 0, the program, is skipped). Only "-" starts an option:
// on this platform "/" starts an absolute path.
StartOptions ParseStartOptions(const std::vector<std::string>& arguments);

// True when the extension of `name` is one of the ";"-separated items of `list`.
bool MatchesDefaultTypes(const std::string& name, const std::string& list);

} // namespace varnex
