#pragma once

#include "kxdata/BlockFile.h"
#include "kxdata/FieldSlot.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// One dBase III table, read field by field as trimmed text. Fields are asked
// for by their number in the caller's wanted list (mapped) or by their raw
// slot number. Deleted records are read like any other.
class DbfTable {
public:
    // Far above any real project: the key columns are built for every record
    // at open, so a sparse file claiming billions of tiny records is refused.
    static constexpr int64_t kMaxRecordCount = 50'000'000;

    // Raises -1 when the file cannot be opened, -2 when it is no usable table.
    static std::unique_ptr<DbfTable> Open(const std::string& path, const std::vector<std::string>& wanted);

    int64_t RecordCount() const { return m_nRecordCount; }
    uint16_t RecordLength() const { return m_nRecordLength; }
    int64_t DataStart() const { return m_nDataStart; }
    const std::vector<FieldSlot>& Slots() const { return m_slots; }
    // 1-based slot of wanted field k, 0 when the table lacks it.
    int32_t SlotOf(int k) const;

    // Appends field k of record r (1-based) to the sink; a missing field appends
    // nothing. Raises 1 for a record number outside the table.
    void ReadField(int64_t r, int k, std::string& sink, bool mapped = true);
    std::string Field(int64_t r, int k);
    int32_t ReadInteger(int64_t r, int k);

    // Calls visit(record number, record bytes) for every record in order, each
    // record read once; used to build the key columns at open.
    void ScanRecords(const std::function<void(int64_t, const unsigned char*)>& visit);
    // Integer value of wanted field k within record bytes from ScanRecords.
    int32_t IntegerOfRecord(const unsigned char* record, int k) const;

private:
    DbfTable() = default;
    void CheckRecord(int64_t r) const;

    std::unique_ptr<BlockFile> m_file;
    int64_t m_nDataStart = 0;
    int64_t m_nRecordCount = 0;
    uint16_t m_nRecordLength = 0;
    std::vector<FieldSlot> m_slots;
    std::vector<int32_t> m_wantedMap;
};
