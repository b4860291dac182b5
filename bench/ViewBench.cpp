// Measures the chart view on a chart of many boxes: zoom to fit, a full
// repaint, and the repaint of one dragged box through its damaged area.
//   view_bench [boxes]
#include "app/CQuorrelController.h"
#include "app/CQuorrelView.h"
#include "chartparts/CIndiBox.h"
#include "engine/CODModel.h"

#include "platform/HeadlessApplication.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultBoxes = 4000;
constexpr int kColumns = 80;
constexpr int kBoxPitchX = 220;
constexpr int kBoxPitchY = 100;
constexpr int kClientWidth = 1280;
constexpr int kClientHeight = 800;
constexpr int kRepeats = 20;
constexpr int kDragStep = 3;

double Milliseconds(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The view's paint event, as an exposed window gets it; offscreen nothing is exposed.
void PaintNow(CQuorrelView& view)
{
    view.viewport()->grab();
}

}  // namespace

int main(int argc, char** argv)
{
    // The view keeps its switches in the profile: not in the user's.
    const std::filesystem::path profile = std::filesystem::temp_directory_path() / "view_bench";
    setenv("XDG_CONFIG_HOME", profile.c_str(), 1);
    HeadlessApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultBoxes;

    CQuorrelView view;
    view.resize(kClientWidth, kClientHeight);
    view.show();
    view.GetViewport().m_bGridVisible = false;
    CODModel& model = view.GetDocument().GetModel();
    model.SetSize(kColumns * kBoxPitchX + 20, (count / kColumns + 1) * kBoxPitchY + 20);
    std::vector<CIndiBox*> boxes;
    for (int i = 0; i < count; ++i) {
        const std::vector<std::string> lines = {"Person " + std::to_string(i), "b. 1850 London", "d. 1920"};
        auto* box = new CIndiBox();
        box->SetLines(static_cast<int>(lines.size()), lines.data());
        box->MoveTo(10 + i % kColumns * kBoxPitchX, 10 + i / kColumns * kBoxPitchY);
        model.AddChild(box);
        boxes.push_back(box);
    }
    std::printf("%d boxes on a canvas of %d x %d, client %d x %d\n", count, model.GetSize().cx, model.GetSize().cy,
                kClientWidth, kClientHeight);

    Clock::time_point start = Clock::now();
    for (int i = 0; i < kRepeats; ++i)
        view.GetController().OnZoomToFit();
    std::printf("zoom to fit (without painting): %.3f ms\n", Milliseconds(start) / kRepeats);
    const CSize fit = view.GetViewport().GetMagnification();

    start = Clock::now();
    for (int i = 0; i < kRepeats; ++i) {
        view.Update();
        PaintNow(view);
    }
    std::printf("full repaint at %d %% (every box): %.2f ms\n", fit.cx, Milliseconds(start) / kRepeats);

    view.SetZoom(CODDrawingViewport::kPercent);
    view.ScrollTo(CPoint(0, 0));
    start = Clock::now();
    for (int i = 0; i < kRepeats; ++i) {
        view.Update();
        PaintNow(view);
    }
    std::printf("full repaint at 100 %%: %.2f ms\n", Milliseconds(start) / kRepeats);

    // A drag: the box moves a few units a frame; its old and new places are drawn again.
    CIndiBox* dragged = boxes[std::min<std::size_t>(boxes.size() - 1, kColumns + 1)];
    start = Clock::now();
    for (int i = 0; i < kRepeats; ++i) {
        const CRect old = dragged->GetBounds();
        dragged->MoveTo(old.left + kDragStep, old.top + kDragStep);
        view.InvalidateLogical(old);
        view.InvalidateLogical(dragged->GetBounds());
        PaintNow(view);
    }
    std::printf("drag frame at 100 %% (damaged area only): %.3f ms\n", Milliseconds(start) / kRepeats);
    return 0;
}
