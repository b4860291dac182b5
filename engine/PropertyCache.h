#pragma once

#include "engine/CODProperty.h"

#include <cstddef>

// The process-wide pool of attached property instances: equal values share
// one instance. An instance leaves the pool when nothing refers to it any more.
class PropertyCache {
public:
    // The shared instance equal to the property, added as a copy when there is none.
    static CODPropertyPtr Share(const CODProperty& property);
    // Instances in use.
    static std::size_t GetCount();
};
