#include "engine/CODCommand.h"

#include "engine/CODComponent.h"
#include "engine/CODModel.h"
#include "engine/ODHelpers.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace {

constexpr std::size_t kMaxDescription = 512;

}  // namespace

CODCommand::CODCommand(CODModel* pModel, const std::vector<CODComponent*>& components)
    : m_pModel(pModel)
{
    for (CODComponent* component : components)
        AddComponent(component);
}

void CODCommand::AddComponent(CODComponent* pComponent)
{
    if (!pComponent || std::find(m_components.begin(), m_components.end(), pComponent) != m_components.end())
        return;
    pComponent->AddRef();
    m_components.push_back(pComponent);
}

CODCommand::~CODCommand()
{
    for (CODComponent* component : m_components)
        component->Release();
}

CRect CODCommand::GetComponentsBounds() const
{
    return BoundsUnion(m_components);
}

std::string CODCommand::Describe(const char* format, ...)
{
    char text[kMaxDescription];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return length < 0 ? std::string() : std::string(text);
}

std::vector<CODComponent*> CODCommand::SaveOrder() const
{
    return m_pModel ? m_pModel->GetChildren() : std::vector<CODComponent*>();
}

bool CODCommand::RestoreOrder(const std::vector<CODComponent*>& order) const
{
    if (!m_pModel)
        return false;
    std::vector<CODComponent*>& children = m_pModel->GetChildren();
    std::vector<CODComponent*> now = children;
    std::vector<CODComponent*> wanted = order;
    std::sort(now.begin(), now.end());
    std::sort(wanted.begin(), wanted.end());
    if (now != wanted)
        return false;
    children = order;
    m_pModel->SetModified(true);
    return true;
}

bool CODCommand::RemoveFromModel(CODComponent* pComponent) const
{
    return m_pModel && m_pModel->RemoveChild(m_pModel->FindChild(pComponent));
}
