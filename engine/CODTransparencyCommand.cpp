#include "engine/CODTransparencyCommand.h"

#include "engine/CODImageComponent.h"

CODTransparencyCommand::CODTransparencyCommand(CODModel* pModel, const std::vector<CODComponent*>& images,
                                               bool bTransparent, COLORREF crTransparent)
    : CODCommand(pModel, images), m_bTransparent(bTransparent), m_crTransparent(crTransparent)
{
}

bool CODTransparencyCommand::Execute()
{
    m_before.clear();
    bool any = false;
    for (CODComponent* component : GetComponents()) {
        auto* image = dynamic_cast<CODImageComponent*>(component);
        m_before.push_back(image ? Before{image->IsTransparent(), image->GetTransparentColor()} : Before{});
        if (!image)
            continue;
        image->SetTransparent(m_bTransparent ? 1 : 0);
        image->SetTransparentColor(m_crTransparent);
        any = true;
    }
    return any;
}

bool CODTransparencyCommand::Unexecute()
{
    const auto& components = GetComponents();
    for (std::size_t i = 0; i < components.size() && i < m_before.size(); ++i)
        if (auto* image = dynamic_cast<CODImageComponent*>(components[i])) {
            image->SetTransparent(m_before[i].bTransparent);
            image->SetTransparentColor(m_before[i].crTransparent);
        }
    return true;
}

std::string CODTransparencyCommand::GetDescription() const
{
    return Describe("Transparency Command: transparent value = %s transparent color = 0x%x",
                    m_bTransparent ? "TRUE" : "FALSE", static_cast<unsigned>(m_crTransparent));
}
