#include "charts/CrossAxisShifts.h"

CrossAxisShifts::CrossAxisShifts(const std::vector<PersonNode*>& list, bool bAlongX, const Ranges& ranges)
    : m_list(list), m_bAlongX(bAlongX), m_ranges(ranges), m_pending(list.size(), 0)
{
    for (const auto& [generation, range] : ranges)
        m_walks[generation] = Walk{range.first, 0};
}

int CrossAxisShifts::Read(std::size_t index)
{
    WalkTo(m_list[index]->m_nGeneration, index + 1);
    return Cross(index);
}

void CrossAxisShifts::Shift(std::size_t index, int delta)
{
    const int generation = m_list[index]->m_nGeneration;
    Walk& walk = m_walks[generation];
    if (index >= walk.next) {
        m_pending[index] += delta;
        return;
    }
    for (std::size_t i = index; i < walk.next; ++i)
        Cross(i) += delta;
    if (walk.next < m_ranges.at(generation).second)
        m_pending[walk.next] += delta;
}

void CrossAxisShifts::Settle(int generation)
{
    const auto range = m_ranges.find(generation);
    if (range == m_ranges.end())
        return;
    WalkTo(generation, range->second.second);
    m_walks[generation] = Walk{range->second.first, 0};
}

void CrossAxisShifts::WalkTo(int generation, std::size_t end)
{
    Walk& walk = m_walks[generation];
    for (; walk.next < end; ++walk.next) {
        walk.running += m_pending[walk.next];
        m_pending[walk.next] = 0;
        Cross(walk.next) += walk.running;
    }
}
