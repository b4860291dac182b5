#include "charts/ChartNodes.h"

#include "platform/StatusBarProgress.h"

PersonNode* ChartNodes::Add(std::unique_ptr<PersonNode> node)
{
    m_nodes.push_back(std::move(node));
    return m_nodes.back().get();
}

PersonNode* ChartNodes::New(int generation, std::int32_t id, char kind)
{
    auto node = std::make_unique<PersonNode>();
    node->m_nGeneration = generation;
    node->m_nId = id;
    node->m_sKind.assign(1, kind);
    return Add(std::move(node));
}

void ChartNodes::Release(StatusBarProgress& progress, std::size_t listLength)
{
    progress.SetText("Cleaning up the paperwork....");
    progress.SetRange(static_cast<int>(listLength));
    for (std::unique_ptr<PersonNode>& node : m_nodes) {
        progress.Step();
        node.reset();
    }
    m_nodes.clear();
    progress.SetText("Sizing the chart...");
    progress.SetPos(0);
}
