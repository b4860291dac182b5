#include "engine/CODConnection.h"

#include "engine/CArchive.h"
#include "engine/CODPortComponent.h"
#include "engine/CODSymbolComponent.h"
#include "engine/TransformStack.h"

#include <algorithm>

CODConnection::CODConnection(CODPortComponent* pPort1, CODPortComponent* pPort2) : m_pPort1(pPort1), m_pPort2(pPort2)
{
}

CODConnection::CODConnection() : m_pPort1(nullptr), m_pPort2(nullptr) {}

void CODConnection::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kReserved = 0;
    if (ar.IsStoring()) {
        ar.WriteObject(m_pPort1);
        ar.WriteObject(m_pPort2);
        ar.WriteDWord(kReserved);
        return;
    }
    m_pPort1 = ar.ReadObject<CODPortComponent>();
    m_pPort2 = ar.ReadObject<CODPortComponent>();
    if (!m_pPort1 || !m_pPort2 || m_pPort1 == m_pPort2)
        ar.Fail("a connection without two ports");
    ar.ReadDWord();
}

CODPortComponent* CODConnection::GetOtherPort(const CODPortComponent* pPort) const
{
    if (pPort == m_pPort1)
        return m_pPort2;
    return pPort == m_pPort2 ? m_pPort1 : nullptr;
}

void CODConnection::Post(Kind kind, int nPriority, CODPortComponent* pFrom)
{
    while (m_pending.size() >= m_nCapacity)
        DropOldest();
    const auto before = std::find_if(m_pending.begin(), m_pending.end(),
                                     [nPriority](const Notification& queued) { return queued.nPriority > nPriority; });
    m_pending.insert(before, Notification{kind, nPriority, pFrom, m_nNextSequence++});
}

void CODConnection::Deliver()
{
    // A recipient may drop its last reference on this connection.
    AddRef();
    const TransformStack::Isolation isolated;
    while (!m_pending.empty()) {
        const Notification item = m_pending.front();
        m_pending.pop_front();
        CODPortComponent* far = GetOtherPort(item.pFrom);
        if (CODSymbolComponent* symbol = far ? far->GetOwner() : nullptr)
            symbol->OnConnectionNotify(this, item);
    }
    Release();
}

void CODConnection::SetCapacity(std::size_t nCapacity)
{
    m_nCapacity = std::max<std::size_t>(nCapacity, 1);
    while (m_pending.size() > m_nCapacity)
        DropOldest();
}

void CODConnection::DropOldest()
{
    // The queue is ordered by priority, so the oldest item may sit anywhere.
    m_pending.erase(std::min_element(m_pending.begin(), m_pending.end(),
                                     [](const Notification& a, const Notification& b) {
                                         return a.nSequence < b.nSequence;
                                     }));
}

long CODConnection::Release()
{
    const long count = --m_nRefCount;
    if (count <= 0)
        delete this;
    return count;
}
