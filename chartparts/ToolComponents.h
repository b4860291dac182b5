#pragma once

#include <memory>

class CIndiBox;
class CODLinkComponent;
class DefaultPropertySource;

// What the chart window's link tools draw, in the order of their commands.
enum class LinkToolKind {
    None = 0,
    Link = 1,
    Orthogonal = 2,
    Arrow = 3,
    OrthogonalArrow = 4,
    TwoWayArrow = 5,
    OrthogonalTwoWayArrow = 6,
};

// The link a link tool draws copies of: not yet joined to any port, with an
// arrowhead at its target end (and its source end too for the two-way kinds),
// an orthogonal one routed inside margins of 30 units.
std::unique_ptr<CODLinkComponent> MakeLinkPrototype(LinkToolKind kind);

// The individual box the box tools insert: 170 wide, five lines, black
// outline on white, and a grey shadow when bShadow is set. Named "Shadow Box"
// or "Plain Box".
std::unique_ptr<CIndiBox> MakeInsertedBox(bool bShadow, const DefaultPropertySource* pDefaults);
