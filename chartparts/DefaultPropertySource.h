#pragma once

#include "engine/CODProperty.h"

#include <vector>

// Where an interactively inserted component takes its default properties
// from (the view's viewport); a chart run has none.
class DefaultPropertySource {
public:
    virtual ~DefaultPropertySource() = default;
    virtual std::vector<const CODProperty*> GetDefaultProperties() const = 0;
    // The same properties for a chart run to change; a fixed set offers none.
    virtual std::vector<CODProperty*> EditDefaultProperties() { return {}; }
};
