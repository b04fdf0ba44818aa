// The steps of start-up that decide what is compared, kept apart from the windows they act on.
#include "app/startup/StartUp.h"

#include "app/ui/PathText.h"
#include "common/SettingsText.h"
#include "app/ui/UiText.h"
#include "app/compare/VarnexView.h"
#include "common/SettingsKey.h"
#include "engine/CompareEngine.h"
#include "common/FileProbe.h"
#include "res/StringId.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace varnex {

namespace {

constexpr std::string_view kDefaultTypesValue = "DefaultTypes";

void ReportError(const MessageBoxCall& messageBox, QWidget* owner, const QString& text) {
    messageBox(owner, QMessageBox::Critical, UiText(kStrCaptionError), text);
}

} // namespace

std::string ReadDefaultTypes() {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, OpenMode::Read)) return {};
    return ReadText(key, kDefaultTypesValue).value_or(std::string());
}

void ApplyDefaultTypes(StartOptions& options, const std::string& defaultTypes) {
    if (options.typeMode < 0 || defaultTypes.empty()) return;
    const std::string* names[] = {&options.files[0], &options.files[1], &options.sendFile};
    const bool matches =
        std::any_of(std::begin(names), std::end(names), [&](const std::string* name) {
            return MatchesDefaultTypes(*name, defaultTypes);
        });
    if (matches) options.compareMode = options.typeMode;
}

std::string DocumentPathOf(const std::vector<std::string>& arguments) {
    const auto plain = std::find_if(
        arguments.begin() + std::min<std::size_t>(1, arguments.size()), arguments.end(),
        [](const std::string& argument) { return !argument.empty() && argument[0] != '-'; });
    if (plain == arguments.end()) return {};
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(*plain, error);
    return error ? *plain : absolute.string();
}

void ConfigureView(CVarnexView& view, const StartOptions& options) {
    view.SetJumpToFirst(options.jumpToFirst);
    view.SetShowTitles(options.showTitles);
    view.SetCompareMode(options.compareMode);
    if (options.split >= 0) view.SetSplitMode(options.split);
    for (int side = 0; side < 2; ++side) {
        if (!options.titles[side].empty()) view.SetTitle(side, options.titles[side]);
    }
}

bool IsComparableFile(const std::string& path) {
    return ProbePath(path) == PathKind::RegularFile;
}

void CompareStartFiles(CVarnexView& view, const StartOptions& options,
                       const MessageBoxCall& messageBox, QWidget* owner) {
    if (options.fileCount < 2) return;
    bool comparable = true;
    for (const std::string& file : options.files) {
        if (IsComparableFile(file)) continue;
        ReportError(messageBox, owner, UiTextWithPath(kStrFileNotComparable, PathText(file)));
        comparable = false;
    }
    if (!comparable) return;
    const int result = view.LoadAndCompare(options.files[0], options.files[1]);
    if (result == kFirstFileFailed || result == kSecondFileFailed) {
        const QString path = PathText(options.files[result - 1]);
        ReportError(messageBox, owner, UiTextWithPath(kStrFileNotOpened, path));
    }
}

} // namespace varnex
