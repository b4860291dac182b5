#pragma once

#include "engine/CArchiveException.h"
#include "images/ImageStream.h"
#include "platform/CObject.h"
#include "platform/WinTypes.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <utility>
#include <vector>

class CODConnection;
class CODSymbolComponent;
struct CODClassInfo;

// The persistent-object archive of chart documents: little-endian integers,
// length-prefixed 8-bit strings and object references tagged by class, with
// back references to objects already in the archive. A storing archive grows
// a block of its own; a loading archive reads a block the caller keeps alive
// and never past its end. Every fault raises CArchiveException.
//
// Objects a loading archive creates stay alive until it ends: whoever keeps
// one takes its own reference (components, connections), a copy (properties)
// or the object itself (ReadOwnedObject).
class CArchive : public ImageStream {
public:
    // Deeper nesting is taken for a damaged document rather than risking the stack.
    static constexpr int kMaxDepth = 100;

    CArchive();                                           // storing
    CArchive(const std::uint8_t* data, std::size_t size);  // loading
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    ~CArchive() override;

    bool IsStoring() const override { return m_data == nullptr; }
    bool IsLoading() const { return m_data != nullptr; }
    // The image side: reads what is there (fewer bytes at the end).
    std::size_t Read(void* data, std::size_t count) override;
    bool Write(const void* data, std::size_t count) override;

    void WriteByte(std::uint8_t value);
    void WriteWord(std::uint16_t value);
    void WriteDWord(std::uint32_t value);
    void WriteInt(std::int32_t value) { WriteDWord(static_cast<std::uint32_t>(value)); }
    void WriteFloat(float value);
    void WriteString(const std::string& value);
    void WriteBytes(const void* data, std::size_t count);

    std::uint8_t ReadByte();
    std::uint16_t ReadWord();
    std::uint32_t ReadDWord();
    std::int32_t ReadInt() { return static_cast<std::int32_t>(ReadDWord()); }
    float ReadFloat();
    std::string ReadString();
    std::vector<std::uint8_t> ReadBytes(std::size_t count);
    void ReadBytes(void* data, std::size_t count);
    void Skip(std::size_t count);
    // A count of items that each take at least nMinItemBytes; a count the
    // rest of the archive cannot hold is a fault.
    std::uint32_t ReadCount(std::size_t nMinItemBytes);

    // Storing writes the class's own schema DWORD and returns it; loading
    // returns the stored one.
    std::uint32_t SerializeSchema(std::uint32_t nSchema);
    // Left, top, right, bottom as signed DWORDs.
    void WriteRect(const RECT& rect);
    RECT ReadRect();

    // Null, a back reference, or the class (once) and the object's body.
    void WriteObject(const CObject* pObject);
    // Null or an object of class T (a fault for any other class), kept alive by the archive.
    template <class T>
    T* ReadObject()
    {
        return Expect<T>(ReadAnyObject(false));
    }
    // The object itself; a second reference to it is a fault.
    template <class T>
    std::unique_ptr<T> ReadOwnedObject()
    {
        T* object = Expect<T>(ReadAnyObject(true));
        if (object)
            TakeLastRead();
        return std::unique_ptr<T>(object);
    }

    // Connections read by symbols are joined when the whole document is in
    // (their far ends may come later); Finish joins them and fails for any
    // that do not tie two symbols of one tree both listing it.
    void DeferConnection(CODSymbolComponent* pSymbol, CODConnection* pConnection);
    void Finish();

    std::size_t GetPosition() const { return m_nPosition; }
    std::size_t GetRemaining() const { return m_nSize - m_nPosition; }
    const std::vector<std::uint8_t>& GetStored() const { return m_stored; }
    [[noreturn]] void Fail(const std::string& strCause) const;

private:
    struct Entry {
        const CODClassInfo* pClass = nullptr;
        CObject* pObject = nullptr;  // none for a class entry
        enum State { Class, Reading, Ready, Taken } state = Class;
    };

    CObject* ReadAnyObject(bool bTake);
    // The archive no longer lets go of the object read last.
    void TakeLastRead();
    const CODClassInfo* ReadNewClass();
    void WriteIndex(std::uint32_t nIndex, std::uint32_t nClassFlag);
    std::uint32_t NextIndex();
    template <class T>
    T* Expect(CObject* pObject)
    {
        if (!pObject)
            return nullptr;
        if (T* typed = dynamic_cast<T*>(pObject))
            return typed;
        Fail("an object of an unexpected class");
    }

    const std::uint8_t* m_data = nullptr;
    std::size_t m_nSize = 0;
    std::size_t m_nPosition = 0;
    std::vector<std::uint8_t> m_stored;
    int m_nDepth = 0;
    std::size_t m_nLastRead = 0;

    // Loading: index i - 1 holds what the tag i refers to.
    std::vector<Entry> m_entries;
    // Storing: the index given to each object and class.
    std::unordered_map<const CObject*, std::uint32_t> m_objectIndex;
    std::unordered_map<std::type_index, std::uint32_t> m_classIndex;
    std::uint32_t m_nMapCount = 1;

    std::vector<std::pair<CODSymbolComponent*, CODConnection*>> m_deferred;
};
