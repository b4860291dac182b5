#pragma once

#include <cstddef>
#include <memory>

class CODImageEntry;

// The process-wide set of image entries in use: equal entries are shared.
// An entry leaves the set when its last holder lets it go.
class CODImageCache {
public:
    // The entry in use that equals the given one, else the given one, now in use.
    static std::shared_ptr<const CODImageEntry> Share(std::shared_ptr<const CODImageEntry> pEntry);
    static std::size_t GetCount();
};
