#pragma once

#include "engine/CODModelObserver.h"

#include <vector>

namespace quorrel_test {

// A view that keeps every hint its model told it, in order.
class HintRecorder : public CODModelObserver {
public:
    void OnModelUpdate(CODModel* /*pModel*/, int nHint) override { hints.push_back(nHint); }
    std::vector<int> hints;
};

}  // namespace quorrel_test
