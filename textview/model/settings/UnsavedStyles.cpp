// The font and styles a save could not store, kept for this process so that re-reads keep them.
#include "textview/model/settings/UnsavedStyles.h"

#include <map>
#include <mutex>
#include <vector>

namespace varnex {

namespace {

struct KeptGroup {
    FontSpec font;
    std::vector<TextStyle> styles;
};

std::mutex keptMutex;
std::map<std::string, KeptGroup> kept;

void LayOver(StyleTable& styles, const TextStyle& unsaved) {
    const std::optional<int> index = styles.FindId(unsaved.id);
    if (!index) {
        styles.Add(unsaved.textColour, unsaved.background, unsaved.name,
                   static_cast<std::uint32_t>(unsaved.id), unsaved.fontFlags);
        return;
    }
    TextStyle& style = *styles.Get(*index);
    style.background = unsaved.background;
    style.textColour = unsaved.textColour;
    style.fontFlags = unsaved.fontFlags;
}

} // namespace

void UnsavedStyles::Keep(const PaneResources& group, const std::string& path) {
    KeptGroup copy{group.Font(), {}};
    const StyleTable& styles = group.Styles();
    for (int index = 0; index < styles.Count(); ++index) {
        const TextStyle& style = *styles.Get(index);
        if (style.id != 0 && style.kept) copy.styles.push_back(style);
    }
    std::lock_guard guard(keptMutex);
    kept[path] = std::move(copy);
}

void UnsavedStyles::Forget(const std::string& path) {
    std::lock_guard guard(keptMutex);
    kept.erase(path);
}

bool UnsavedStyles::ApplyTo(PaneResources& group, const std::string& path) {
    std::lock_guard guard(keptMutex);
    const auto found = kept.find(path);
    if (found == kept.end()) return false;
    group.Font() = found->second.font;
    for (const TextStyle& style : found->second.styles)
        LayOver(group.Styles(), style);
    return true;
}

} // namespace varnex
