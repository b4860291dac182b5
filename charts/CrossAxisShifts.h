#pragma once

#include "data/PersonNode.h"

#include <cstddef>
#include <map>
#include <utility>
#include <vector>

// Shifts along the cross axis, applied lazily: a shift from a node to the end
// of its generation is recorded once and handed on while the generation is
// walked, so a pass costs one walk of each generation however many shifts it
// makes. Every read and every shift of one generation goes forward through the
// list (up to the siblings of the node last read), which is what makes this
// equal to adding the shift to every following node at once.
class CrossAxisShifts {
public:
    // The generations of the list, each as [first, end) of its nodes.
    using Ranges = std::map<int, std::pair<std::size_t, std::size_t>>;

    // The nodes' x (bAlongX) or y; the list and the ranges must outlive the object.
    CrossAxisShifts(const std::vector<PersonNode*>& list, bool bAlongX, const Ranges& ranges);

    // The coordinate of the node with every shift made so far.
    int Read(std::size_t index);

    // Adds delta to the node and every following node of its generation.
    void Shift(std::size_t index, int delta);

    // Hands every recorded shift of the generation to its nodes.
    void Settle(int generation);

private:
    struct Walk {
        std::size_t next = 0;  // first node not yet given the running shift
        int running = 0;
    };

    int& Cross(std::size_t index) { return m_bAlongX ? m_list[index]->m_nX : m_list[index]->m_nY; }

    void WalkTo(int generation, std::size_t end);

    const std::vector<PersonNode*>& m_list;
    bool m_bAlongX;
    const Ranges& m_ranges;
    std::vector<int> m_pending;
    std::map<int, Walk> m_walks;
};
