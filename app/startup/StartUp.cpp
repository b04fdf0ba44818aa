// The steps of start-up that decide what is compared, kept apart from the windows they act on.
#include "app/startup/StartUp.h"

#include "app/compare/VarnexView.h"
#include "app/ui/PathText.h"
#include "app/ui/UiText.h"
#include "common/FileProbe.h"
#include "common/SettingsKey.h"
#include "common/SettingsText.h"
#include "engine/CompareEngine.h"
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
    if (options.stacked)
        view.SetViewMode(*options.stacked ? ViewMode::Stacked : ViewMode::SideBySide);
    for (const Side side : kBothSides) {
        if (!options.Title(side).empty()) view.SetTitle(side, options.Title(side));
    }
}

void CompareStartFiles(CVarnexView& view, const StartOptions& options,
                       const MessageBoxCall& messageBox, QWidget* owner) {
    if (options.fileCount < 2) return;
    bool comparable = true;
    for (const std::string& file : options.files) {
        if (IsRegularFile(file)) continue;
        ReportError(messageBox, owner,
                    UiTextWithPath(kStrFileNotComparable, PathDisplayText(file)));
        comparable = false;
    }
    if (!comparable) return;
    const LoadResult result =
        view.LoadAndCompare(options.File(Side::Left), options.File(Side::Right));
    if (result == LoadResult::Ok || result == LoadResult::Cancelled) return;
    const QString path = PathDisplayText(options.File(FailedSide(result)));
    ReportError(messageBox, owner, UiTextWithPath(kStrFileNotOpened, path));
}

} // namespace varnex
