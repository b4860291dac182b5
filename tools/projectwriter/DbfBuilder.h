#pragma once

#include "tools/projectwriter/FieldDef.h"

#include <string>
#include <string_view>
#include <vector>

// A dBase III table in memory. The fields can change until the first record
// is added; values are checked against their field's width.
class DbfBuilder {
public:
    DbfBuilder(std::vector<FieldDef> fields, bool withMemo);

    const std::vector<FieldDef>& Fields() const { return m_fields; }
    void AddField(const FieldDef& field);
    void RemoveField(const std::string& name);
    void SetFieldLength(const std::string& name, int length);
    // Index of the field, or -1.
    int FieldIndex(const std::string& name) const;

    // Adds a blank record and returns its number (from 1).
    int AddRecord();
    // Sets a value of a record: text left-aligned, numbers and memo block numbers right-aligned.
    void Set(int record, int field, std::string_view value);
    void MarkDeleted(int record);
    int RecordCount() const { return m_nRecords; }

    std::string Bytes() const;

private:
    void CheckLayoutOpen() const;
    int RecordLength() const;

    std::vector<FieldDef> m_fields;
    std::vector<int> m_offsets;
    bool m_bWithMemo;
    int m_nRecords = 0;
    std::string m_records;
};
