// The console tool as a whole: options in, comparison out, exit status as diff(1).
#include "cli/DiffTool.h"

#include "cli/DiffToolOptions.h"
#include "cli/DiscardingSink.h"
#include "cli/GitExternalDiff.h"
#include "cli/InputReader.h"
#include "cli/SideBySideWriter.h"
#include "engine/CompareEngine.h"
#include "engine/CompareMemory.h"
#include "engine/result/ResultDump.h"
#include "res/StringId.h"
#include "res/StringTable.h"
#include "res/Version.h"

namespace varnex {

namespace {

// The text of `stringId` with `path` in place of its "%s", as one line.
std::string Format(StringId stringId, const std::string& path) {
    return FormatString(stringId, {path}) + "\n";
}

bool UseColour(const DiffToolOptions& options, const ToolEnvironment& environment) {
    if (options.colour == ColourChoice::Always) return true;
    if (options.colour == ColourChoice::Never || environment.noColourRequested) return false;
    return environment.isTerminal;
}

// git users expect hunks: unchanged rows around each difference when no context was asked for.
constexpr int kGitContextRows = 3;

// Tab stops every this many columns, as the panes set them unless told otherwise.
constexpr int kConsoleTabWidth = 4;

struct ReadResult {
    LoadResult load = LoadResult::Ok;
    ReadOutcome outcome = ReadOutcome::Read;
};

// Reads both inputs, as the window program loads its files. Each stops once the compare could
// no longer hold it in `memory`, so an endless pipe or device is refused early.
ReadResult ReadBoth(const StartOptions& start, std::uint64_t memory, ByteBuffer& first,
                    ByteBuffer& second) {
    const std::uint64_t room = FileBytesWithin(memory);
    const ReadOutcome firstRead = ReadInput(start.File(Side::Left), first, LimitWithin(room));
    if (firstRead != ReadOutcome::Read) return {LoadResult::FirstFileFailed, firstRead};
    const ReadOutcome secondRead =
        ReadInput(start.File(Side::Right), second, LimitWithin(room - first.size()));
    if (secondRead != ReadOutcome::Read) return {LoadResult::SecondFileFailed, secondRead};
    return {};
}

// Why an input was refused, with its name. Inputs read whole fail the compare only for want
// of memory.
std::string RefusalMessage(LoadResult failed, ReadOutcome outcome, const StartOptions& start) {
    const std::string& name = start.File(FailedSide(failed));
    if (outcome == ReadOutcome::TooLarge) return Format(kStrFileTooLarge, name);
    if (outcome == ReadOutcome::OutOfMemory || outcome == ReadOutcome::Read)
        return Format(kStrFileExceedsMemory, name);
    return Format(
        failed == LoadResult::FirstFileFailed ? kStrFirstFileFailed : kStrSecondFileFailed, name);
}

// diff's brief form, in German: the two names in one line.
std::string FilesDifferLine(const std::array<std::string, 2>& names) {
    return FormatString(kStrFilesDiffer, {names[0], names[1]}) + "\n";
}

std::array<std::string, 2> TitlesOf(const StartOptions& start) {
    std::array<std::string, 2> titles;
    for (const Side side : kBothSides) {
        const std::string& given = start.Title(side);
        titles[IndexOf(side)] = given.empty() ? start.File(side) : given;
    }
    return titles;
}

int Compare(const DiffToolOptions& options, const ToolEnvironment& environment, std::string& out,
            std::string& err) {
    const StartOptions& start = options.start;
    ByteBuffer first, second;
    const ReadResult read = ReadBoth(start, environment.availableMemory, first, second);
    CompareEngine engine;
    LoadResult loaded = read.load;
    if (loaded == LoadResult::Ok) {
        DiscardingSink left, right;
        loaded =
            engine.CompareTexts(start.File(Side::Left), std::move(first), start.File(Side::Right),
                                std::move(second), start.compareMode, nullptr, left, right);
    }
    if (loaded != LoadResult::Ok) {
        if (options.dump) out += DumpResult(engine, loaded);
        err += RefusalMessage(loaded, read.outcome, start);
        return kExitTrouble;
    }
    // The window program warns of rows it leaves out; here they would go missing silently.
    if (engine.TooManyRows()) err += LoadString(kStrTooManyRows) + "\n";
    const bool differ = engine.BlockCount() != 0;
    if (options.dump) {
        out += DumpResult(engine, LoadResult::Ok);
    } else if (options.brief) {
        if (differ) out += FilesDifferLine(TitlesOf(start));
    } else {
        const SideBySideLayout layout{environment.columns, UseColour(options, environment),
                                      kConsoleTabWidth, options.encoding};
        const SideBySideWriter writer(engine.Left(), engine.Right(), engine.Rows(), layout);
        out += options.context ? writer.Write(TitlesOf(start),
                                              StretchesWithContext(engine.Rows(), *options.context))
                               : writer.Write(TitlesOf(start));
    }
    return differ ? kExitDifferent : kExitSame;
}

// Compares the files git names under git's labels, unless titles were given. git stops at an
// external diff that fails, so differences, which it asked for, count as success.
int CompareForGit(DiffToolOptions options, const GitDiffCall& call,
                  const ToolEnvironment& environment, std::string& out, std::string& err) {
    if (call.unmerged) {
        out += Format(kStrGitUnmergedPath, call.path);
        return kExitSame;
    }
    StartOptions& start = options.start;
    start.files = call.files;
    start.fileCount = 2;
    for (std::size_t i = 0; i < start.titles.size(); ++i) {
        if (start.titles[i].empty()) start.titles[i] = call.labels[i];
    }
    if (!options.contextGiven) options.context = kGitContextRows;
    const int status = Compare(options, environment, out, err);
    return status == kExitDifferent ? kExitSame : status;
}

} // namespace

int RunDiffTool(const std::vector<std::string>& arguments, const ToolEnvironment& environment,
                std::string& out, std::string& err) {
    const DiffToolOptions options = ParseDiffToolOptions(arguments);
    if (options.help || options.version) {
        out += options.help ? LoadString(kStrDiffToolUsage)
                            : std::string("varnex-diff ") + ProgramVersion() + "\n";
        return kExitSame;
    }
    if (!options.error.empty()) {
        err += Format(kStrUnknownOption, options.error) + LoadString(kStrDiffToolUsage);
        return kExitTrouble;
    }
    if (environment.gitDiffVariables) {
        if (const auto call = ReadGitDiffCall(options.operands)) {
            return CompareForGit(options, *call, environment, out, err);
        }
    }
    if (options.start.fileCount < 2) {
        err += LoadString(kStrDiffToolUsage);
        return kExitTrouble;
    }
    return Compare(options, environment, out, err);
}

} // namespace varnex
