#include "kxdata/KeyIndex.h"

#include <algorithm>

namespace {
uint32_t Hash(int32_t key)
{
    return static_cast<uint32_t>(key) * 2654435761u;
}
}  // namespace

KeyIndex::KeyIndex(KeyColumn values) : m_values(std::move(values))
{
    if (m_values.empty())
        return;
    const auto [lowest, highest] = std::minmax_element(m_values.begin(), m_values.end());
    m_nLowest = *lowest;
    if (int64_t{*highest} - m_nLowest + 1 <= 2 * static_cast<int64_t>(m_values.size()) + 1024)
        BuildDirect(*highest);
    else
        BuildHashed();
}

void KeyIndex::BuildDirect(int64_t highest)
{
    // A counting sort: group sizes, the end of each group, then the records from
    // the last one down, which leaves each end at the start of its group.
    std::vector<uint32_t, LargeAllocator<uint32_t>> starts(static_cast<size_t>(highest - m_nLowest + 2), 0);
    for (const int32_t value : m_values)
        ++starts[static_cast<size_t>(value - m_nLowest)];
    for (size_t k = 1; k < starts.size(); ++k)
        starts[k] += starts[k - 1];
    m_records.resize(m_values.size());
    for (size_t i = m_values.size(); i-- > 0;)
        m_records[--starts[static_cast<size_t>(m_values[i] - m_nLowest)]] = static_cast<int32_t>(i + 1);
    m_direct.resize(starts.size());
    for (size_t k = 0; k < starts.size(); ++k) {
        const bool empty = k + 1 == starts.size() || starts[k] == starts[k + 1];
        m_direct[k] = {starts[k], empty ? 0 : m_records[starts[k]]};
    }
    m_bDirect = true;
}

void KeyIndex::BuildHashed()
{
    std::vector<uint64_t> order;
    order.reserve(m_values.size());
    for (size_t i = 0; i < m_values.size(); ++i)
        order.push_back((uint64_t{static_cast<uint32_t>(m_values[i]) ^ 0x80000000u} << 32) | (i + 1));
    std::sort(order.begin(), order.end());
    m_records.resize(order.size());
    size_t distinct = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        m_records[i] = static_cast<int32_t>(order[i] & 0xFFFFFFFFu);
        if (i == 0 || (order[i] >> 32) != (order[i - 1] >> 32))
            ++distinct;
    }
    size_t capacity = 16;
    while (capacity < 2 * distinct)
        capacity *= 2;
    m_slots.assign(capacity, Slot());
    for (size_t begin = 0; begin < order.size();) {
        size_t end = begin + 1;
        while (end < order.size() && (order[end] >> 32) == (order[begin] >> 32))
            ++end;
        const int32_t key = m_values[static_cast<size_t>(m_records[begin]) - 1];
        size_t slot = Hash(key) & (capacity - 1);
        while (m_slots[slot].used)
            slot = (slot + 1) & (capacity - 1);
        m_slots[slot] = {key, true, {static_cast<uint32_t>(begin), static_cast<uint32_t>(end), m_records[begin]}};
        begin = end;
    }
}

KeyIndex::Group KeyIndex::GroupOf(int32_t key) const
{
    if (m_bDirect) {
        const int64_t at = int64_t{key} - m_nLowest;
        if (at < 0 || at + 1 >= static_cast<int64_t>(m_direct.size()))
            return {};
        const DirectEntry& entry = m_direct[static_cast<size_t>(at)];
        return {entry.begin, m_direct[static_cast<size_t>(at) + 1].begin, entry.first};
    }
    if (m_slots.empty())
        return {};
    const size_t mask = m_slots.size() - 1;
    for (size_t slot = Hash(key) & mask; m_slots[slot].used; slot = (slot + 1) & mask) {
        if (m_slots[slot].key == key)
            return m_slots[slot].group;
    }
    return {};
}

int32_t KeyIndex::FindNext(int32_t start, int32_t key) const
{
    uint32_t at;
    int32_t record;
    if (start > 0 && start == m_nLastRecord && key == m_nLastKey) {
        at = m_nLastAt + 1;
        if (at >= m_nLastEnd)
            return 0;
        record = m_records[at];
    } else {
        const Group group = GroupOf(key);
        if (group.first != 0 && group.first > start) {
            at = group.begin;
            record = group.first;
        } else {
            const auto first = m_records.begin() + group.begin;
            const auto last = m_records.begin() + group.end;
            const auto found = std::upper_bound(first, last, start);
            if (found == last)
                return 0;
            at = static_cast<uint32_t>(found - m_records.begin());
            record = *found;
        }
        m_nLastEnd = group.end;
    }
    m_nLastKey = key;
    m_nLastAt = at;
    m_nLastRecord = record;
    return record;
}
