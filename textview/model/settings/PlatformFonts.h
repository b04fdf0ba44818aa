// The fonts the widget layer makes for a pane group, owned by the group without the model knowing
// them.
#pragma once

namespace varnex {

// The model keeps the group's fonts only so that they live and die with the group; what they
// are is the widget layer's business.
class PlatformFonts {
public:
    virtual ~PlatformFonts() = default;
};

} // namespace varnex
