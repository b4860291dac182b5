#include "engine/CODTextCommand.h"

#include "engine/CODTextComponent.h"

CODTextCommand::CODTextCommand(CODModel* pModel, CODTextComponent* pText, const std::string& strText)
    : CODCommand(pModel, {pText}), m_pText(pText), m_strText(strText)
{
}

bool CODTextCommand::Show(const std::string& strText) const
{
    if (!m_pText || !m_pText->SetText(strText))
        return false;
    m_pText->UpdateBounds();
    return true;
}

bool CODTextCommand::Execute()
{
    if (!m_pText)
        return false;
    m_strOldText = m_pText->GetText();
    if (!Show(m_strText))
        return false;
    m_fit.Grow({m_pText});
    return true;
}

bool CODTextCommand::Unexecute()
{
    if (!Show(m_strOldText))
        return false;
    m_fit.Restore();
    return true;
}

std::string CODTextCommand::GetDescription() const
{
    return Describe("Text Command: text = %s", m_strText.c_str());
}
