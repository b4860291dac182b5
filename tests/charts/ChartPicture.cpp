#include "tests/charts/ChartPicture.h"

#include "engine/CODModel.h"

namespace chart_test {

std::unique_ptr<quorrel_test::DibCanvas> DrawChart(const CODModel& model, const std::string& name)
{
    // UP charts start above the top margin: draw from the content's corner.
    const CRect content = model.GetComponentsBounds();
    auto canvas = std::make_unique<quorrel_test::DibCanvas>(content.Width() + 2 * kPictureMargin,
                                                            content.Height() + 2 * kPictureMargin);
    canvas->DC().SetWindowOrg(content.left - kPictureMargin, content.top - kPictureMargin);
    for (int i = 0; i < model.GetChildCount(); ++i)
        model.GetChild(i)->Draw(&canvas->DC());
    canvas->SaveIfAsked(name);
    return canvas;
}

}  // namespace chart_test
