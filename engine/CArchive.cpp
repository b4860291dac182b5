#include "engine/CArchive.h"

#include "engine/CODClassRegistry.h"
#include "engine/CODSymbolComponent.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint16_t kNullTag = 0x0000;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint32_t kBigClassTag = 0x80000000;
// The framework's limit on the objects and classes of one archive.
constexpr std::uint32_t kMaxMapCount = 0x3FFFFFFE;
// A string length of 0xFF or more is flagged in the byte, 0xFFFE or more in the word.
constexpr std::uint8_t kLongStringByte = 0xFF;
constexpr std::uint16_t kLongStringWord = 0xFFFF;

}  // namespace

CArchive::CArchive() = default;

CArchive::CArchive(const std::uint8_t* data, std::size_t size)
{
    // A loading archive over nothing still loads (and fails at the first read).
    static const std::uint8_t kNothing = 0;
    m_data = data ? data : &kNothing;
    m_nSize = data ? size : 0;
}

CArchive::~CArchive()
{
    for (Entry& entry : m_entries)
        if (entry.pObject && entry.state != Entry::Taken)
            entry.pClass->pfnRelease(entry.pObject);
}

void CArchive::Fail(const std::string& strCause) const
{
    throw CArchiveException(strCause, m_nPosition);
}

std::size_t CArchive::Read(void* data, std::size_t count)
{
    const std::size_t n = std::min(count, GetRemaining());
    if (n) {
        std::memcpy(data, m_data + m_nPosition, n);
        m_nPosition += n;
    }
    return n;
}

bool CArchive::Write(const void* data, std::size_t count)
{
    if (!IsStoring())
        return false;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    m_stored.insert(m_stored.end(), bytes, bytes + count);
    return true;
}

void CArchive::WriteBytes(const void* data, std::size_t count)
{
    if (!Write(data, count))
        Fail("storing into a loading archive");
}

void CArchive::WriteByte(std::uint8_t value)
{
    WriteBytes(&value, 1);
}

void CArchive::WriteWord(std::uint16_t value)
{
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
    WriteBytes(bytes, sizeof bytes);
}

void CArchive::WriteDWord(std::uint32_t value)
{
    WriteWord(static_cast<std::uint16_t>(value));
    WriteWord(static_cast<std::uint16_t>(value >> 16));
}

void CArchive::WriteFloat(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    WriteDWord(bits);
}

void CArchive::WriteString(const std::string& value)
{
    const std::size_t length = value.size();
    if (length < kLongStringByte) {
        WriteByte(static_cast<std::uint8_t>(length));
    } else {
        WriteByte(kLongStringByte);
        if (length < kLongStringWord - 1u) {
            WriteWord(static_cast<std::uint16_t>(length));
        } else {
            WriteWord(kLongStringWord);
            WriteDWord(static_cast<std::uint32_t>(length));
        }
    }
    WriteBytes(value.data(), length);
}

void CArchive::ReadBytes(void* data, std::size_t count)
{
    if (count > GetRemaining())
        Fail("the document ends too soon");
    Read(data, count);
}

std::vector<std::uint8_t> CArchive::ReadBytes(std::size_t count)
{
    if (count > GetRemaining())
        Fail("the document ends too soon");
    std::vector<std::uint8_t> bytes(m_data + m_nPosition, m_data + m_nPosition + count);
    m_nPosition += count;
    return bytes;
}

void CArchive::Skip(std::size_t count)
{
    if (count > GetRemaining())
        Fail("the document ends too soon");
    m_nPosition += count;
}

std::uint8_t CArchive::ReadByte()
{
    std::uint8_t value = 0;
    ReadBytes(&value, 1);
    return value;
}

std::uint16_t CArchive::ReadWord()
{
    std::uint8_t bytes[2] = {};
    ReadBytes(bytes, sizeof bytes);
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

std::uint32_t CArchive::ReadDWord()
{
    const std::uint32_t low = ReadWord();
    const std::uint32_t high = ReadWord();
    return low | (high << 16);
}

float CArchive::ReadFloat()
{
    const std::uint32_t bits = ReadDWord();
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string CArchive::ReadString()
{
    std::uint32_t length = ReadByte();
    if (length == kLongStringByte) {
        length = ReadWord();
        if (length == kLongStringWord)
            length = ReadDWord();
    }
    if (length > GetRemaining())
        Fail("a text longer than the rest of the document");
    std::string value(reinterpret_cast<const char*>(m_data + m_nPosition), length);
    m_nPosition += length;
    return value;
}

std::uint32_t CArchive::ReadCount(std::size_t nMinItemBytes)
{
    const std::uint32_t count = ReadDWord();
    if (nMinItemBytes && count > GetRemaining() / nMinItemBytes)
        Fail("a count larger than the rest of the document");
    return count;
}

std::uint32_t CArchive::SerializeSchema(std::uint32_t nSchema)
{
    if (!IsStoring())
        return ReadDWord();
    WriteDWord(nSchema);
    return nSchema;
}

void CArchive::WriteRect(const RECT& rect)
{
    WriteInt(rect.left);
    WriteInt(rect.top);
    WriteInt(rect.right);
    WriteInt(rect.bottom);
}

RECT CArchive::ReadRect()
{
    RECT rect{};
    rect.left = ReadInt();
    rect.top = ReadInt();
    rect.right = ReadInt();
    rect.bottom = ReadInt();
    return rect;
}

std::uint32_t CArchive::NextIndex()
{
    if (m_nMapCount > kMaxMapCount)
        Fail("too many objects");
    return m_nMapCount++;
}

void CArchive::WriteIndex(std::uint32_t nIndex, std::uint32_t nClassFlag)
{
    if (nIndex < kBigObjectTag) {
        WriteWord(static_cast<std::uint16_t>(nIndex | (nClassFlag ? kClassTag : 0)));
    } else {
        WriteWord(kBigObjectTag);
        WriteDWord(nIndex | nClassFlag);
    }
}

void CArchive::WriteObject(const CObject* pObject)
{
    if (!pObject) {
        WriteWord(kNullTag);
        return;
    }
    if (const auto found = m_objectIndex.find(pObject); found != m_objectIndex.end()) {
        WriteIndex(found->second, 0);
        return;
    }
    const std::type_info& type = typeid(*pObject);
    const CODClassInfo* info = CODClassRegistry::FindByType(type);
    if (!info) {
        std::string cause = "a class that cannot be stored: ";
        cause += type.name();
        Fail(cause);
    }
    if (const auto found = m_classIndex.find(info->type); found != m_classIndex.end()) {
        WriteIndex(found->second, kBigClassTag);
    } else {
        WriteWord(kNewClassTag);
        WriteWord(info->nSchema);
        WriteWord(static_cast<std::uint16_t>(info->strName.size()));
        WriteBytes(info->strName.data(), info->strName.size());
        m_classIndex.emplace(info->type, NextIndex());
    }
    m_objectIndex.emplace(pObject, NextIndex());
    // Storing leaves the object as it is.
    const_cast<CObject*>(pObject)->Serialize(*this);
}

const CODClassInfo* CArchive::ReadNewClass()
{
    const std::uint16_t schema = ReadWord();
    const std::uint16_t length = ReadWord();
    std::string name(length, '\0');
    ReadBytes(name.data(), length);
    const CODClassInfo* info = CODClassRegistry::FindByName(name);
    if (!info) {
        std::string cause = "an unknown class ";
        cause += name;
        Fail(cause);
    }
    if (!info->bVersionable && schema != info->nSchema) {
        std::string cause = "a schema mismatch for the class ";
        cause += name;
        Fail(cause);
    }
    NextIndex();
    m_entries.push_back(Entry{info, nullptr, Entry::Class});
    return info;
}

CObject* CArchive::ReadAnyObject(bool bTake)
{
    const std::uint16_t word = ReadWord();
    const CODClassInfo* info = nullptr;
    if (word == kNewClassTag) {
        info = ReadNewClass();
    } else {
        const std::uint32_t tag = word == kBigObjectTag
            ? ReadDWord()
            : (static_cast<std::uint32_t>(word & kClassTag) << 16) | (word & ~kClassTag & 0xFFFFu);
        const bool isClass = (tag & kBigClassTag) != 0;
        const std::uint32_t index = tag & ~kBigClassTag;
        if (!isClass && index == 0)
            return nullptr;
        if (index == 0 || index > m_entries.size())
            Fail("a reference to an object not yet read");
        Entry& entry = m_entries[index - 1];
        if (isClass) {
            if (entry.state != Entry::Class)
                Fail("a class reference to an object");
            info = entry.pClass;
        } else {
            if (entry.state == Entry::Class)
                Fail("an object reference to a class");
            if (entry.state == Entry::Reading)
                Fail("an object that contains itself");
            if (entry.state == Entry::Taken || bTake)
                Fail("an object given twice");
            m_nLastRead = index - 1;
            return entry.pObject;
        }
    }
    if (m_nDepth >= kMaxDepth)
        Fail("objects nested too deeply");
    NextIndex();
    m_entries.push_back(Entry{info, info->pfnCreate(), Entry::Reading});
    const std::size_t index = m_entries.size() - 1;
    ++m_nDepth;
    m_entries[index].pObject->Serialize(*this);
    --m_nDepth;
    m_entries[index].state = Entry::Ready;
    m_nLastRead = index;
    return m_entries[index].pObject;
}

void CArchive::TakeLastRead()
{
    m_entries[m_nLastRead].state = Entry::Taken;
}

void CArchive::DeferConnection(CODSymbolComponent* pSymbol, CODConnection* pConnection)
{
    m_deferred.emplace_back(pSymbol, pConnection);
}

void CArchive::Finish()
{
    if (!CODSymbolComponent::JoinConnections(m_deferred))
        Fail("a connection that does not join its symbols");
    m_deferred.clear();
}
