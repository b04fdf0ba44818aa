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

std::string Format(int stringId, const std::string& path) {
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

// Reads both inputs; 0, or the side (1 or 2) that could not be read.
int ReadBoth(const StartOptions& start, std::vector<std::uint8_t>& first,
             std::vector<std::uint8_t>& second) {
    if (!ReadInput(start.files[0], first)) return kFirstFileFailed;
    if (!ReadInput(start.files[1], second)) return kSecondFileFailed;
    return kCompareOk;
}

std::array<std::string, 2> TitlesOf(const StartOptions& start) {
    std::array<std::string, 2> titles;
    for (int side = 0; side < 2; ++side) {
        titles[side] = start.titles[side].empty() ? start.files[side] : start.titles[side];
    }
    return titles;
}

int Compare(const DiffToolOptions& options, const TerminalInfo& terminal, std::string& out,
            std::string& err) {
    const StartOptions& start = options.start;
    std::vector<std::uint8_t> first, second;
    const int loaded = ReadBoth(start, first, second);
    CompareEngine engine;
    if (loaded != kCompareOk) {
        if (options.dump) out += DumpResult(engine, loaded);
        err += Format(loaded == kFirstFileFailed ? kStrFirstFileFailed : kStrSecondFileFailed,
                      start.files[loaded - 1]);
        return kExitTrouble;
    }
    DiscardingSink left, right;
    engine.CompareTexts(start.files[0], std::move(first), start.files[1], std::move(second),
                        static_cast<CompareMode>(start.compareMode), nullptr, left, right);
    if (options.dump) {
        out += DumpResult(engine, kCompareOk);
    } else {
        const SideBySideLayout layout{terminal.columns, UseColour(options, terminal), 4};
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
        out += DiffToolUsage();
        return kExitSame;
    }
    if (!options.error.empty() || options.start.fileCount < 2) {
        if (!options.error.empty()) err += "Unbekannte Option: " + options.error + "\n";
        err += DiffToolUsage();
        return kExitTrouble;
    }
    return Compare(options, terminal, out, err);
}

} // namespace varnex
