// The console tool as a whole: options in, comparison out, exit status as diff(1).
#include "cli/DiffTool.h"

#include "cli/DiffToolOptions.h"
#include "cli/DiscardingSink.h"
#include "cli/InputReader.h"
#include "cli/SideBySideWriter.h"
#include "engine/CompareEngine.h"
#include "engine/result/ResultDump.h"
#include "res/StringId.h"
#include "res/StringTable.h"

namespace varnex {

namespace {

// The text of `stringId` with `path` in place of its "%s", as one line.
std::string Format(StringId stringId, const std::string& path) {
    std::string text = LoadString(stringId);
    const std::size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, path);
    return text + "\n";
}

bool UseColour(const DiffToolOptions& options, const TerminalInfo& terminal) {
    if (options.colour == ColourChoice::Always) return true;
    if (options.colour == ColourChoice::Never || terminal.noColourRequested) return false;
    return terminal.isTerminal;
}

// Tab stops every this many columns, as the panes set them unless told otherwise.
constexpr int kConsoleTabWidth = 4;

// Reads both inputs, as the window program loads its files.
LoadResult ReadBoth(const StartOptions& start, std::vector<std::uint8_t>& first,
                    std::vector<std::uint8_t>& second) {
    if (!ReadInput(start.File(Side::Left), first)) return LoadResult::FirstFileFailed;
    if (!ReadInput(start.File(Side::Right), second)) return LoadResult::SecondFileFailed;
    return LoadResult::Ok;
}

std::array<std::string, 2> TitlesOf(const StartOptions& start) {
    std::array<std::string, 2> titles;
    for (const Side side : kBothSides) {
        const std::string& given = start.Title(side);
        titles[IndexOf(side)] = given.empty() ? start.File(side) : given;
    }
    return titles;
}

int Compare(const DiffToolOptions& options, const TerminalInfo& terminal, std::string& out,
            std::string& err) {
    const StartOptions& start = options.start;
    std::vector<std::uint8_t> first, second;
    const LoadResult loaded = ReadBoth(start, first, second);
    CompareEngine engine;
    if (loaded != LoadResult::Ok) {
        if (options.dump) out += DumpResult(engine, loaded);
        const StringId message =
            loaded == LoadResult::FirstFileFailed ? kStrFirstFileFailed : kStrSecondFileFailed;
        err += Format(message, start.File(FailedSide(loaded)));
        return kExitTrouble;
    }
    DiscardingSink left, right;
    engine.CompareTexts(start.File(Side::Left), std::move(first), start.File(Side::Right),
                        std::move(second), start.compareMode, nullptr, left, right);
    if (options.dump) {
        out += DumpResult(engine, LoadResult::Ok);
    } else {
        const SideBySideLayout layout{terminal.columns, UseColour(options, terminal),
                                      kConsoleTabWidth};
        out += SideBySideWriter(engine.Left(), engine.Right(), engine.Rows(), layout)
                   .Write(TitlesOf(start));
    }
    return engine.BlockCount() == 0 ? kExitSame : kExitDifferent;
}

} // namespace

int RunDiffTool(const std::vector<std::string>& arguments, const TerminalInfo& terminal,
                std::string& out, std::string& err) {
    const DiffToolOptions options = ParseDiffToolOptions(arguments);
    if (options.help) {
        out += LoadString(kStrDiffToolUsage);
        return kExitSame;
    }
    if (!options.error.empty() || options.start.fileCount < 2) {
        if (!options.error.empty()) err += Format(kStrUnknownOption, options.error);
        err += LoadString(kStrDiffToolUsage);
        return kExitTrouble;
    }
    return Compare(options, terminal, out, err);
}

} // namespace varnex
