#pragma once

#include "data/PersonNode.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class StatusBarProgress;

// Every person node a box chart makes, owned until the chart is built.
class ChartNodes {
public:
    PersonNode* Add(std::unique_ptr<PersonNode> node);
    PersonNode* New(int generation, std::int32_t id, char kind);

    // The chart's last steps: the nodes deleted one by one under the progress
    // range of the node list's length, then the sizing text.
    void Release(StatusBarProgress& progress, std::size_t listLength);

private:
    std::vector<std::unique_ptr<PersonNode>> m_nodes;
};
