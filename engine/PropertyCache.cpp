#include "engine/PropertyCache.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {
using Pool = std::unordered_map<int, std::vector<std::weak_ptr<const CODProperty>>>;

Pool& Instances()
{
    static Pool pool;
    return pool;
}
}  // namespace

CODPropertyPtr PropertyCache::Share(const CODProperty& property)
{
    auto& bucket = Instances()[property.GetId()];
    std::erase_if(bucket, [](const std::weak_ptr<const CODProperty>& entry) { return entry.expired(); });
    for (const auto& entry : bucket)
        if (CODPropertyPtr shared = entry.lock(); shared && shared->Equals(property))
            return shared;
    CODPropertyPtr shared(property.Clone());
    bucket.push_back(shared);
    return shared;
}

std::size_t PropertyCache::GetCount()
{
    std::size_t count = 0;
    for (const auto& [id, bucket] : Instances())
        count += static_cast<std::size_t>(
            std::count_if(bucket.begin(), bucket.end(), [](const auto& entry) { return !entry.expired(); }));
    return count;
}
