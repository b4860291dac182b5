#include "chartparts/Connectors.h"

#include "chartparts/ArrowShape.h"
#include "chartparts/ComponentGeometry.h"
#include "chartparts/DefaultPropertySource.h"
#include "engine/CODCirclePort.h"
#include "engine/CODFillProperties.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLineProperties.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODPolygonComponent.h"
#include "engine/CODRectComponent.h"

#include <algorithm>

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr const char* kPortName = "Port";
constexpr const char* kConnectionPointName = "Connection Point";
constexpr const char* kConnectionPointType = "Sibling Connector";
constexpr const char* kArrowName = "Arrow";
constexpr const char* kConnectionLineName = "Connection Line";
constexpr const char* kConnectionLineType = "Connector Menu";
// The invisible body of a connection point: wider under a row of ports.
constexpr RECT kRowPointBody = {-9, -4, 13, 4};
constexpr RECT kColumnPointBody = {-4, -4, 4, 4};
constexpr int kLineMiddle = 50;
constexpr int kLineStep = 2;

bool Across(ConnectDirection direction)
{
    return direction == ConnectDirection::Below || direction == ConnectDirection::Above;
}

CODCirclePort* NewPort(const CPoint& at, bool bVisible, bool bCentre)
{
    auto* port = new CODCirclePort();
    port->Create(at);
    port->SetVisible(bVisible ? 1 : 0);
    port->SetCentrePort(bCentre ? 1 : 0);
    return port;
}

}  // namespace

std::unique_ptr<CSymbol> MakePortSymbol()
{
    auto* body = new CODRectComponent();
    body->Create(CRect(0, 0, 1, 1));
    CODLineProperties line;
    line.SetWidth(ScreenPenWidth(1));
    line.SetStyle(0);
    line.SetTransparent(1);
    line.SetColor(kWhite);
    CODFillProperties fill;
    fill.SetFillStyle(CODFillProperties::kSolid);
    fill.SetTransparent(1);
    fill.SetColor(kWhite);
    body->AddProperty(line);
    body->AddProperty(fill);
    auto symbol = std::make_unique<CSymbol>();
    symbol->Create(std::vector<CODComponent*>{body});
    symbol->SetName(kPortName);
    symbol->AddPort(NewPort(CPoint(0, 0), true, false));
    return symbol;
}

CSymbol* ConnectThroughPoint(CODComponent& diagram, const std::vector<CODPortComponent*>& ports,
                             ConnectDirection direction, int nOffset, const CODLineProperties& line, int nFixedX,
                             int nFixedY)
{
    if (ports.size() < 2 || std::find(ports.begin(), ports.end(), nullptr) != ports.end())
        return nullptr;
    const CPoint first = ports.front()->GetPosition();
    const CPoint last = ports.back()->GetPosition();
    int x0 = first.x;
    int xn = last.x;
    int yA = first.y;
    int yB = last.y;
    const int offset = direction == ConnectDirection::Left || direction == ConnectDirection::Above ? -nOffset : nOffset;
    if (Across(direction)) {
        int lowest = first.y;
        for (const CODPortComponent* port : ports)
            lowest = std::max(lowest, port->GetPosition().y);
        yA = lowest + offset;
        yB = lowest + offset;
    } else {
        x0 += offset;
        xn += offset;
    }
    int x = x0 + (xn - x0) / 2;
    int y = yA + (yB - yA) / 2;
    if (nFixedX != 0 || nFixedY != 0) {
        if (Across(direction))
            x = nFixedX;
        else
            y = nFixedY;
    }
    const RECT body = Across(direction) ? kRowPointBody : kColumnPointBody;
    auto* rect = new CODRectComponent();
    rect->Create(CRect(x + body.left, y + body.top, x + body.right, y + body.bottom));
    rect->SetVisible(0);
    auto point = std::make_unique<CSymbol>();
    point->Create(std::vector<CODComponent*>{rect});
    point->SetName(kConnectionPointName);
    point->SetType(kConnectionPointType);
    CODCirclePort* port = NewPort(CPoint(x, y), false, false);
    point->AddPort(port);
    if (!diagram.AddChild(point.get()))
        return nullptr;
    LinkPortsTo(diagram, ports, line, port);
    return point.release();
}

void LinkPortsTo(CODComponent& diagram, const std::vector<CODPortComponent*>& ports, const CODLineProperties& line,
                 CODPortComponent* pFrom)
{
    if (!pFrom)
        return;
    for (CODPortComponent* port : ports) {
        auto link = std::make_unique<CODLinkComponent>();
        if (!port || !link->CreateOrthogonal(pFrom, port))
            continue;
        if (CODLineComponent* path = link->GetLine())
            path->AddProperty(line);
        if (diagram.AddChild(link.get()))
            link.release();
    }
}

std::unique_ptr<CSymbol> MakeArrowSymbol(int nAcross, int nAlong, COLORREF crLine, int nLineWidth, COLORREF crFill)
{
    CODLineProperties line;
    line.SetTransparent(0);
    line.SetColor(crLine);
    line.SetWidth(ScreenPenWidth(nLineWidth));
    line.SetStyle(0);
    CODFillProperties fill;
    fill.SetTransparent(0);
    fill.SetFillStyle(CODFillProperties::kSolid);
    fill.SetColor(crFill);
    const auto points = ArrowShape(nAlong, nAcross);
    auto* polygon = new CODPolygonComponent();
    polygon->Create(points.data(), static_cast<int>(points.size()));
    polygon->AddProperty(line);
    polygon->AddProperty(fill);
    auto symbol = std::make_unique<CSymbol>();
    symbol->Create(std::vector<CODComponent*>{polygon});
    symbol->SetName(kArrowName);
    return symbol;
}

std::unique_ptr<CSymbol> MakeConnectionLine(const CPoint& press, const CPoint& release,
                                            const DefaultPropertySource* pDefaults)
{
    auto* line = new CODLineComponent();
    const POINT ends[] = {press, release};
    line->Create(ends, 2);
    if (pDefaults)
        line->ApplyProperties(pDefaults->GetDefaultProperties());
    auto symbol = std::make_unique<CSymbol>();
    symbol->Create(std::vector<CODComponent*>{line});
    symbol->SetName(kConnectionLineName);
    symbol->SetType(kConnectionLineType);
    symbol->AddPort(NewPort(press, true, true));
    symbol->AddPort(NewPort(release, true, true));
    symbol->AddPort(NewPort(line->GetPointAtPercentage(kLineMiddle), true, true));
    // The hidden ones include a second port at the middle, under the visible one.
    for (int percent = kLineStep; percent < 100; percent += kLineStep)
        symbol->AddPort(NewPort(line->GetPointAtPercentage(percent), false, true));
    return symbol;
}
