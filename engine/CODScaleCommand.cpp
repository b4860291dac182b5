#include "engine/CODScaleCommand.h"

#include "engine/CODComponent.h"

#include <array>

namespace {

constexpr float kPercent = 100.0F;
constexpr float kHalf = 0.5F;
constexpr int kAnchorCount = 8;
// The anchor codes after mirroring left to right, and top to bottom.
constexpr std::array<int, kAnchorCount> kMirroredX = {2, 1, 0, 7, 6, 5, 4, 3};
constexpr std::array<int, kAnchorCount> kMirroredY = {6, 5, 4, 3, 2, 1, 0, 7};

// The anchor point with the centre unrounded, so mirroring a shape of odd
// width about its centre keeps it in place.
void AnchorOf(const CRect& b, int nAnchor, float& x, float& y)
{
    const float cx = (static_cast<float>(b.left) + static_cast<float>(b.right)) * kHalf;
    const float cy = (static_cast<float>(b.top) + static_cast<float>(b.bottom)) * kHalf;
    const auto left = static_cast<float>(b.left);
    const auto right = static_cast<float>(b.right);
    const auto top = static_cast<float>(b.top);
    const auto bottom = static_cast<float>(b.bottom);
    switch (nAnchor) {
    case 0: x = left;  y = top;    break;
    case 1: x = cx;    y = top;    break;
    case 2: x = right; y = top;    break;
    case 3: x = right; y = cy;     break;
    case 4: x = right; y = bottom; break;
    case 5: x = cx;    y = bottom; break;
    case 6: x = left;  y = bottom; break;
    case 7: x = left;  y = cy;     break;
    default: x = cx;   y = cy;     break;
    }
}

}  // namespace

CODScaleCommand::CODScaleCommand(CODModel* pModel, const std::vector<CODComponent*>& components, float sx,
                                 float sy, int nAnchor)
    : CODCommand(pModel, components), m_fScaleX(sx), m_fScaleY(sy), m_nAnchor(nAnchor)
{
}

int CODScaleCommand::CorrespondingAnchor(int nAnchor, float sx, float sy)
{
    if (nAnchor < 0 || nAnchor >= kAnchorCount)
        return nAnchor;
    int anchor = nAnchor;
    if (sx < 0)
        anchor = kMirroredX[static_cast<std::size_t>(anchor)];
    if (sy < 0)
        anchor = kMirroredY[static_cast<std::size_t>(anchor)];
    return anchor;
}

bool CODScaleCommand::Execute()
{
    if (GetComponents().empty() || m_fScaleX == 0 || m_fScaleY == 0)
        return false;
    for (CODComponent* component : GetComponents()) {
        float x = 0;
        float y = 0;
        AnchorOf(component->GetBounds(), m_nAnchor, x, y);
        component->Scale(m_fScaleX, m_fScaleY, x, y);
    }
    return true;
}

bool CODScaleCommand::Unexecute()
{
    CODScaleCommand inverse(GetModel(), GetComponents(), 1 / m_fScaleX, 1 / m_fScaleY,
                            CorrespondingAnchor(m_nAnchor, m_fScaleX, m_fScaleY));
    return inverse.Execute();
}

std::string CODScaleCommand::GetDescription() const
{
    return Describe("Scale Command: x = %.1f%%  y = %.1f%%  ref point = %d", static_cast<double>(m_fScaleX * kPercent),
                    static_cast<double>(m_fScaleY * kPercent), m_nAnchor);
}
