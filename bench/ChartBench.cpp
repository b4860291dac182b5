// Measures building individual boxes as the chart layouts do: the [Box]
// settings read from a command file, five text lines sized to their wrapped
// text, the shadow, the twelve ports and the final layout.
//   chart_bench [count]
#include "chartparts/BoxSettings.h"
#include "chartparts/CIndiBox.h"
#include "platform/CommandFile.h"
#include "platform/HeadlessApplication.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultCount = 4000;
constexpr int kLines = 5;

const char* const kBoxSection =
    "[Box]\n"
    "Width=180\nHeight=60\nCanGrow=TRUE\nshowPorts=FALSE\nTextwrap=TRUE\nShadow=TRUE\n"
    "linecolor=0 0 128\nShadowColor=128 128 128\nDefaultFillColor=255 255 240\nlinewidth=2\nlinestyle=0\n"
    "PictureLocation=NONE\n"
    "NameFont=Arial\nNameFontSize=11\nNameFontAttribute=Bold\nNameFontColor=0 0 0\n"
    "DetailFont=Times New Roman\nDetailFontSize=9\nDetailFontAttribute=\nDetailFontColor=0 0 0\n";

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv)
{
    HeadlessApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultCount;
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "chart_bench.qrc";
    std::ofstream(path) << kBoxSection;
    const CommandFile file(path.string());

    std::vector<std::array<std::string, kLines>> people;
    for (int i = 0; i < count; ++i)
        people.push_back({"Person Number " + std::to_string(i) + " Smith-Jones", "b. 12 Mar 18" + std::to_string(i % 100),
                          "London, Middlesex, England", "d. 4 Jun 19" + std::to_string(i % 100), "bur. St Mary's"});

    std::vector<std::unique_ptr<CIndiBox>> boxes;
    boxes.reserve(static_cast<std::size_t>(count));
    // As a chart run does: the settings once, then every box from them.
    const Clock::time_point start = Clock::now();
    const BoxSettings settings = BoxSettings::Read(file);
    for (const auto& lines : people) {
        auto box = std::make_unique<CIndiBox>(settings);
        box->SetLines(kLines, lines.data());
        boxes.push_back(std::move(box));
    }
    const double built = Seconds(start);

    // For comparison: each box reading the command file itself.
    const Clock::time_point rereadStart = Clock::now();
    for (int i = 0; i < count; ++i)
        CIndiBox fromFile(file);
    const double reread = Seconds(rereadStart);

    const Clock::time_point freeStart = Clock::now();
    boxes.clear();
    const double freed = Seconds(freeStart);

    std::printf("boxes of %d lines built: %d in %.3f s, %.0f boxes per second\n", kLines, count, built,
                count / built);
    std::printf("  reading the [Box] settings from the file for every box would add %.1f us a box\n",
                1e6 * reread / count);
    std::printf("  releasing them: %.3f s\n", freed);
    std::filesystem::remove(path);
    return 0;
}
