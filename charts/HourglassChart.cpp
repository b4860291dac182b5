#include "charts/HourglassChart.h"

#include "chartparts/CIndiBox.h"
#include "charts/AncestorChart.h"
#include "charts/ChartDirection.h"
#include "charts/ChartFont.h"
#include "charts/DescendantChart.h"
#include "engine/CODCirclePort.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODModel.h"
#include "engine/CODPortComponent.h"
#include "platform/CommandFile.h"
#include "platform/ResourceStrings.h"
#include "platform/StatusBarProgress.h"
#include "platform/TextCodec.h"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

constexpr const char* kSection = "HourGlass";
constexpr const char* kAncestor = "Ancestor";
constexpr const char* kDescendant = "Descendant";
constexpr int kLeastDescendantGenerations = 2;
constexpr int kLeastAncestorGenerations = 1;
// The two start boxes of a chart in rows stand this far apart.
constexpr int kStartBoxGap = 5;
// Ancestors to the right start this share into the descendants' start box
// when they have siblings, so the sibling connector clears it.
constexpr int kRightSiblingPercent = 85;
constexpr int kPercent = 100;
constexpr int kBold = 700;
constexpr int kNormal = 400;
constexpr const char* kBoldAttribute = "BOLD";

struct Settings {
    int descendantGenerations = 0;
    int ancestorGenerations = 0;
    bool bSiblings = false;
    COLORREF siblingColor = 0;
    int siblingWidth = 0;
    int siblingStyle = 0;
    int generationGap = 0;
    int leftGap = 0;
    int topGap = 0;
    int boxGap = 0;
    ConnectDirection direction = ConnectDirection::Below;
    ChartFont font;
    std::string fontAttribute;
    COLORREF lineColor = 0;
    int lineWidth = 0;
    int lineStyle = 0;
};

Settings ReadSettings(const CommandFile& file)
{
    Settings s;
    s.descendantGenerations = std::max(file.GetInt(kSection, "DescendantGenerations"), kLeastDescendantGenerations);
    s.ancestorGenerations = std::max(file.GetInt(kSection, "AncestorGenerations"), kLeastAncestorGenerations);
    s.bSiblings = file.GetBool(kSection, "ProcessSibling");
    if (s.bSiblings) {
        s.siblingColor = file.GetColor(kSection, "SiblingLineColor");
        s.siblingWidth = file.GetInt(kSection, "SiblingLineWidth");
        s.siblingStyle = file.GetInt(kSection, "SiblingLineStyle");
    }
    s.generationGap = file.GetInt(kSection, "GenerationGap");
    s.leftGap = file.GetInt(kSection, "LeftGap");
    s.topGap = file.GetInt(kSection, "TopGap");
    s.boxGap = file.GetInt(kSection, "BoxGap");
    s.direction = ReadChartDirection(file, kSection, ConnectDirection::Below);
    s.font = ChartFont::Read(file, kSection);
    s.fontAttribute = TextCodec::ToUpper(file.GetString(kSection, "DefFontAttribute"));
    s.lineColor = file.GetColor(kSection, "linecolor");
    s.lineWidth = file.GetInt(kSection, "linewidth");
    s.lineStyle = file.GetInt(kSection, "LinesStyle");
    return s;
}

// The keys the two halves share, in the order they are written.
void WriteShared(CommandFile& file, const char* section, const Settings& s, const char* lineStyleKey)
{
    file.WriteInt(section, "GenerationGap", s.generationGap);
    file.WriteInt(section, "LeftGap", s.leftGap);
    file.WriteInt(section, "TopGap", s.topGap);
    file.WriteInt(section, "BoxGap", s.boxGap);
    file.WriteColor(section, "LineColor", s.lineColor);
    file.WriteInt(section, "LineWidth", s.lineWidth);
    file.WriteInt(section, lineStyleKey, s.lineStyle);
    file.WriteString(section, "DefFont", s.font.face);
    file.WriteInt(section, "DefFontSize", s.font.pointSize);
    file.WriteString(section, "DefFontAttribute", s.fontAttribute);
    file.WriteColor(section, "DefFontColor", s.font.colour);
}

void WriteHalves(CommandFile& file, const Settings& s)
{
    file.WriteInt(kAncestor, "Generations", s.ancestorGenerations);
    file.WriteBool(kAncestor, "ProcessSibling", s.bSiblings);
    if (s.bSiblings) {
        file.WriteColor(kAncestor, "SiblingLineColor", s.siblingColor);
        file.WriteInt(kAncestor, "SiblingLineWidth", s.siblingWidth);
        file.WriteInt(kAncestor, "SiblingLineStyle", s.siblingStyle);
    }
    WriteShared(file, kAncestor, s, "LinesStyle");
    file.WriteInt(kDescendant, "generations", s.descendantGenerations);
    WriteShared(file, kDescendant, s, "LineStyle");
}

// Moves a half of the chart; the links follow the ends they are joined to.
void Move(const std::vector<CODComponent*>& half, int dx, int dy)
{
    for (CODComponent* component : half)
        if (dynamic_cast<CODLinkComponent*>(component) == nullptr)
            component->Translate(dx, dy);
}

// Every line that ends on a port of the removed box ends on the kept box's port instead.
void Merge(CODModel& model, CIndiBox& removed, CIndiBox& kept, int port)
{
    std::unordered_set<const CODPortComponent*> ends;
    for (const CODConnection* connection : removed.GetConnections())
        ends.insert(removed.GetEnd(connection));
    CODPortComponent* to = kept.GetPort(port);
    for (int i = 0; i < model.GetChildCount(); ++i) {
        auto* link = dynamic_cast<CODLinkComponent*>(model.GetChild(i));
        if (link == nullptr)
            continue;
        for (const int end : {CODLinkComponent::kSourceEnd, CODLinkComponent::kTargetEnd}) {
            CODPortComponent* at = end == CODLinkComponent::kSourceEnd ? link->GetSourcePort() : link->GetTargetPort();
            if (at == nullptr || ends.count(at) == 0)
                continue;
            CODPortComponent* linkEnd = link->GetEndPort(end);
            link->Disconnect(linkEnd, at);
            link->Connect(linkEnd, to);
            link->Route();
        }
    }
    model.RemoveChild(model.FindChild(&removed));
}

class HourglassChart {
public:
    HourglassChart(CommandFile& file, CODModel& model, DefaultPropertySource* pDefaults)
        : m_file(file), m_model(model), m_pDefaults(pDefaults)
    {
    }

    void Build()
    {
        StatusBarProgress progress(IDS_PLEASE_WAIT, true);
        progress.SetText("Starting HourGlass Chart");
        const Settings s = ReadSettings(m_file);
        WriteHalves(m_file, s);
        switch (s.direction) {
        case ConnectDirection::Above:
            BuildRows("UP", "DOWN", true);
            break;
        case ConnectDirection::Below:
            BuildRows("DOWN", "UP", false);
            break;
        case ConnectDirection::Left:
            BuildColumns("LEFT", "RIGHT", true, s.bSiblings);
            break;
        case ConnectDirection::Right:
            BuildColumns("RIGHT", "LEFT", false, s.bSiblings);
            break;
        }
        ChartFont font = s.font;
        font.weight = s.fontAttribute.starts_with(kBoldAttribute) ? kBold : kNormal;
        font.colour = m_file.GetColor(kSection, "DefFontColor");
        font.ApplyTo(m_pDefaults);
        progress.SetText("Sizing the chart...");
        progress.SetPos(0);
    }

private:
    CIndiBox* BuildHalf(bool bAncestors)
    {
        return bAncestors ? BuildAncestorChart(m_file, m_model, m_pDefaults)
                          : BuildDescendantChart(m_file, m_model, m_pDefaults);
    }

    // The start box and the components of each half.
    struct Halves {
        CIndiBox* first = nullptr;
        CIndiBox* second = nullptr;
        std::vector<CODComponent*> firstSet;
        std::vector<CODComponent*> secondSet;
    };

    // The first half built from its section as written, the second after the
    // margin that puts it beside the first's start box. When the first half
    // built nothing for a start person other than 0, the second is not built:
    // it would fail alike and report the failure again. (Start person 0 has
    // no descendants but a blank ancestor form.)
    template <typename Margin>
    Halves BuildBoth(bool bAncestorsFirst, Margin margin)
    {
        Halves halves;
        halves.first = BuildHalf(bAncestorsFirst);
        if (halves.first == nullptr && m_file.GetLong("database", "startperson") != 0)
            return halves;
        if (halves.first != nullptr)
            margin(halves.first->GetBounds());
        // The halves by what each added: a box of the first half above or left
        // of the canvas origin moves with its half too.
        const int before = m_model.GetChildCount();
        for (int i = 0; i < before; ++i)
            halves.firstSet.push_back(m_model.GetChild(i));
        halves.second = BuildHalf(!bAncestorsFirst);
        for (int i = before; i < m_model.GetChildCount(); ++i)
            halves.secondSet.push_back(m_model.GetChild(i));
        return halves;
    }

    // UP and DOWN: the second half starts 5 below the first's start box, and
    // the half whose start box is further left moves to line the two up.
    void BuildRows(const char* ancestorDirection, const char* descendantDirection, bool bAncestorsFirst)
    {
        m_file.WriteString(kAncestor, "Direction", ancestorDirection);
        m_file.WriteString(kDescendant, "Direction", descendantDirection);
        const char* second = bAncestorsFirst ? kDescendant : kAncestor;
        const Halves halves = BuildBoth(bAncestorsFirst, [&](const CRect& first) {
            m_file.WriteInt(second, "TopGap", first.bottom + kStartBoxGap);
        });
        if (halves.first == nullptr || halves.second == nullptr)
            return;
        const int d = halves.second->GetBounds().left - halves.first->GetBounds().left;
        if (d < 0)
            Move(halves.secondSet, -d, 0);
        else
            Move(halves.firstSet, d, 0);
    }

    // LEFT and RIGHT: the second half starts inside the first's start box, the
    // half whose start box is higher moves to line the two up, and the
    // ancestors' start box gives its lines to the descendants' one.
    void BuildColumns(const char* ancestorDirection, const char* descendantDirection, bool bAncestorsFirst,
                      bool bSiblings)
    {
        m_file.WriteString(kAncestor, "Direction", ancestorDirection);
        m_file.WriteString(kDescendant, "Direction", descendantDirection);
        const Halves halves = BuildBoth(bAncestorsFirst, [&](const CRect& first) {
            if (bAncestorsFirst)
                m_file.WriteInt(kDescendant, "LeftGap", bSiblings ? first.left + (first.right - first.left) / 2
                                                                  : first.left);
            else
                m_file.WriteInt(kAncestor, "LeftGap",
                                bSiblings ? first.left + (first.right - first.left) * kRightSiblingPercent / kPercent
                                          : first.left + kStartBoxGap);
        });
        if (halves.first == nullptr || halves.second == nullptr)
            return;
        const int d = halves.second->GetBounds().top - halves.first->GetBounds().top;
        if (d < 0)
            Move(halves.secondSet, 0, -d);
        else
            Move(halves.firstSet, 0, d);
        CIndiBox* ancestors = bAncestorsFirst ? halves.first : halves.second;
        CIndiBox* descendants = bAncestorsFirst ? halves.second : halves.first;
        Merge(m_model, *ancestors, *descendants, bAncestorsFirst ? 0 : 1);
    }

    CommandFile& m_file;
    CODModel& m_model;
    DefaultPropertySource* m_pDefaults;
};

}  // namespace

void BuildHourglassChart(CommandFile& file, CODModel& model, DefaultPropertySource* pDefaults)
{
    HourglassChart(file, model, pDefaults).Build();
}
