// Where a text pane keeps its font, colours and editor options in the settings.
#include "textview/model/settings/PanePaths.h"

namespace varnex {

namespace {

constexpr std::size_t kMaxPathLength = kPanePathBufferSize - 1;

// Builds a path part by part; a part that would not fit is left out together with all that
// follows it. The first part alone is cut to the buffer, so the path never loses its root.
class BoundedPath {
public:
    explicit BoundedPath(std::string_view first) : text_(first.substr(0, kMaxPathLength)) {}

    BoundedPath& Then(std::string_view separatorAndPart) {
        if (full_ || text_.size() + separatorAndPart.size() > kMaxPathLength) {
            full_ = true;
        } else {
            text_ += separatorAndPart;
        }
        return *this;
    }

    BoundedPath& ThenSub(std::string_view name) {
        std::string part(1, '\\');
        part.append(name);
        return Then(part);
    }

    std::string Take() { return std::move(text_); }

private:
    std::string text_;
    bool full_ = false;
};

std::string_view WithoutTrailingBackslash(std::string_view path) {
    if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    return path;
}

} // namespace

std::string PaneStylePath(std::optional<std::string_view> settingsPath, std::string_view section,
                          std::string_view resourceName) {
    if (settingsPath) return BoundedPath(*settingsPath).Take();
    return BoundedPath(WithoutTrailingBackslash(section)).ThenSub(resourceName).Take();
}

std::string EditorOptionsPath(std::string_view name, std::optional<std::string_view> settingsPath,
                              std::string_view registryKey, std::string_view profileName) {
    if (!name.empty() && name.front() == '#') return BoundedPath(name.substr(1)).Take();
    BoundedPath path(settingsPath ? *settingsPath : "Software");
    if (!settingsPath) path.ThenSub(registryKey).ThenSub(profileName);
    if (!name.empty()) path.ThenSub(name);
    return path.Take();
}

} // namespace varnex
