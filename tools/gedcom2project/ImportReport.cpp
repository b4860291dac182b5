#include "tools/gedcom2project/ImportReport.h"

#include <algorithm>

void ImportReport::Add(std::size_t line, std::string problem, std::string action)
{
    ++m_nCount;
    if (m_faults.size() < kMaxListed)
        m_faults.push_back({line, std::move(problem), std::move(action)});
}

std::string ImportReport::Text() const
{
    // In line order, as the user reads the file; faults of the same line in the order found.
    std::vector<const Fault*> sorted;
    for (const Fault& fault : m_faults)
        sorted.push_back(&fault);
    std::stable_sort(sorted.begin(), sorted.end(), [](const Fault* a, const Fault* b) { return a->line < b->line; });
    std::string text;
    for (const Fault* f : sorted) {
        const Fault& fault = *f;
        text += fault.line > 0 ? "line " + std::to_string(fault.line) + ": " : std::string();
        text += fault.problem + "; " + fault.action + "\n";
    }
    if (m_nCount > m_faults.size())
        text += "and " + std::to_string(m_nCount - m_faults.size()) + " more faults not listed\n";
    return text;
}
