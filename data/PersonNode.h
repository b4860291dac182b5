#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CODComponent;

// The working record of one box in an ancestor, descendant or fan layout; the
// node list owns it. ProjectDatabase::ReadChildren makes such nodes too.
struct PersonNode {
    std::int32_t m_nGeneration = 0;  // 1 for the start person
    std::int32_t m_nNumber = 0;      // pedigree number; 0 in the descendant chart
    std::string m_sSortKey;          // birth sort key, or a mark text in the descendant chart
    std::int32_t m_nId = 0;
    std::int32_t m_nOtherId = 0;
    std::string m_sKind;  // one letter: "P", "M", "S", "B" or "D"
    CODComponent* m_pBox = nullptr;  // owned by the chart model
    std::int32_t m_nX = 0;
    std::int32_t m_nY = 0;
    PersonNode* m_pFather = nullptr;  // descendant chart: the couple's first child
    PersonNode* m_pMother = nullptr;  // descendant chart: the couple's last child
    std::int32_t m_nFatherId = 0;
    std::int32_t m_nMotherId = 0;
    PersonNode* m_pParent = nullptr;

    // The layouts' order: generation, number, sort key (byte-wise), person id.
    static bool Precedes(const PersonNode& a, const PersonNode& b);
};

using PersonNodeList = std::vector<std::unique_ptr<PersonNode>>;
