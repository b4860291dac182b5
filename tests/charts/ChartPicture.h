#pragma once

#include "tests/support/DibCanvas.h"

#include <memory>
#include <string>

class CODModel;

namespace chart_test {

// The blank border around the drawn components.
constexpr int kPictureMargin = 20;

// Draws the model's components into a canvas that fits them with the border
// (logical point (left, top) of their bounds lands on the border's corner) and
// saves it under the name when the tests are asked for pictures.
std::unique_ptr<quorrel_test::DibCanvas> DrawChart(const CODModel& model, const std::string& name);

}  // namespace chart_test
