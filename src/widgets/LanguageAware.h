#pragma once

namespace birch {

// A window whose fixed texts come from the text table; `Change_Language` calls `Set_Lang` of
// every such window in creation order.
class LanguageAware {
public:
    virtual ~LanguageAware() = default;
    virtual void Set_Lang() = 0;
};

} // namespace birch
