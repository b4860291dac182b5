#pragma once

#include "chartparts/BoxSettings.h"

#include <memory>
#include <vector>

class CIndiBox;
class CODModel;
class CommandFile;
class ProjectDatabase;
class StatusBarProgress;
struct PersonNode;

// The individual boxes of a box chart, made node by node in list order from
// the [Box] settings and kept until the model takes them. The cross-axis
// position restarts at the top margin with every generation and otherwise
// advances by the previous box's height (generations in columns) or width
// (generations in rows) plus the gap between boxes.
class ChartBoxes {
public:
    ChartBoxes(const CommandFile& file, int nTopGap, int nBoxGap, bool bVertical);
    ~ChartBoxes();
    ChartBoxes(const ChartBoxes&) = delete;
    ChartBoxes& operator=(const ChartBoxes&) = delete;

    // Gives the node its box for its person and kind; returns the box's
    // cross-axis position.
    int Make(PersonNode& node, ProjectDatabase& database);

    // Moves every node's box to the node's place and adds the boxes to the
    // model in list order, their port labels left where they are.
    void Draw(CODModel& model, const std::vector<PersonNode*>& list, StatusBarProgress& progress);

private:
    BoxSettings m_settings;
    int m_nTopGap;
    int m_nBoxGap;
    bool m_bVertical;
    int m_nCross = 0;
    const PersonNode* m_pPrevious = nullptr;
    std::vector<std::unique_ptr<CIndiBox>> m_boxes;
};
