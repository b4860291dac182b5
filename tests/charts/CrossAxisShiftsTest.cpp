#include "charts/CrossAxisShifts.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Reads and shifts in the order the arranging passes make them must give
// what adding each shift to the rest of its generation at once gives.
TEST(CrossAxisShifts, EqualToShiftingTheRestOfTheGenerationAtOnce)
{
    struct Step {
        bool shift;
        std::size_t index;
        int delta;  // shifts only
    };
    // Generation 1 is nodes 0-2, generation 2 nodes 3-7.
    const struct {
        const char* what;
        std::vector<Step> steps;
    } cases[] = {
        {"shifts ahead of every read", {{true, 4, 5}, {false, 5, 0}, {true, 6, 2}, {false, 7, 0}}},
        {"a shift from siblings already read", {{false, 1, 0}, {false, 2, 0}, {true, 1, 7}, {false, 2, 0}}},
        {"both generations in turns", {{false, 0, 0}, {false, 3, 0}, {true, 3, 4}, {false, 4, 0}, {true, 0, 3},
                                       {false, 2, 0}, {true, 5, 1}, {false, 7, 0}}},
        {"a shift at the last node read", {{false, 7, 0}, {true, 7, 9}, {false, 7, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::unique_ptr<PersonNode>> owned;
        std::vector<PersonNode*> list;
        for (int i = 0; i < 8; ++i) {
            owned.push_back(std::make_unique<PersonNode>());
            owned.back()->m_nGeneration = i < 3 ? 1 : 2;
            owned.back()->m_nY = 10 * i;
            list.push_back(owned.back().get());
        }
        const CrossAxisShifts::Ranges ranges = {{1, {0, 3}}, {2, {3, 8}}};
        std::vector<int> expected;
        for (const PersonNode* node : list)
            expected.push_back(node->m_nY);

        CrossAxisShifts shifts(list, false, ranges);
        for (const Step& step : c.steps) {
            if (step.shift) {
                shifts.Shift(step.index, step.delta);
                const std::size_t end = ranges.at(list[step.index]->m_nGeneration).second;
                for (std::size_t i = step.index; i < end; ++i)
                    expected[i] += step.delta;
            } else {
                EXPECT_EQ(shifts.Read(step.index), expected[step.index]) << step.index;
            }
        }
        shifts.Settle(1);
        shifts.Settle(2);
        for (std::size_t i = 0; i < list.size(); ++i) {
            EXPECT_EQ(list[i]->m_nY, expected[i]) << i;
            EXPECT_EQ(list[i]->m_nX, 0) << i;
        }
    }
}

}  // namespace
