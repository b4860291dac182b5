#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What an import found wrong with its file and what it did about each fault.
// Every fault is counted; the first kMaxListed are kept for listing.
class ImportReport {
public:
    static constexpr std::size_t kMaxListed = 10000;

    struct Fault {
        std::size_t line = 0;  // 0 when the fault belongs to no one line
        std::string problem;
        std::string action;
    };

    void Add(std::size_t line, std::string problem, std::string action);

    std::size_t Count() const { return m_nCount; }
    const std::vector<Fault>& Faults() const { return m_faults; }
    // One fault a line in line order, "line 12: problem; action", and a last line for faults not listed.
    std::string Text() const;

private:
    std::vector<Fault> m_faults;
    std::size_t m_nCount = 0;
};
