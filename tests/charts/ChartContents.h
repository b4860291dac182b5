#pragma once

#include "platform/CPoint.h"

#include <string>
#include <vector>

class CIndiBox;
class CODLinkComponent;
class CODModel;
class CODPortComponent;
class CSymbol;

namespace chart_test {

// The boxes, connection points and links of a built chart, in model order.
struct ChartContents {
    void Collect(const CODModel& model);

    std::vector<CPoint> Corners() const;
    // Where each connection point sits.
    std::vector<CPoint> Points() const;
    // The first line (the name) of every box.
    std::vector<std::string> Names() const;
    // The ports that the links from the point reach, in order.
    std::vector<CODPortComponent*> Reached(const CSymbol* point) const;
    // "name and name" for every two boxes that overlap.
    std::vector<std::string> Overlaps() const;
    // The links that end on the port, at either end.
    int LinksAt(const CODPortComponent* port) const;

    std::vector<CIndiBox*> boxes;
    std::vector<CSymbol*> points;
    std::vector<CODLinkComponent*> links;
};

}  // namespace chart_test
