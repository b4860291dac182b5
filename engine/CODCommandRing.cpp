#include "engine/CODCommandRing.h"

#include <algorithm>

std::unique_ptr<CODCommand> CODCommandRing::Push(std::unique_ptr<CODCommand> pCommand)
{
    m_nPosition = (m_nPosition + 1) % kCapacity;
    std::unique_ptr<CODCommand> dropped = std::move(m_entries[m_nPosition]);
    m_entries[m_nPosition] = std::move(pCommand);
    m_nCount = std::min(m_nCount + 1, kCapacity);
    return dropped;
}

std::unique_ptr<CODCommand> CODCommandRing::Pop()
{
    if (m_nCount == 0)
        return nullptr;
    std::unique_ptr<CODCommand> newest = std::move(m_entries[m_nPosition]);
    m_nPosition = (m_nPosition + kCapacity - 1) % kCapacity;
    --m_nCount;
    return newest;
}

const CODCommand* CODCommandRing::Peek() const
{
    return m_nCount == 0 ? nullptr : m_entries[m_nPosition].get();
}

void CODCommandRing::Clear()
{
    // Newest first: a later command may hold what an earlier one created.
    while (m_nCount > 0)
        Pop();
    for (auto& entry : m_entries)
        entry.reset();
    m_nPosition = 0;
}
