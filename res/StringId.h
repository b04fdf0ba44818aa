// Ids of the program's own texts in the string table; command ids double as their prompt ids.
#pragma once

namespace varnex {

enum StringId : int {
    kStrReady = 57345,             // idle prompt of the status bar
    kStrAboutPrompt = 57664,       // shares the About command's id
    kStrFirstFileFailed = 61201,
    kStrSecondFileFailed = 61202,
    kStrUnknownError = 61203,
    kStrFileNotComparable = 61204,
    kStrFileNotOpened = 61205,
    kStrTooManyRows = 61206,
    kStrCaptionError = 61207,
    kStrCaptionWarning = 61208,
    kStrStatusPosition = 61209,
    kStrStatusDistance = 61210,
    kStrNumLock = 61211,
};

} // namespace varnex
