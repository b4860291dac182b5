#pragma once

#include "kxdata/LargeAllocator.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using KeyColumn = std::vector<int32_t, LargeAllocator<int32_t>>;

// One key column of a table in memory: Value(i) is the integer value of the
// column in record i. FindNext answers from the records grouped by key (each
// group in record order), so walking the records with one key costs a lookup
// of the group and a step within it instead of a scan of the column.
class KeyIndex {
public:
    explicit KeyIndex(KeyColumn values);  // values[i - 1] belongs to record i

    int32_t Count() const { return static_cast<int32_t>(m_values.size()); }
    int32_t Value(int32_t position) const { return m_values[static_cast<size_t>(position) - 1]; }

    // The smallest record p with start < p <= Count() and Value(p) == key, or 0.
    // Lists start with 0 and go on from their last answer; both cases are
    // answered without a search, which on a large table saves memory reads.
    int32_t FindNext(int32_t start, int32_t key) const;

private:
    struct Group {
        uint32_t begin = 0;
        uint32_t end = 0;
        int32_t first = 0;  // record at begin, 0 for an empty group
    };
    Group GroupOf(int32_t key) const;
    void BuildDirect(int64_t highest);
    void BuildHashed();

    KeyColumn m_values;
    KeyColumn m_records;  // record numbers grouped by key, ascending within a group

    // Keys that span a range not much larger than the table (person, event and
    // record numbers): entry key - m_nLowest holds where the key's group begins
    // and its first record; the next entry's start ends the group.
    struct DirectEntry {
        uint32_t begin;
        int32_t first;
    };
    bool m_bDirect = false;
    int64_t m_nLowest = 0;
    std::vector<DirectEntry, LargeAllocator<DirectEntry>> m_direct;

    // Any other keys: an open-addressing table of the distinct keys.
    struct Slot {
        int32_t key = 0;
        bool used = false;
        Group group;
    };
    std::vector<Slot> m_slots;

    // The last answer, to go on from it: its key, place in m_records and group end.
    mutable int32_t m_nLastKey = 0;
    mutable int32_t m_nLastRecord = 0;
    mutable uint32_t m_nLastAt = 0;
    mutable uint32_t m_nLastEnd = 0;
};
