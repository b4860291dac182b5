#include "engine/CODOrderCommand.h"

#include "engine/CODModel.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, 4> kKindNames = {"Front", "Back", "Forward", "Backward"};

}  // namespace

CODOrderCommand::CODOrderCommand(CODModel* pModel, const std::vector<CODComponent*>& components, int nKind)
    : CODCommand(pModel, components), m_nKind(nKind)
{
}

bool CODOrderCommand::Execute()
{
    const auto& components = GetComponents();
    if (!GetModel() || components.empty() || m_nKind < Front || m_nKind > Backward)
        return false;
    m_order = SaveOrder();
    std::vector<CODComponent*> order = m_order;
    const auto member = [&components](const CODComponent* c) {
        return std::find(components.begin(), components.end(), c) != components.end();
    };
    switch (m_nKind) {
    case Front:
        std::stable_partition(order.begin(), order.end(), [&member](const CODComponent* c) { return !member(c); });
        break;
    case Back:
        std::stable_partition(order.begin(), order.end(), member);
        break;
    case Forward:
        // From the front, so a run of members moves up as one.
        for (std::size_t i = order.size(); i-- > 1;)
            if (member(order[i - 1]) && !member(order[i]))
                std::swap(order[i - 1], order[i]);
        break;
    default:
        for (std::size_t i = 1; i < order.size(); ++i)
            if (member(order[i]) && !member(order[i - 1]))
                std::swap(order[i - 1], order[i]);
        break;
    }
    return RestoreOrder(order);
}

bool CODOrderCommand::Unexecute()
{
    return RestoreOrder(m_order);
}

std::string CODOrderCommand::GetDescription() const
{
    const bool known = m_nKind >= Front && m_nKind <= Backward;
    return Describe("Order Command: %s", known ? kKindNames[static_cast<std::size_t>(m_nKind)] : "Undefined");
}
