#include "tools/projectwriter/DbfBuilder.h"

#include <algorithm>
#include <stdexcept>

namespace {
void PutLittleEndian(std::string& bytes, size_t at, uint32_t value, int width)
{
    for (int i = 0; i < width; ++i) {
        bytes[at + static_cast<size_t>(i)] = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
}
}  // namespace

DbfBuilder::DbfBuilder(std::vector<FieldDef> fields, bool withMemo) : m_fields(std::move(fields)), m_bWithMemo(withMemo)
{
}

void DbfBuilder::CheckLayoutOpen() const
{
    if (m_nRecords > 0)
        throw std::logic_error("the fields of a table cannot change after its first record");
}

void DbfBuilder::AddField(const FieldDef& field)
{
    CheckLayoutOpen();
    if (field.name.empty() || field.name.size() > 10 || field.length < 1 || field.length > 254)
        throw std::invalid_argument("bad field " + field.name);
    m_fields.push_back(field);
}

void DbfBuilder::RemoveField(const std::string& name)
{
    CheckLayoutOpen();
    const int index = FieldIndex(name);
    if (index < 0)
        throw std::invalid_argument("no field " + name);
    m_fields.erase(m_fields.begin() + index);
}

void DbfBuilder::SetFieldLength(const std::string& name, int length)
{
    CheckLayoutOpen();
    const int index = FieldIndex(name);
    if (index < 0 || length < 1 || length > 254)
        throw std::invalid_argument("bad field length for " + name);
    m_fields[static_cast<size_t>(index)].length = length;
}

int DbfBuilder::FieldIndex(const std::string& name) const
{
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}

int DbfBuilder::RecordLength() const
{
    int length = 1;
    for (const FieldDef& field : m_fields)
        length += field.length;
    return length;
}

int DbfBuilder::AddRecord()
{
    if (m_nRecords == 0) {
        m_offsets.clear();
        int offset = 1;
        for (const FieldDef& field : m_fields) {
            m_offsets.push_back(offset);
            offset += field.length;
        }
    }
    m_records.append(static_cast<size_t>(RecordLength()), ' ');
    return ++m_nRecords;
}

void DbfBuilder::Set(int record, int field, std::string_view value)
{
    const FieldDef& def = m_fields.at(static_cast<size_t>(field));
    if (value.size() > static_cast<size_t>(def.length))
        throw std::length_error(def.name + ": value \"" + std::string(value) + "\" is longer than " +
                                std::to_string(def.length));
    const size_t start = static_cast<size_t>(record - 1) * static_cast<size_t>(RecordLength()) +
                         static_cast<size_t>(m_offsets[static_cast<size_t>(field)]);
    const size_t pad = def.type == 'C' ? 0 : static_cast<size_t>(def.length) - value.size();
    char* dest = m_records.data() + start;
    std::fill(dest, dest + def.length, ' ');
    std::copy(value.begin(), value.end(), dest + pad);
}

void DbfBuilder::MarkDeleted(int record)
{
    m_records[static_cast<size_t>(record - 1) * static_cast<size_t>(RecordLength())] = '*';
}

std::string DbfBuilder::Bytes() const
{
    const size_t headerLength = 32 + 32 * m_fields.size() + 1;
    std::string bytes(headerLength, '\0');
    bytes[0] = static_cast<char>(m_bWithMemo ? 0xF5 : 0x03);
    bytes[1] = 124;  // last update 2024-01-01, fixed so that output is reproducible
    bytes[2] = 1;
    bytes[3] = 1;
    PutLittleEndian(bytes, 4, static_cast<uint32_t>(m_nRecords), 4);
    PutLittleEndian(bytes, 8, static_cast<uint32_t>(headerLength), 2);
    PutLittleEndian(bytes, 10, static_cast<uint32_t>(RecordLength()), 2);
    bytes[29] = 0x03;  // code page 1252
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const size_t at = 32 + 32 * i;
        bytes.replace(at, m_fields[i].name.size(), m_fields[i].name);
        bytes[at + 11] = m_fields[i].type;
        bytes[at + 16] = static_cast<char>(m_fields[i].length);
    }
    bytes[headerLength - 1] = 0x0D;
    bytes += m_records;
    bytes += '\x1A';
    return bytes;
}
