#include "kxdata/KeyIndex.h"

#include <algorithm>

KeyIndex::KeyIndex(std::vector<int32_t> values) : m_values(std::move(values))
{
    m_order.reserve(m_values.size());
    for (size_t i = 0; i < m_values.size(); ++i)
        m_order.push_back(Entry(m_values[i], static_cast<uint32_t>(i + 1)));
    if (!std::is_sorted(m_order.begin(), m_order.end()))
        std::sort(m_order.begin(), m_order.end());
}

uint64_t KeyIndex::Entry(int32_t key, uint32_t position)
{
    return (uint64_t{static_cast<uint32_t>(key) ^ 0x80000000u} << 32) | position;
}

int32_t KeyIndex::FindNext(int32_t start, int32_t key) const
{
    if (start >= Count())
        return 0;
    const uint32_t from = start < 0 ? 1u : static_cast<uint32_t>(start) + 1;
    const auto it = std::lower_bound(m_order.begin(), m_order.end(), Entry(key, from));
    if (it == m_order.end() || (*it >> 32) != (Entry(key, 0) >> 32))
        return 0;
    return static_cast<int32_t>(*it & 0xFFFFFFFFu);
}
