// The window program's answers on the console: --help and --version, given before any window.
#include "app/startup/ConsoleAnswer.h"

#include "res/StringId.h"
#include "res/StringTable.h"
#include "res/Version.h"

#include <algorithm>

namespace varnex {

namespace {

// The option column is padded to this many characters, as in varnex-diff's usage.
constexpr std::size_t kOptionColumn = 16;

// The help dialog's rows, with those only the console shows after its options and before
// the files.
std::vector<std::string> HelpRows() {
    std::vector<std::string> rows;
    for (int id = kStrHelpRowFirst; id <= kStrHelpRowLast; ++id)
        rows.push_back(LoadString(id));
    const auto files = std::find_if(rows.begin(), rows.end(),
                                    [](const std::string& row) { return row.front() != '-'; });
    rows.insert(files, {LoadString(kStrHelpTypeModes), LoadString(kStrHelpLongHelp),
                        LoadString(kStrHelpLongVersion)});
    return rows;
}

// A row "option\nmeaning" as one indented line.
std::string RowLine(const std::string& row) {
    const std::size_t lineBreak = row.find('\n');
    std::string option = row.substr(0, lineBreak);
    option.resize(std::max(option.size() + 1, kOptionColumn), ' ');
    return "  " + option + row.substr(lineBreak + 1) + "\n";
}

std::string HelpText() {
    std::string text = LoadString(kStrAppUsage) + "\n\n" + LoadString(kStrAboutDescription) +
                       "\n\n" + LoadString(kStrHelpHeading) + "\n";
    for (const std::string& row : HelpRows())
        text += RowLine(row);
    return text;
}

} // namespace

std::optional<std::string> ConsoleAnswer(const std::vector<std::string>& arguments) {
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--help") return HelpText();
        if (arguments[i] == "--version") return std::string("varnex ") + ProgramVersion() + "\n";
    }
    return std::nullopt;
}

} // namespace varnex
