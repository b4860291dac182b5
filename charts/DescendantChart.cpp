#include "charts/DescendantChart.h"

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
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

constexpr const char* kSection = "Descendant";
constexpr const char* kInsufficientMemory = "Insufficient Memory to build chart..";
// Marks of the descendant chart, kept in the node's sort-key text.
constexpr const char* kFirstPartner = "FIRST";
constexpr const char* kGivenToCouple = "USED";
constexpr char kStartPerson = 'P';
constexpr char kDrawnAlready = 'D';
constexpr char kPartner = 'M';
// Rows (DOWN and UP) grow by a share of their height for the partners, who
// stand toward the children; an UP box also counts a share of its width.
constexpr int kDownPartnerDivisor = 4;
constexpr int kUpPartnerPercent = 34;
constexpr int kUpWidthPercent = 35;
constexpr int kPercent = 100;
// Partners of a column chart stand a quarter box width and a third of the
// generation gap toward the children.
constexpr int kPartnerWidthDivisor = 4;
constexpr int kPartnerGapDivisor = 3;

// Ports of an individual box.
enum Port { kLeft = 0, kRight = 1, kTop = 2, kBottom = 3, kRightUpper = 6, kRightLower = 7, kBottomLeft = 10,
            kBottomRight = 11 };

struct DirectionInfo {
    ConnectDirection code;
    Port towardParent;
    Port towardChildren;
    Port partnerLink;  // the person's port for the link to a partner
};

constexpr DirectionInfo kDirections[] = {
    {ConnectDirection::Right, kLeft, kRight, kBottomLeft},
    {ConnectDirection::Left, kRight, kLeft, kBottomRight},
    {ConnectDirection::Below, kTop, kBottom, kRightUpper},
    {ConnectDirection::Above, kBottom, kTop, kRightLower},
};

class DescendantChart {
public:
    DescendantChart(const CommandFile& file, CODModel& model)
        : m_file(file)
        , m_model(model)
        , m_direction(kDirections[static_cast<int>(ReadChartDirection(file, kSection, ConnectDirection::Below))])
        , m_bVertical(IsVertical(m_direction.code))
        , m_progress(IDS_PLEASE_WAIT, true)
        , m_layout(ChartLayout::Read(file, kSection))
    {
        m_progress.SetText("Starting Descendant Chart");
    }

    CIndiBox* Build(DefaultPropertySource* pDefaults)
    {
        ChartFont::Read(m_file, kSection).ApplyTo(pDefaults);
        m_progress.SetText("Opening Database");
        ProjectDatabase database(m_file.GetString("database", "file"));
        database.Open();
        database.LoadOptions(m_file);
        if (!database.ReadPerson(m_layout.startPerson) || m_layout.startPerson == 0)
            return nullptr;
        try {
            Collect(database);
            // A read that failed on the way has closed the project: every box
            // would come out empty, so the failure reported is all there is.
            if (!database.IsOpen()) {
                m_nodes.Release(m_progress, m_list.size());
                return nullptr;
            }
            PlaceGenerations();
            m_progress.SetText("Counting People");
            m_progress.SetRange(static_cast<int>(m_list.size()));
            for (std::size_t i = 0; i < m_table.size(); ++i)
                m_progress.Step();
            // The list keeps the order of the walk.
            m_progress.SetText("Sorting the list");
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
    void Collect(ProjectDatabase& database)
    {
        std::deque<PersonNode*> queue{m_nodes.New(1, m_layout.startPerson, kStartPerson)};
        std::unordered_set<std::int32_t> expanded;
        m_progress.SetRange(database.GetPersonCount());
        int deepest = 0;
        while (!queue.empty()) {
            m_progress.Step();
            PersonNode* node = queue.front();
            queue.pop_front();
            database.ReadPerson(node->m_nId);
            m_table[node->m_nGeneration].count++;
            if (node->m_nGeneration > m_layout.generations)
                continue;
            deepest = std::max(deepest, node->m_nGeneration + 1);
            m_list.push_back(node);
            if (expanded.insert(node->m_nId).second)
                Expand(database, *node, queue);
            else
                node->m_sKind.assign(1, kDrawnAlready);
        }
        if (m_layout.generations != deepest)
            m_layout.generations = deepest - 1;
    }

    // The person's partners, co-parents and unknown co-parent, each followed
    // in the queue by the children of the couple.
    void Expand(ProjectDatabase& database, PersonNode& person, std::deque<PersonNode*>& queue)
    {
        PersonNodeList read;
        database.ReadChildren(read);
        std::vector<PersonNode*> children;
        for (std::unique_ptr<PersonNode>& child : read)
            children.push_back(m_nodes.Add(std::move(child)));

        const auto giveChildren = [&](PersonNode& partner, auto belongs) {
            for (PersonNode* child : children) {
                if (child->m_sSortKey == kGivenToCouple || !belongs(*child))
                    continue;
                child->m_pParent = &partner;
                child->m_nGeneration = person.m_nGeneration + 1;
                child->m_sSortKey.assign(kGivenToCouple);
                // Children below the last drawn generation are never drawn: they
                // are not queued and do not count in the arranging.
                if (child->m_nGeneration > m_layout.generations)
                    continue;
                queue.push_back(child);
                if (partner.m_pFather == nullptr)
                    partner.m_pFather = child;
                partner.m_pMother = child;
            }
        };
        const auto parentOf = [](std::int32_t id) {
            return [id](const PersonNode& child) { return child.m_nFatherId == id || child.m_nMotherId == id; };
        };

        const int partners = database.ReadSpouses();
        for (int i = 0; i < partners; ++i) {
            const std::int32_t id = database.GetSpouse(i);
            // A partner without an id would hang children from a box never drawn.
            if (id == 0)
                continue;
            PersonNode& partner = NewPartner(person, id);
            if (i == 0)
                partner.m_sSortKey.assign(kFirstPartner);
            giveChildren(partner, parentOf(id));
            m_list.push_back(&partner);
        }

        std::set<std::int32_t> coParents;
        for (const PersonNode* child : children) {
            if (child->m_sSortKey == kGivenToCouple)
                continue;
            const std::int32_t id = child->m_nMotherId != person.m_nId ? child->m_nMotherId : child->m_nFatherId;
            if (id != 0)
                coParents.insert(id);
        }
        for (const std::int32_t id : coParents) {
            PersonNode& coParent = NewPartner(person, id);
            giveChildren(coParent, parentOf(id));
            m_list.push_back(&coParent);
        }

        const bool bUnknownOther = std::any_of(children.begin(), children.end(), [](const PersonNode* child) {
            return child->m_sSortKey != kGivenToCouple;
        });
        if (bUnknownOther) {
            PersonNode& unknown = NewPartner(person, -person.m_nId);
            giveChildren(unknown, [](const PersonNode&) { return true; });
            m_list.push_back(&unknown);
        }
    }

    PersonNode& NewPartner(PersonNode& person, std::int32_t id)
    {
        PersonNode* node = m_nodes.New(person.m_nGeneration, id, kPartner);
        node->m_nOtherId = person.m_nId;
        node->m_pParent = &person;
        return *node;
    }

    void PlaceGenerations()
    {
        ChartLayout& l = m_layout;
        // UP: the raised top margin is also where every row starts across.
        if (m_direction.code == ConnectDirection::Above)
            l.topGap += l.boxHeight + l.generationGap;
        ::PlaceGenerations(m_table, m_direction.code, l.generations,
                           {.columnPitch = l.boxWidth / 2 + l.generationGap + l.boxWidth,
                            .columnStart = l.leftGap - l.generationGap - l.boxWidth,
                            .rowStart = l.topGap - l.generationGap, .upRowStart = l.topGap,
                            .rowGap = l.generationGap, .rowHeight = l.boxHeight});
    }

    void MakeBoxes(ProjectDatabase& database)
    {
        m_progress.SetText("Building the boxes");
        m_progress.SetRange(static_cast<int>(m_list.size()));
        m_boxes.emplace(m_file, m_layout.topGap, m_layout.boxGap, m_bVertical);
        const int partnerShift = m_direction.code == ConnectDirection::Right
                                     ? m_layout.generationGap / kPartnerGapDivisor + m_layout.boxWidth / kPartnerWidthDivisor
                                     : m_layout.boxWidth / -kPartnerWidthDivisor - m_layout.generationGap / kPartnerGapDivisor;
        for (PersonNode* node : m_list) {
            m_progress.Step();
            const int cross = m_boxes->Make(*node, database);
            if (node->m_nId == m_layout.startPerson)
                m_pResult = static_cast<CIndiBox*>(node->m_pBox);
            GenerationEntry& entry = m_table[node->m_nGeneration];
            if (m_bVertical) {
                const CRect bounds = node->m_pBox->GetBounds();
                int extent = bounds.Height();
                if (m_direction.code == ConnectDirection::Above)
                    extent += bounds.Width() * kUpWidthPercent / kPercent;
                entry.extent = std::max(entry.extent, extent);
                node->m_nX = cross;
                node->m_nY = entry.position;
            } else {
                node->m_nX = entry.position + (IsPartner(*node) ? partnerShift : 0);
                node->m_nY = cross;
            }
        }
        StackRows();
    }

    static bool IsPartner(const PersonNode& node) { return node.m_sKind.size() == 1 && node.m_sKind[0] == kPartner; }

    // Rows are separated by the gap plus the tallest box of every row between
    // and the partners' offsets, partners standing toward the children.
    void StackRows()
    {
        const int highest = m_list.empty() ? 0 : m_list.back()->m_nGeneration;
        if (m_direction.code == ConnectDirection::Below) {
            for (int g = 1; g <= highest + 1; ++g) {
                GenerationEntry& entry = m_table[g];
                entry.offset = entry.extent / kDownPartnerDivisor;
                entry.extent += entry.offset + m_table[g - 1].extent;
            }
            for (PersonNode* node : m_list) {
                node->m_nY += m_table[node->m_nGeneration - 1].extent;
                if (IsPartner(*node))
                    node->m_nY += m_table[node->m_nGeneration].offset + m_layout.generationGap / kPartnerGapDivisor;
            }
        } else if (m_direction.code == ConnectDirection::Above) {
            for (int g = highest; g >= 1; --g) {
                GenerationEntry& entry = m_table[g];
                entry.offset = entry.extent * kUpPartnerPercent / kPercent;
                entry.extent += entry.offset + m_table[g + 1].extent;
            }
            for (PersonNode* node : m_list) {
                node->m_nY += m_table[node->m_nGeneration + 1].extent;
                if (IsPartner(*node))
                    node->m_nY -= m_table[node->m_nGeneration].offset + m_layout.generationGap;
            }
        }
    }

    // Each couple is centred on its children, as often as there are
    // generations; boxes only move right or down.
    void Arrange()
    {
        m_progress.SetText("Arranging the boxes");
        m_progress.SetRange(static_cast<int>(m_list.size()));
        CrossAxisShifts::Ranges ranges;
        std::unordered_map<const PersonNode*, std::size_t> indexOf;
        for (std::size_t i = 0; i < m_list.size(); ++i) {
            indexOf[m_list[i]] = i;
            auto [range, added] = ranges.try_emplace(m_list[i]->m_nGeneration, i, i + 1);
            if (!added)
                range->second.second = i + 1;
        }
        CrossAxisShifts shifts(m_list, m_bVertical, ranges);
        // A shift from the first partner takes the person along.
        const auto shiftFrom = [&](std::size_t index, int delta) {
            if (m_list[index]->m_sSortKey == kFirstPartner && index > 0)
                --index;
            shifts.Shift(index, delta);
        };
        const int highest = m_list.empty() ? 0 : m_list.back()->m_nGeneration;
        for (int pass = 0; pass < highest; ++pass) {
            int generation = 0;
            for (std::size_t i = 0; i < m_list.size(); ++i) {
                m_progress.Step();
                const PersonNode& node = *m_list[i];
                if (node.m_nGeneration != generation) {
                    // The children's generation was read ahead: start it again.
                    shifts.Settle(generation);
                    generation = node.m_nGeneration;
                    shifts.Settle(generation);
                }
                if (node.m_pFather == nullptr)
                    continue;
                const std::size_t first = indexOf.at(node.m_pFather);
                const int cFirst = shifts.Read(first);
                const int cLast = shifts.Read(indexOf.at(node.m_pMother));
                const int cNode = shifts.Read(i);
                const int mid = cFirst + (cLast - cFirst) / 2;
                if (mid < cNode)
                    shiftFrom(first, cNode - mid);
                else if (mid > cNode)
                    shiftFrom(i, mid - cNode);
            }
            shifts.Settle(generation);
            shifts.Settle(generation + 1);
        }
    }

    CODPortComponent* PortOf(const PersonNode& node, Port port) const
    {
        return static_cast<CODSymbolComponent*>(node.m_pBox)->GetPort(port);
    }

    void Connect()
    {
        m_progress.SetText("Connecting the boxes together");
        const CODLineProperties line = ReadChartLine(m_file, kSection, "LineColor", "LineWidth", "LineStyle");
        m_progress.SetRange(static_cast<int>(m_list.size()));
        const bool bUp = m_direction.code == ConnectDirection::Above;
        const int offset = bUp ? m_layout.generationGap / 2 : m_layout.generationGap / -2;
        std::vector<CODPortComponent*> children;
        const PersonNode* parent = nullptr;
        const auto connect = [&] {
            if (parent != nullptr && !children.empty()) {
                CODPortComponent* from = PortOf(*parent, m_direction.towardChildren);
                std::vector<CODPortComponent*> ports{children.front(), from};
                if (children.size() == 1)
                    ports.push_back(children.front());
                else
                    ports.insert(ports.end(), children.begin() + 1, children.end());
                const CPoint at = from->GetPosition();
                ConnectThroughPoint(m_model, ports, m_direction.code, offset, line, at.x, at.y);
            }
            children.clear();
        };
        for (const PersonNode* node : m_list) {
            m_progress.Step();
            if (IsPartner(*node))
                continue;
            if (node->m_pParent != parent) {
                connect();
                parent = node->m_pParent;
            }
            children.push_back(PortOf(*node, m_direction.towardParent));
        }
        connect();

        m_progress.SetText("Connecting the spouses together");
        m_progress.SetRange(static_cast<int>(m_list.size()));
        for (const PersonNode* node : m_list) {
            m_progress.Step();
            if (IsPartner(*node) && node->m_pParent != nullptr)
                LinkPortsTo(m_model, {PortOf(*node, m_direction.towardParent)}, line,
                            PortOf(*node->m_pParent, m_direction.partnerLink));
        }
    }

    const CommandFile& m_file;
    CODModel& m_model;
    const DirectionInfo& m_direction;
    const bool m_bVertical;
    StatusBarProgress m_progress;

    ChartLayout m_layout;

    ChartNodes m_nodes;
    std::vector<PersonNode*> m_list;
    GenerationTable m_table;
    std::optional<ChartBoxes> m_boxes;  // made with the first box
    CIndiBox* m_pResult = nullptr;
};

}  // namespace

CIndiBox* BuildDescendantChart(const CommandFile& file, CODModel& model, DefaultPropertySource* pDefaults)
{
    DescendantChart chart(file, model);
    return chart.Build(pDefaults);
}
