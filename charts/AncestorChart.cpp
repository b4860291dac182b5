#include "charts/AncestorChart.h"

#include "chartparts/CIndiBox.h"
#include "chartparts/Connectors.h"
#include "charts/ChartBoxes.h"
#include "charts/ChartDirection.h"
#include "charts/ChartFont.h"
#include "charts/ChartLayout.h"
#include "charts/ChartLine.h"
#include "charts/ChartNodes.h"
#include "charts/CrossAxisShifts.h"
#include "charts/GenerationTable.h"
#include "data/PersonNode.h"
#include "data/ProjectDatabase.h"
#include "engine/CODLineProperties.h"
#include "engine/CODModel.h"
#include "engine/CODPortComponent.h"
#include "platform/CommandFile.h"
#include "platform/MessageBox.h"
#include "platform/ResourceStrings.h"
#include "platform/StatusBarProgress.h"

#include <algorithm>
#include <deque>
#include <map>
#include <new>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

constexpr const char* kSection = "Ancestor";
constexpr const char* kInsufficientMemory = "Insufficient Memory to build chart..";
// The kind of a person drawn already in a nearer place.
constexpr char kDrawnAlready = 'D';
// The sibling connector sits 39 % of the generation gap beside its boxes.
constexpr int kSiblingOffsetPercent = 39;
constexpr int kPercent = 100;

enum PortSide { kLeft = 0, kRight = 1, kTop = 2, kBottom = 3 };

struct DirectionInfo {
    ConnectDirection code;
    PortSide towardParents;
    PortSide towardChild;
};

constexpr DirectionInfo kDirections[] = {
    {ConnectDirection::Right, kRight, kLeft},
    {ConnectDirection::Left, kLeft, kRight},
    {ConnectDirection::Below, kBottom, kTop},
    {ConnectDirection::Above, kTop, kBottom},
};

const DirectionInfo& ReadDirection(const CommandFile& file)
{
    return kDirections[static_cast<int>(ReadChartDirection(file, kSection, ConnectDirection::Right))];
}

class AncestorChart {
public:
    AncestorChart(const CommandFile& file, CODModel& model)
        : m_file(file)
        , m_model(model)
        , m_direction(ReadDirection(file))
        , m_bVertical(IsVertical(m_direction.code))
        , m_progress(IDS_PLEASE_WAIT, true)
        , m_layout(ChartLayout::Read(file, kSection))
    {
        m_progress.SetText("Starting Ancestor Chart");
        m_bSiblings = file.GetBool(kSection, "ProcessSibling");
    }

    CIndiBox* Build(DefaultPropertySource* pDefaults)
    {
        ChartFont::Read(m_file, kSection).ApplyTo(pDefaults);
        m_progress.SetText("Opening Database");
        ProjectDatabase database(m_file.GetString("database", "file"));
        database.Open();
        database.LoadOptions(m_file);
        if (!database.ReadPerson(m_layout.startPerson))
            return nullptr;
        try {
            Collect(database);
            PlaceGenerations();
            CountPeople();
            Sort(database);
            MakeBoxes(database);
            Arrange();
            m_boxes->Draw(m_model, m_list, m_progress);
            Connect();
        } catch (const std::bad_alloc&) {
            MessageBox::Show(kInsufficientMemory);
            return nullptr;
        }
        m_nodes.Release(m_progress, m_list.size());
        return m_pResult;
    }

private:
    PersonNode* NewNode(int generation, int number, std::int32_t id, char kind)
    {
        PersonNode* node = m_nodes.New(generation, id, kind);
        node->m_nNumber = number;
        return node;
    }

    void Keep(PersonNode* node, std::string sortKey)
    {
        node->m_sSortKey = std::move(sortKey);
        m_table[node->m_nGeneration].count++;
        m_list.push_back(node);
    }

    void Collect(ProjectDatabase& database)
    {
        const bool bBlank = m_layout.startPerson == 0;
        std::deque<PersonNode*> queue{NewNode(1, 1, m_layout.startPerson, 'P')};
        std::unordered_set<std::int32_t> expanded;
        m_progress.SetRange(bBlank ? 1 << std::clamp(m_layout.generations, 0, kMaxBlankGenerations)
                                   : database.GetPersonCount());
        while (!queue.empty()) {
            m_progress.Step();
            PersonNode* node = queue.front();
            queue.pop_front();
            if (!bBlank)
                database.ReadPerson(node->m_nId);
            const int g = node->m_nGeneration + 1;
            if (g <= m_layout.generations) {
                m_nDeepest = std::max(m_nDeepest, g);
                if (bBlank || expanded.insert(node->m_nId).second) {
                    const PersonRecord record = database.GetRecord();
                    if (bBlank || record.m_nMother != 0) {
                        node->m_pMother = NewNode(g, 2 * node->m_nNumber + 1, record.m_nMother, 'S');
                        queue.push_back(node->m_pMother);
                    }
                    if (bBlank || record.m_nFather != 0) {
                        node->m_pFather = NewNode(g, 2 * node->m_nNumber, record.m_nFather, 'M');
                        node->m_pFather->m_nOtherId = record.m_nMother;
                        queue.push_back(node->m_pFather);
                    }
                } else {
                    node->m_sKind.assign(1, kDrawnAlready);
                }
            }
            Keep(node, database.GetBirthSortKey());
            if (m_bSiblings && !bBlank)
                AddSiblings(database, *node);
        }
        // Only expansions raise the deepest generation; without any the request stands.
        if (m_nDeepest > 0 && m_layout.generations != m_nDeepest)
            m_layout.generations = m_nDeepest - 1;
    }

    void AddSiblings(ProjectDatabase& database, const PersonNode& node)
    {
        const int count = database.ReadSiblings();
        for (int i = 0; i < count; ++i)
            Keep(NewNode(node.m_nGeneration, node.m_nNumber, database.GetSibling(i), 'B'), std::string());
    }

    void PlaceGenerations()
    {
        const ChartLayout& l = m_layout;
        const int columnStart = l.leftGap - l.generationGap - l.boxWidth;
        ::PlaceGenerations(m_table, m_direction.code, l.generations,
                           {.columnPitch = l.generationGap + l.boxWidth, .columnStart = columnStart,
                            .rowStart = l.topGap - l.generationGap,
                            // The oldest generation thus starts one box height above the top margin.
                            .upRowStart = l.topGap - l.generationGap - l.boxHeight,
                            .rowGap = l.generationGap, .rowHeight = l.boxHeight});
    }

    void CountPeople()
    {
        m_progress.SetText("Counting People");
        m_progress.SetRange(static_cast<int>(m_list.size()));
        int widestCount = -1;
        for (const auto& [generation, entry] : m_table) {
            m_progress.Step();
            if (entry.count >= widestCount) {
                widestCount = entry.count;
                m_nWidest = generation;
            }
        }
    }

    void Sort(ProjectDatabase& database)
    {
        m_progress.SetText("Sorting the list");
        for (PersonNode* node : m_list) {
            database.ReadPerson(node->m_nId);
            node->m_sSortKey = database.GetBirthSortKey();
        }
        std::stable_sort(m_list.begin(), m_list.end(),
                         [](const PersonNode* a, const PersonNode* b) { return PersonNode::Precedes(*a, *b); });
        m_nHighest = m_list.empty() ? 0 : m_list.back()->m_nGeneration;
        std::size_t start = 0;
        for (std::size_t i = 0; i <= m_list.size(); ++i) {
            if (i == m_list.size() || m_list[i]->m_nGeneration != m_list[start]->m_nGeneration) {
                if (i > start)
                    m_ranges[m_list[start]->m_nGeneration] = {start, i};
                start = i;
            }
            if (i < m_list.size())
                m_firstOfNumber.try_emplace(m_list[i]->m_nNumber, i);
        }
        for (std::size_t i = 0; i < m_list.size(); ++i)
            m_indexOf[m_list[i]] = i;
    }

    void MakeBoxes(ProjectDatabase& database)
    {
        m_progress.SetText("Building the boxes");
        m_progress.SetRange(static_cast<int>(m_list.size()));
        m_boxes.emplace(m_file, m_layout.topGap, m_layout.boxGap, m_bVertical);
        for (PersonNode* node : m_list) {
            m_progress.Step();
            const int cross = m_boxes->Make(*node, database);
            if (node->m_nId == m_layout.startPerson)
                m_pResult = static_cast<CIndiBox*>(node->m_pBox);
            GenerationEntry& entry = m_table[node->m_nGeneration];
            if (m_bVertical) {
                entry.extent = std::max(entry.extent, node->m_pBox->GetBounds().Height());
                node->m_nX = cross;
                node->m_nY = entry.position;
            } else {
                node->m_nX = entry.position;
                node->m_nY = cross;
            }
        }
        StackRows();
    }

    // Rows are separated by the generation gap plus the tallest box of each row between.
    void StackRows()
    {
        if (m_direction.code == ConnectDirection::Below) {
            for (int g = 1; g <= m_nHighest + 1; ++g)
                m_table[g].extent += m_table[g - 1].extent;
            for (PersonNode* node : m_list)
                node->m_nY += m_table[node->m_nGeneration - 1].extent;
        } else if (m_direction.code == ConnectDirection::Above) {
            for (int g = m_nHighest; g >= 1; --g)
                m_table[g].extent += m_table[g + 1].extent;
            for (PersonNode* node : m_list)
                node->m_nY += m_table[node->m_nGeneration + 1].extent;
        }
    }

    void Arrange()
    {
        m_progress.SetText("Arranging the boxes");
        CrossAxisShifts shifts(m_list, m_bVertical, m_ranges);
        const auto pass = [&](int from, int to, int step) {
            m_progress.SetRange(static_cast<int>(m_list.size()));
            for (int g = from; step > 0 ? g <= to : g >= to; g += step) {
                m_progress.Step();
                CentreParents(shifts, g);
                shifts.Settle(g);
                shifts.Settle(g + 1);
            }
        };
        pass(m_nWidest - 1, m_nHighest, 1);
        pass(m_nHighest, 1, -1);
        pass(1, m_nHighest, 1);
    }

    void CentreParents(CrossAxisShifts& shifts, int generation)
    {
        const auto range = m_ranges.find(generation);
        if (range == m_ranges.end())
            return;
        for (std::size_t i = range->second.first; i < range->second.second; ++i) {
            const PersonNode& node = *m_list[i];
            if (node.m_pFather == nullptr && node.m_pMother == nullptr)
                continue;
            const PersonNode* father = node.m_pFather != nullptr ? node.m_pFather : node.m_pMother;
            const PersonNode* mother = node.m_pMother != nullptr ? node.m_pMother : node.m_pFather;
            const int cFather = shifts.Read(m_indexOf.at(father));
            const int cMother = shifts.Read(m_indexOf.at(mother));
            const int cNode = shifts.Read(i);
            const int mid = cFather + (cMother - cFather) / 2;
            if (mid < cNode)
                shifts.Shift(m_firstOfNumber.at(father->m_nNumber), cNode - mid);
            else if (mid > cNode)
                shifts.Shift(m_firstOfNumber.at(node.m_nNumber), mid - cNode);
        }
    }

    CODPortComponent* Port(const PersonNode& node, PortSide side) const
    {
        return static_cast<CODSymbolComponent*>(node.m_pBox)->GetPort(side);
    }

    void Connect()
    {
        if (m_bSiblings) {
            m_progress.SetText("Connecting the Siblings to one another...");
            const CODLineProperties line = ReadChartLine(m_file, kSection, "SiblingLineColor", "SiblingLineWidth", "SiblingLineStyle");
            m_progress.SetRange(static_cast<int>(m_list.size()));
            const int offset = m_layout.generationGap * kSiblingOffsetPercent / kPercent;
            std::vector<CODPortComponent*> ports;
            for (std::size_t i = 0; i < m_list.size(); ++i) {
                m_progress.Step();
                ports.push_back(Port(*m_list[i], m_direction.towardParents));
                if (i + 1 == m_list.size() || m_list[i + 1]->m_nNumber != m_list[i]->m_nNumber) {
                    ConnectThroughPoint(m_model, ports, m_direction.code, offset, line, 0, 0);
                    ports.clear();
                }
            }
        }
        m_progress.SetText("Connecting the generations together");
        const CODLineProperties line = ReadChartLine(m_file, kSection, "linecolor", "linewidth", "LinesStyle");
        m_progress.SetRange(static_cast<int>(m_list.size()));
        const bool bUp = m_direction.code == ConnectDirection::Above;
        const ConnectDirection code = bUp ? ConnectDirection::Above : m_direction.code;
        const int offset = bUp ? m_layout.generationGap / 2 : m_layout.generationGap / -2;
        for (const PersonNode* node : m_list) {
            m_progress.Step();
            if (node->m_pFather == nullptr && node->m_pMother == nullptr)
                continue;
            CODPortComponent* child = Port(*node, m_direction.towardParents);
            CODPortComponent* father = Port(node->m_pFather != nullptr ? *node->m_pFather : *node->m_pMother,
                                            m_direction.towardChild);
            CODPortComponent* mother = Port(node->m_pMother != nullptr ? *node->m_pMother : *node->m_pFather,
                                            m_direction.towardChild);
            const CPoint at = child->GetPosition();
            ConnectThroughPoint(m_model, {father, child, mother}, code, offset, line, at.x, at.y);
        }
    }

    static constexpr int kMaxBlankGenerations = 30;  // keeps 2 to that power an int

    const CommandFile& m_file;
    CODModel& m_model;
    const DirectionInfo& m_direction;
    const bool m_bVertical;
    StatusBarProgress m_progress;

    ChartLayout m_layout;
    bool m_bSiblings = false;

    int m_nDeepest = 0;
    int m_nWidest = 0;
    int m_nHighest = 0;
    ChartNodes m_nodes;
    std::vector<PersonNode*> m_list;
    GenerationTable m_table;
    CrossAxisShifts::Ranges m_ranges;  // each generation's [first, end) in m_list
    std::unordered_map<int, std::size_t> m_firstOfNumber;
    std::unordered_map<const PersonNode*, std::size_t> m_indexOf;
    std::optional<ChartBoxes> m_boxes;  // made with the first box
    CIndiBox* m_pResult = nullptr;
};

}  // namespace

CIndiBox* BuildAncestorChart(const CommandFile& file, CODModel& model, DefaultPropertySource* pDefaults)
{
    AncestorChart chart(file, model);
    return chart.Build(pDefaults);
}
