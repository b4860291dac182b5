#include "charts/ChartBoxes.h"

#include "chartparts/CIndiBox.h"
#include "data/PersonNode.h"
#include "data/ProjectDatabase.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODModel.h"
#include "engine/CODPortComponent.h"
#include "engine/PropertyIds.h"
#include "platform/StatusBarProgress.h"

ChartBoxes::ChartBoxes(const CommandFile& file, int nTopGap, int nBoxGap, bool bVertical)
    : m_settings(BoxSettings::Read(file)), m_nTopGap(nTopGap), m_nBoxGap(nBoxGap), m_bVertical(bVertical)
{
}

ChartBoxes::~ChartBoxes() = default;

int ChartBoxes::Make(PersonNode& node, ProjectDatabase& database)
{
    if (m_pPrevious == nullptr || m_pPrevious->m_nGeneration != node.m_nGeneration) {
        m_nCross = m_nTopGap;
    } else {
        const CRect last = m_pPrevious->m_pBox->GetBounds();
        m_nCross += (m_bVertical ? last.Width() : last.Height()) + m_nBoxGap;
    }
    auto box = std::make_unique<CIndiBox>(m_settings);
    box->SetPerson(node.m_nId, database, node.m_sKind, node.m_nOtherId);
    node.m_pBox = box.get();
    m_boxes.push_back(std::move(box));
    m_pPrevious = &node;
    return m_nCross;
}

void ChartBoxes::Draw(CODModel& model, const std::vector<PersonNode*>& list, StatusBarProgress& progress)
{
    progress.SetText("Drawing the boxes");
    progress.SetRange(static_cast<int>(list.size()));
    for (PersonNode* node : list) {
        progress.Step();
        node->m_pBox->MoveTo(node->m_nX, node->m_nY);
    }
    // The boxes were made in list order; the model owns them from here on.
    for (std::unique_ptr<CIndiBox>& box : m_boxes) {
        CIndiBox* pBox = box.release();
        model.AddChild(pBox);
        // The ports moved with the box; their labels stay where they are.
        for (int p = 0; p < pBox->GetPortCount(); ++p)
            pBox->GetPort(p)->AddProperty(CODBoolProperty(OD_PROP_LABEL_SWITCH, 0));
    }
    m_boxes.clear();
}
