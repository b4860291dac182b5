#include "chartparts/ToolComponents.h"

#include "chartparts/ArrowEndpoint.h"
#include "chartparts/CIndiBox.h"
#include "engine/CODIntProperty.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLinkComponent.h"
#include "engine/PropertyIds.h"

namespace {

constexpr int kRoutingMargin = 30;
constexpr int kBoxWidth = 170;
constexpr int kBoxHeight = 0;  // sized to its lines
constexpr int kBoxLines = 5;
constexpr COLORREF kBoxLine = 0x000000;
constexpr int kBoxLineWidth = 1;
constexpr COLORREF kBoxFill = 0xFFFFFF;
constexpr COLORREF kShadowColour = 0x808080;
// A plain box keeps a shadow colour of its own, never drawn.
constexpr COLORREF kPlainShadowColour = 0x000080;
constexpr const char* kShadowBoxName = "Shadow Box";
constexpr const char* kPlainBoxName = "Plain Box";

bool IsOrthogonal(LinkToolKind kind)
{
    return kind == LinkToolKind::Orthogonal || kind == LinkToolKind::OrthogonalArrow
        || kind == LinkToolKind::OrthogonalTwoWayArrow;
}

bool HasTargetArrow(LinkToolKind kind)
{
    return kind >= LinkToolKind::Arrow;
}

bool HasSourceArrow(LinkToolKind kind)
{
    return kind == LinkToolKind::TwoWayArrow || kind == LinkToolKind::OrthogonalTwoWayArrow;
}

}  // namespace

std::unique_ptr<CODLinkComponent> MakeLinkPrototype(LinkToolKind kind)
{
    auto link = std::make_unique<CODLinkComponent>();
    if (IsOrthogonal(kind)) {
        link->CreateOrthogonal(nullptr, nullptr);
        CODLineComponent* line = link->GetLine();
        for (const int id : {OD_PROP_MARGIN_LEFT, OD_PROP_MARGIN_RIGHT, OD_PROP_MARGIN_TOP, OD_PROP_MARGIN_BOTTOM})
            line->AddProperty(CODIntProperty(id, kRoutingMargin));
        line->RouteOrthogonal();
    } else {
        link->Create(nullptr, nullptr);
    }
    if (HasSourceArrow(kind))
        link->SetSourceEndpoint(std::make_unique<ArrowEndpoint>());
    if (HasTargetArrow(kind))
        link->SetTargetEndpoint(std::make_unique<ArrowEndpoint>());
    return link;
}

std::unique_ptr<CIndiBox> MakeInsertedBox(bool bShadow, const DefaultPropertySource* pDefaults)
{
    auto box = std::make_unique<CIndiBox>();
    box->Configure(pDefaults, kBoxWidth, kBoxHeight, kBoxLines, kBoxLine, kBoxLineWidth, true, kBoxFill, bShadow,
                   bShadow ? kShadowColour : kPlainShadowColour);
    box->SetName(bShadow ? kShadowBoxName : kPlainBoxName);
    if (!bShadow)
        box->UpdateBounds();
    return box;
}
