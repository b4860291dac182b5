#pragma once

#include <cstdint>
#include <vector>

// One key column of a table in memory: Value(i) is the integer value of the
// column in record i. FindNext answers from a (key, record) order built once,
// so walking all records with one key costs a binary search per step instead
// of a scan of the column.
class KeyIndex {
public:
    explicit KeyIndex(std::vector<int32_t> values);  // values[i - 1] belongs to record i

    int32_t Count() const { return static_cast<int32_t>(m_values.size()); }
    int32_t Value(int32_t position) const { return m_values[position - 1]; }

    // The smallest record p with start < p <= Count() and Value(p) == key, or 0.
    int32_t FindNext(int32_t start, int32_t key) const;

private:
    static uint64_t Entry(int32_t key, uint32_t position);

    std::vector<int32_t> m_values;
    std::vector<uint64_t> m_order;  // key (biased to sort as signed) in the high half, record in the low
};
