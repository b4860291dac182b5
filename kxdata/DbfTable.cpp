#include "kxdata/DbfTable.h"

#include "kxdata/FieldText.h"
#include "kxdata/RaiseError.h"

#include <cstring>

namespace {
constexpr int kHeaderSize = 32;
constexpr int kDescriptorSize = 32;
constexpr int kHeaderTerminator = 0x0D;
// Tables are read whole at open anyway to build the key columns.
constexpr int64_t kTablePreloadLimit = int64_t{1} << 30;

uint32_t LittleEndian(const unsigned char* bytes, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

[[noreturn]] void NotDbf(const std::string& path)
{
    RaiseError(-2, "Not DBF file: %s", path.c_str());
}
}  // namespace

std::unique_ptr<DbfTable> DbfTable::Open(const std::string& path, const std::vector<std::string>& wanted)
{
    std::unique_ptr<DbfTable> table(new DbfTable());
    table->m_file = BlockFile::Open(path, kTablePreloadLimit);
    if (!table->m_file)
        RaiseError(-1, "Could not open %s", path.c_str());
    BlockFile& file = *table->m_file;

    unsigned char header[kHeaderSize];
    if (file.Read(header, kHeaderSize) < kHeaderSize)
        NotDbf(path);
    table->m_nRecordCount = LittleEndian(header + 4, 4);
    const int headerLength = static_cast<int>(LittleEndian(header + 8, 2));
    table->m_nRecordLength = static_cast<uint16_t>(LittleEndian(header + 10, 2));

    const int fieldCount = headerLength / kDescriptorSize - 1;
    if (fieldCount < 0)
        NotDbf(path);
    uint32_t offset = 1;
    for (int i = 0; i < fieldCount; ++i) {
        unsigned char descriptor[kDescriptorSize];
        if (file.Read(descriptor, kDescriptorSize) < kDescriptorSize)
            NotDbf(path);
        FieldSlot slot;
        // Names are at most 10 characters; an 11th byte without terminator is cut off.
        std::memcpy(slot.name, descriptor, 10);
        slot.name[10] = '\0';
        slot.length = descriptor[16];
        slot.decimals = descriptor[17];
        slot.offset = offset;
        offset += slot.length;
        table->m_slots.push_back(slot);
    }
    if (file.ReadByte() != kHeaderTerminator)
        NotDbf(path);
    table->m_nDataStart = file.Position();

    // Records that do not hold their fields, or more records than the file
    // holds, would make every read land outside the data.
    if (offset > table->m_nRecordLength && table->m_nRecordCount > 0)
        NotDbf(path);
    if (table->m_nRecordCount * table->m_nRecordLength > file.Length() - table->m_nDataStart ||
        table->m_nRecordCount > kMaxRecordCount)
        NotDbf(path);

    for (const std::string& name : wanted) {
        int32_t found = 0;
        for (size_t s = 0; s < table->m_slots.size() && found == 0; ++s) {
            if (name == table->m_slots[s].name)
                found = static_cast<int32_t>(s + 1);
        }
        table->m_wantedMap.push_back(found);
    }
    return table;
}

int32_t DbfTable::SlotOf(int k) const
{
    if (k < 1 || k > static_cast<int>(m_wantedMap.size()))
        return 0;
    return m_wantedMap[k - 1];
}

void DbfTable::CheckRecord(int64_t r) const
{
    if (r < 1 || r > m_nRecordCount)
        RaiseError(1, "Attempt to read past end of data.");
}

void DbfTable::ReadField(int64_t r, int k, std::string& sink, bool mapped)
{
    CheckRecord(r);
    const int32_t s = mapped ? SlotOf(k) : k;
    if (s < 1 || s > static_cast<int32_t>(m_slots.size()))
        return;
    const FieldSlot& slot = m_slots[s - 1];
    m_file->SetPosition(m_nDataStart + (r - 1) * m_nRecordLength + slot.offset);
    unsigned char bytes[256];
    const int64_t got = m_file->Read(bytes, slot.length);
    AppendTrimmed(bytes, static_cast<size_t>(got), sink);
}

std::string DbfTable::Field(int64_t r, int k)
{
    std::string text;
    ReadField(r, k, text);
    return text;
}

int32_t DbfTable::ReadInteger(int64_t r, int k)
{
    return ParseInteger(Field(r, k));
}

void DbfTable::ScanRecords(const std::function<void(int64_t, const unsigned char*)>& visit)
{
    std::vector<unsigned char> record(m_nRecordLength);
    m_file->SetPosition(m_nDataStart);
    for (int64_t r = 1; r <= m_nRecordCount; ++r) {
        const int64_t got = m_file->Read(record.data(), m_nRecordLength);
        std::memset(record.data() + got, ' ', static_cast<size_t>(m_nRecordLength - got));
        visit(r, record.data());
    }
}

int32_t DbfTable::IntegerOfRecord(const unsigned char* record, int k) const
{
    const int32_t s = SlotOf(k);
    if (s == 0)
        return 0;
    const FieldSlot& slot = m_slots[s - 1];
    return ParseFieldInteger(record + slot.offset, slot.length);
}
