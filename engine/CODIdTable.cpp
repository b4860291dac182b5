#include "engine/CODIdTable.h"

#include <cstdlib>

CODIdTable::CODIdTable(int nBuckets) : m_buckets(static_cast<std::size_t>(nBuckets > 0 ? nBuckets : 17)) {}

CODIdTable::Bucket& CODIdTable::BucketOf(std::uint32_t nId)
{
    return m_buckets[(nId / 16) % m_buckets.size()];
}

const CODIdTable::Bucket& CODIdTable::BucketOf(std::uint32_t nId) const
{
    return m_buckets[(nId / 16) % m_buckets.size()];
}

CODComponent* CODIdTable::Lookup(std::uint32_t nId) const
{
    for (const auto& [id, component] : BucketOf(nId))
        if (id == nId)
            return component;
    return nullptr;
}

void CODIdTable::SetAt(std::uint32_t nId, CODComponent* pComponent)
{
    if (nId == 0)
        return;
    for (auto& entry : BucketOf(nId))
        if (entry.first == nId) {
            entry.second = pComponent;
            return;
        }
    BucketOf(nId).emplace_back(nId, pComponent);
    ++m_nCount;
}

bool CODIdTable::RemoveKey(std::uint32_t nId)
{
    auto& bucket = BucketOf(nId);
    for (auto it = bucket.begin(); it != bucket.end(); ++it)
        if (it->first == nId) {
            bucket.erase(it);
            --m_nCount;
            return true;
        }
    return false;
}

std::uint32_t CODIdTable::NewId() const
{
    std::uint32_t nId = 0;
    do {
        nId = static_cast<std::uint32_t>(std::rand()) * static_cast<std::uint32_t>(std::rand());
    } while (nId == 0 || Lookup(nId));
    return nId;
}
