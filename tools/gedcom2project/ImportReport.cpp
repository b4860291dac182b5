#include "tools/gedcom2project/ImportReport.h"

void ImportReport::Add(std::size_t line, std::string problem, std::string action)
{
    ++m_nCount;
    if (m_faults.size() < kMaxListed)
        m_faults.push_back({line, std::move(problem), std::move(action)});
}

std::string ImportReport::Text() const
{
    std::string text;
    for (const Fault& fault : m_faults) {
        text += fault.line > 0 ? "line " + std::to_string(fault.line) + ": " : std::string();
        text += fault.problem + "; " + fault.action + "\n";
    }
    if (m_nCount > m_faults.size())
        text += "and " + std::to_string(m_nCount - m_faults.size()) + " more faults not listed\n";
    return text;
}
