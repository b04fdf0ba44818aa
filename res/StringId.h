// Ids of the program's own texts in the string table; command ids double as their prompt ids.
#pragma once

namespace varnex {

enum StringId : int {
    kStrReady = 57345, // idle prompt of the status bar
    kStrFirstFileFailed = 61201,
    kStrSecondFileFailed = 61202,
    kStrFileNotComparable = 61204,
    kStrFileNotOpened = 61205,
    kStrTooManyRows = 61206,
    kStrCaptionError = 61207,
    kStrCaptionWarning = 61208,
    kStrStatusPosition = 61209,
    kStrStatusDistance = 61210,
    kStrNumLock = 61211,
    kStrNoDifferences = 61212, // status bar prompt after a comparison without a difference
    kStrFileTooLarge = 61213,  // the console tool's input past the size limit
    // A long compare in the status bar: what runs, the button that stops it, how it ended.
    kStrComparing = 61214,
    kStrCancelCompare = 61215,
    kStrCompareCancelled = 61216,
    kStrFileExceedsMemory = 61217, // the console tool's input past what memory holds
    // Files dropped on the window, and a compared file that changed on disk.
    kStrDropNeedsTwoFiles = 61220,
    kStrDropNotLocal = 61221,
    kStrDropNotAFile = 61222,
    kStrDropTooManyFiles = 61223,
    kStrFileChangedOnDisk = 61224,
    kStrFileDeletedOnDisk = 61225,
    kStrReloadChanged = 61226,
    // Status bar after a comparison whose files differ in what the panes do not show.
    kStrOnlyLineEndsDiffer = 61230,
    kStrOnlyEncodingDiffers = 61231,
    kStrOnlyEncodingAndLineEndsDiffer = 61232,
    kStrMixedLineEnds = 61233, // a pane title's note on a file with more than one kind of line end
    // What assistive technology hears: a row's kind, where it is, the difference reached, and
    // the names of controls that show no text.
    kStrRowEqual = 61300,
    kStrRowInserted = 61301,
    kStrRowRemoved = 61302,
    kStrRowChanged = 61303,
    kStrRowPlaceholder = 61304,
    kStrRowOfLine = 61305,
    kStrBlockOfLine = 61306,
    kStrBlockOfLines = 61307,
    kStrOverviewBarName = 61310,

    // Main window: title and menu bar.
    kStrAppTitle = 62000,
    kStrMenuFile = 62001,
    kStrMenuEdit = 62002,
    kStrMenuView = 62003,
    kStrMenuHelp = 62004,
    kStrItemOpen = 62010,
    kStrItemExit = 62011,
    kStrItemCopy = 62012,
    kStrItemFindNext = 62013,
    kStrItemFind = 62014,
    kStrItemFindSelected = 62015,
    kStrItemSelectAll = 62016,
    kStrItemFont = 62017,
    kStrItemViewOptions = 62018,
    kStrItemSplit = 62019,
    kStrItemBarMode = 62020,
    kStrItemLineWise = 62021,
    kStrItemCharWise = 62022,
    kStrItemNoBlanks = 62023,
    kStrItemFlatToolBar = 62024,
    kStrItemOnTop = 62025,
    kStrItemToolBar = 62026,
    kStrItemStatusBar = 62027,
    kStrItemAbout = 62028,
    kStrItemSyntax = 62029,
    kStrItemColourInfo = 62030,
    kStrItemEncodingAutomatic = 62031,
    kStrItemEncodingWindows1252 = 62032,
    kStrItemEncodingUtf8 = 62033,

    // Open-files dialog.
    kStrOpenFilesCaption = 62100,
    kStrFirstFile = 62101,
    kStrSecondFile = 62102,
    kStrCompareModeGroup = 62103,
    kStrLineWiseMode = 62104,
    kStrCharWiseMode = 62105,
    kStrNoBlanksMode = 62106,
    kStrOk = 62107,
    kStrCancel = 62108,
    kStrAllFilesFilter = 62109,

    // Help dialog: its caption, heading and rows ("option\nmeaning").
    kStrHelpCaption = 62200,
    kStrHelpHeading = 62201,
    kStrHelpRowFirst = 62210,
    kStrHelpRowLast = 62221,
    // The command line's help on the console: the usage line and the rows the dialog lacks.
    kStrAppUsage = 62230,
    kStrHelpTypeModes = 62231,
    kStrHelpLongHelp = 62232,
    kStrHelpLongVersion = 62233,

    // Colour information dialog.
    kStrColourInfoCaption = 62300,
    kStrColourGroup = 62301,
    kStrColourInserted = 62302,
    kStrColourRemoved = 62303,
    kStrColourChanged = 62304,
    kStrColourPlaceholder = 62305,

    // About dialog.
    kStrAboutCaption = 62400,
    kStrAboutVersion = 62401,
    kStrAboutDescription = 62402,

    // The console tool.
    kStrDiffToolUsage = 62500,
    kStrUnknownOption = 62501,
    kStrGitUnmergedPath = 62502,
    kStrFilesDiffer = 62503, // the brief form: one line when the files differ
    kStrStretchStart = 62504, // the context view: where the next printed stretch starts
};

} // namespace varnex
