// What all panes of one resource group share: style table, font description, fonts and margin.
#include "textview/model/settings/PaneResources.h"

#include <map>

namespace varnex {

namespace {

std::map<std::string, std::weak_ptr<PaneResources>>& Groups() {
    static std::map<std::string, std::weak_ptr<PaneResources>> groups;
    return groups;
}

int nextSerial = 1;

} // namespace

PaneResources::PaneResources(std::string name, int serial)
    : name_(std::move(name)), serial_(serial) {}

PaneResources::~PaneResources() = default;

std::shared_ptr<PaneResources> PaneResources::Join(const std::string& name) {
    if (std::shared_ptr<PaneResources> existing = Groups()[name].lock()) return existing;
    std::shared_ptr<PaneResources> created(new PaneResources(name, nextSerial++),
                                           [](PaneResources* group) {
                                               Groups().erase(group->Name());
                                               delete group;
                                           });
    Groups()[name] = created;
    return created;
}

void PaneResources::SetFonts(std::unique_ptr<PlatformFonts> fonts) {
    fonts_ = std::move(fonts);
}

FontSpec PaneResources::ShownFont() const {
    if (!zoomHeight_) return fontSpec_;
    FontSpec shown = fontSpec_;
    shown.height = *zoomHeight_;
    shown.width = 0;
    return shown;
}

bool PaneResources::SetMarginWidth(std::optional<int> width) {
    if (width == marginWidth_) return false;
    marginWidth_ = width;
    return true;
}

} // namespace varnex
