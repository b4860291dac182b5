#include "tests/charts/ChartContents.h"

#include "chartparts/CIndiBox.h"
#include "chartparts/CSymbol.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODModel.h"
#include "engine/CODPortComponent.h"

namespace chart_test {

void ChartContents::Collect(const CODModel& model)
{
    for (int i = 0; i < model.GetChildCount(); ++i) {
        CODComponent* child = model.GetChild(i);
        if (auto* box = dynamic_cast<CIndiBox*>(child))
            boxes.push_back(box);
        else if (child->GetName() == "Connection Point")
            points.push_back(static_cast<CSymbol*>(child));
        else if (auto* link = dynamic_cast<CODLinkComponent*>(child))
            links.push_back(link);
    }
}

std::vector<CPoint> ChartContents::Corners() const
{
    std::vector<CPoint> corners;
    for (const CIndiBox* box : boxes)
        corners.push_back(box->GetBounds().TopLeft());
    return corners;
}

std::vector<CPoint> ChartContents::Points() const
{
    std::vector<CPoint> at;
    for (const CSymbol* point : points)
        at.push_back(point->GetPort(0)->GetPosition());
    return at;
}

std::vector<std::string> ChartContents::Names() const
{
    std::vector<std::string> names;
    for (const CIndiBox* box : boxes)
        names.push_back(box->m_strLines[0]);
    return names;
}

std::vector<CODPortComponent*> ChartContents::Reached(const CSymbol* point) const
{
    std::vector<CODPortComponent*> ports;
    for (const CODLinkComponent* link : links)
        if (link->GetSourcePort() == point->GetPort(0))
            ports.push_back(link->GetTargetPort());
    return ports;
}

std::vector<std::string> ChartContents::Overlaps() const
{
    std::vector<std::string> overlaps;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            CRect both;
            if (both.IntersectRect(boxes[i]->GetBounds(), boxes[j]->GetBounds()))
                overlaps.push_back(boxes[i]->m_strLines[0] + " and " + boxes[j]->m_strLines[0]);
        }
    return overlaps;
}

int ChartContents::LinksAt(const CODPortComponent* port) const
{
    int count = 0;
    for (const CODLinkComponent* link : links)
        count += (link->GetSourcePort() == port ? 1 : 0) + (link->GetTargetPort() == port ? 1 : 0);
    return count;
}

}  // namespace chart_test
