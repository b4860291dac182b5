#pragma once

#include <cstdint>
#include <utility>
#include <vector>

class CODComponent;

// The model's map from component id to component: a hash table of 17 buckets
// by default, bucket = (id / 16) mod bucket count. Id 0 is never entered.
class CODIdTable {
public:
    explicit CODIdTable(int nBuckets = 17);

    CODComponent* Lookup(std::uint32_t nId) const;
    void SetAt(std::uint32_t nId, CODComponent* pComponent);
    bool RemoveKey(std::uint32_t nId);
    int GetCount() const { return m_nCount; }
    // rand() × rand(), drawn again while it is 0 or already in the table.
    std::uint32_t NewId() const;

private:
    using Bucket = std::vector<std::pair<std::uint32_t, CODComponent*>>;
    Bucket& BucketOf(std::uint32_t nId);
    const Bucket& BucketOf(std::uint32_t nId) const;

    std::vector<Bucket> m_buckets;
    int m_nCount = 0;
};
