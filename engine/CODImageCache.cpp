#include "engine/CODImageCache.h"

#include "engine/CODImageEntry.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<std::weak_ptr<const CODImageEntry>>& Entries()
{
    static std::vector<std::weak_ptr<const CODImageEntry>> entries;
    return entries;
}

void DropUnused()
{
    auto& entries = Entries();
    entries.erase(std::remove_if(entries.begin(), entries.end(), [](const auto& entry) { return entry.expired(); }),
                  entries.end());
}

}  // namespace

std::shared_ptr<const CODImageEntry> CODImageCache::Share(std::shared_ptr<const CODImageEntry> pEntry)
{
    DropUnused();
    if (!pEntry)
        return nullptr;
    for (const auto& held : Entries())
        if (auto entry = held.lock(); entry && entry->Equals(*pEntry))
            return entry;
    Entries().push_back(pEntry);
    return pEntry;
}

std::size_t CODImageCache::GetCount()
{
    DropUnused();
    return Entries().size();
}
