#include "data/PersonNode.h"

#include <tuple>

bool PersonNode::Precedes(const PersonNode& a, const PersonNode& b)
{
    // std::string compares with char_traits<char>::compare, which is byte-wise unsigned.
    return std::tie(a.m_nGeneration, a.m_nNumber, a.m_sSortKey, a.m_nId)
        < std::tie(b.m_nGeneration, b.m_nNumber, b.m_sSortKey, b.m_nId);
}
