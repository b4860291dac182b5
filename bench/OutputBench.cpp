// Measures the output step of a chart run: rendering the whole canvas with
// its boxes and writing it as a BMP, a JPEG and a chart file.
//   output_bench [width height]
#include "chartparts/CIndiBox.h"
#include "chartparts/CQuorrelDoc.h"
#include "chartparts/CQuorrelViewport.h"
#include "chartparts/ChartOutput.h"
#include "platform/HeadlessApplication.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultWidth = 6000;
constexpr int kDefaultHeight = 4000;
constexpr int kBoxPitchX = 220;
constexpr int kBoxPitchY = 100;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv)
{
    HeadlessApplication app(argc, argv);
    const int width = argc > 2 ? std::max(1, std::atoi(argv[1])) : kDefaultWidth;
    const int height = argc > 2 ? std::max(1, std::atoi(argv[2])) : kDefaultHeight;

    CQuorrelDoc doc;
    CODModel& model = doc.GetModel();
    model.SetSize(width, height);
    int boxes = 0;
    for (int y = 10; y + kBoxPitchY <= height; y += kBoxPitchY)
        for (int x = 10; x + kBoxPitchX <= width; x += kBoxPitchX) {
            const std::vector<std::string> lines = {"Person " + std::to_string(boxes), "b. 1850 London", "d. 1920"};
            auto* box = new CIndiBox();
            box->SetLines(static_cast<int>(lines.size()), lines.data());
            box->MoveTo(x, y);
            model.AddChild(box);
            ++boxes;
        }
    CQuorrelViewport viewport;
    viewport.SetModel(&model);
    ChartOutput output(&viewport);
    const std::filesystem::path base = std::filesystem::temp_directory_path() / "output_bench";

    std::printf("canvas %d x %d, %d boxes, %s\n", width, height, boxes,
                CQuorrelViewport::MemoryEstimateText(model.GetSize()).c_str());
    const struct {
        const char* type;
        const char* extension;
    } files[] = {{"BMP", ".BMP"}, {"JPG", ".JPG"}, {"QRD", ".QRD"}};
    for (const auto& file : files) {
        const std::string path = base.string() + file.extension;
        const Clock::time_point start = Clock::now();
        const bool saved = output.SaveAs(path, file.type);
        const double seconds = Seconds(start);
        const auto bytes = saved ? std::filesystem::file_size(path) : 0;
        std::printf("%s: %s in %.3f s, %ju KB\n", file.type, saved ? "written" : output.GetError().c_str(), seconds,
                    static_cast<std::uintmax_t>(bytes / 1024));
        std::filesystem::remove(path);
    }
    return 0;
}
