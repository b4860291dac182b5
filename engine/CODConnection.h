#pragma once

#include "platform/CObject.h"

#include <cstddef>
#include <cstdint>
#include <deque>

class CODPortComponent;
class CODSymbolComponent;

// Joins two ports. Both symbols whose ports it joins list it and hold one
// reference each; the last Release deletes it. News for the far end waits in
// a queue ordered by priority until it is delivered.
class CODConnection : public CObject {
public:
    enum Kind {
        PortMoved,
    };
    // The priority of each kind; lower is delivered first.
    static constexpr int kPriorityPortMoved = 10;

    struct Notification {
        Kind kind = PortMoved;
        int nPriority = 0;
        // The end whose symbol sent it; the other end hears it.
        CODPortComponent* pFrom = nullptr;
        std::uint64_t nSequence = 0;
    };

    static constexpr std::size_t kDefaultCapacity = 16;

    CODConnection(CODPortComponent* pPort1, CODPortComponent* pPort2);
    // Joins nothing until it is loaded.
    CODConnection();
    CODConnection(const CODConnection&) = delete;
    CODConnection& operator=(const CODConnection&) = delete;

    // Port 1, port 2 and a reserved DWORD 0.
    void Serialize(CArchive& ar) override;

    CODPortComponent* GetPort1() const { return m_pPort1; }
    CODPortComponent* GetPort2() const { return m_pPort2; }
    bool Joins(const CODPortComponent* pPort) const { return pPort == m_pPort1 || pPort == m_pPort2; }
    // The other port; none for a port this connection does not join.
    CODPortComponent* GetOtherPort(const CODPortComponent* pPort) const;

    // Before the first queued item of greater priority, else at the end;
    // when the queue is full the oldest item goes first.
    void Post(Kind kind, int nPriority, CODPortComponent* pFrom);
    // Hands every queued item, in order, to the symbol at the far end.
    void Deliver();
    const std::deque<Notification>& GetPending() const { return m_pending; }
    std::size_t GetCapacity() const { return m_nCapacity; }
    // At least one item.
    void SetCapacity(std::size_t nCapacity);

    long AddRef() { return ++m_nRefCount; }
    // Deletes the connection when the count reaches 0.
    long Release();
    long GetRefCount() const { return m_nRefCount; }

private:
    ~CODConnection() override = default;
    void DropOldest();

    CODPortComponent* m_pPort1;
    CODPortComponent* m_pPort2;
    std::int32_t m_nRefCount = 0;
    std::deque<Notification> m_pending;
    std::size_t m_nCapacity = kDefaultCapacity;
    std::uint64_t m_nNextSequence = 0;
};
