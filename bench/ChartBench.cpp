// Measures building individual boxes as the chart layouts do: the [Box]
// settings read from a command file, five text lines sized to their wrapped
// text, the shadow, the twelve ports and the final layout. Then ancestor
// charts of 8, 10 and 12 generations on full pedigrees, phase by phase, and
// the output files a run writes for each (the canvas fitted to the chart first),
// descendant charts of 5, 6 and 7 generations with four children to a couple,
// hourglass charts of both, and a fan chart of 10 generations with its files.
//   chart_bench [count]
#include "chartparts/BoxSettings.h"
#include "chartparts/CIndiBox.h"
#include "chartparts/CQuorrelModel.h"
#include "chartparts/CQuorrelViewport.h"
#include "chartparts/ChartOutput.h"
#include "charts/AncestorChart.h"
#include "charts/ChartDecorations.h"
#include "charts/DescendantChart.h"
#include "charts/FanChart.h"
#include "charts/HourglassChart.h"
#include "data/ProjectDatabase.h"
#include "platform/CDC.h"
#include "platform/CommandFile.h"
#include "platform/HeadlessApplication.h"
#include "platform/StatusBarHost.h"
#include "tools/projectwriter/ProjectWriter.h"
#include "tools/projectwriter/SyntheticProject.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

// The chart's phases as its status texts announce them; a phase runs from its
// text to the next phase's text or the end of the chart, and a phase met again
// (the two halves of an hourglass chart) adds up.
constexpr const char* kPhaseNames[] = {"collecting", "boxes", "arranging", "drawing", "connecting", "cleaning"};
constexpr std::size_t kPhaseCount = std::size(kPhaseNames);
constexpr struct {
    const char* text;
    std::size_t phase;
} kPhaseTexts[] = {
    {"Opening Database", 0},  // opening the project, then the walk of the relatives
    {"Counting People", 1},   // counting, sorting, then building the boxes
    {"Arranging the boxes", 2},
    {"Drawing the boxes", 3},
    {"Connecting the generations together", 4},
    {"Connecting the boxes together", 4},
    {"Cleaning up the paperwork....", 5},
};
constexpr const char* kChartEnd = "Sizing the chart...";

// A status bar that adds up the time of each phase.
class PhaseClock : public StatusBarHost {
public:
    PhaseClock() { SetCurrent(this); }
    ~PhaseClock() override { SetCurrent(nullptr); }

    void SetMessageText(const std::string& text) override
    {
        const Clock::time_point now = Clock::now();
        const bool bEnd = text == kChartEnd;
        for (const auto& entry : kPhaseTexts)
            if (text == entry.text || bEnd) {
                if (m_running < kPhaseCount)
                    m_durations[m_running] += std::chrono::duration<double>(now - m_since).count();
                m_running = bEnd ? kPhaseCount : entry.phase;
                m_since = now;
                if (!m_bStarted)
                    m_start = now;
                m_bStarted = true;
                m_end = now;
                break;
            }
    }
    RECT MessagePaneRect() const override { return RECT{0, 0, 600, 20}; }
    int TextWidth(const std::string& text) const override { return static_cast<int>(text.size()) * 7; }
    int AverageCharWidth() const override { return 6; }
    void InsertProgress(const RECT&) override {}
    void SetProgressPos(int) override {}
    void RemoveProgress() override {}

    double Duration(std::size_t phase) const { return m_durations[phase]; }
    double Total() const { return std::chrono::duration<double>(m_end - m_start).count(); }

private:
    double m_durations[kPhaseCount] = {};
    std::size_t m_running = kPhaseCount;
    Clock::time_point m_since;
    Clock::time_point m_start;
    Clock::time_point m_end;
    bool m_bStarted = false;
};

long PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Runs one chart's bench in a child process, so the peak memory it prints is
// that chart's own and not the largest of every chart before it.
template <typename Bench>
void InOwnProcess(Bench bench)
{
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        bench();
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::printf("  the bench's child process failed\n");
}

// Writes every output file a run can write for the viewport's chart, each timed
// with the peak memory after it; returns the seconds of them all.
double BenchOutputFiles(CQuorrelViewport& viewport, const std::filesystem::path& directory)
{
    ChartOutput output(&viewport);
    double writing = 0;
    for (const char* type : {"BMP", "JPG", "QRD", "PDF", "SVG", "PNG"}) {
        const std::filesystem::path written = directory / (std::string("chart.") + type);
        const Clock::time_point start = Clock::now();
        const bool saved = output.SaveAs(written.string(), type);
        const double seconds = Seconds(start);
        writing += seconds;
        std::printf("  %-11s %s in %.3f s, peak memory so far %ld MB\n", type,
                    saved ? "written" : output.GetError().c_str(), seconds, PeakMegabytes());
        std::filesystem::remove(written);
    }
    return writing;
}

// Builds the chart of the command file phase by phase, then writes the files
// a run writes for it. The chart opens the project as often as it has halves;
// what that costs is counted again inside its collecting phase, and subtracted there.
template <typename Build>
void BenchChart(const std::string& title, const std::filesystem::path& project, const std::string& settings,
                int halves, Build build, const std::filesystem::path& directory)
{
    const std::filesystem::path commandFile = directory / "chart_bench.qrc";
    std::ofstream(commandFile) << kBoxSection << settings << "[database]\nfile=" << project.string()
                               << "\nstartperson=1\n";
    CommandFile file(commandFile.string());

    const Clock::time_point openStart = Clock::now();
    {
        ProjectDatabase database(project.string());
        database.Open();
        database.LoadOptions(file);
        database.ReadPerson(1);
    }
    const double opening = Seconds(openStart) * halves;

    CQuorrelModel model;
    PhaseClock clock;
    build(file, model);
    int boxes = 0;
    for (int i = 0; i < model.GetChildCount(); ++i)
        boxes += dynamic_cast<const CIndiBox*>(model.GetChild(i)) != nullptr ? 1 : 0;
    std::printf("%s: %d boxes, %d components, %.3f s\n", title.c_str(), boxes, model.GetChildCount(),
                clock.Total());
    std::printf("  %-11s %.3f s\n", "database", opening);
    for (std::size_t i = 0; i < kPhaseCount; ++i)
        std::printf("  %-11s %.3f s\n", kPhaseNames[i], clock.Duration(i) - (i == 0 ? opening : 0.0));
    std::printf("  peak memory so far %ld MB\n", PeakMegabytes());

    ChartDecorations::FitCanvasToChart(model);
    CQuorrelViewport viewport;
    viewport.SetModel(&model);
    std::printf("  canvas %d x %d\n", model.GetSize().cx, model.GetSize().cy);
    const double writing = BenchOutputFiles(viewport, directory);
    std::printf("  chart and files together: %.3f s\n", clock.Total() + writing);
}

const char* const kLayout = "GenerationGap=40\nLeftGap=10\nTopGap=10\nBoxGap=5\n";

void BenchAncestorChart(int generations, const std::filesystem::path& directory)
{
    const std::filesystem::path project = directory / ("PEDIGREE" + std::to_string(generations));
    ProjectWriter writer;
    BuildPedigreeProject(writer, generations);
    writer.Write(project.string());
    BenchChart("ancestor chart of " + std::to_string(generations) + " generations", project,
               "[Ancestor]\ngenerations=" + std::to_string(generations) + "\n" + kLayout + "ProcessSibling=TRUE\n",
               1, [](CommandFile& file, CQuorrelModel& model) { BuildAncestorChart(file, model, nullptr); },
               directory);
}

void BenchDescendantChart(int generations, const std::filesystem::path& directory)
{
    const std::filesystem::path project = directory / ("DESCENT" + std::to_string(generations));
    ProjectWriter writer;
    BuildDescendantProject(writer, {.generations = generations, .childrenPerCouple = 4});
    writer.Write(project.string());
    BenchChart("descendant chart of " + std::to_string(generations) + " generations, 4 children a couple", project,
               "[Descendant]\ngenerations=" + std::to_string(generations) + "\n" + kLayout, 1,
               [](CommandFile& file, CQuorrelModel& model) { BuildDescendantChart(file, model, nullptr); },
               directory);
}

void BenchHourglassChart(const char* direction, const std::filesystem::path& directory)
{
    constexpr int kAncestors = 8;
    constexpr int kDescendants = 6;
    const std::filesystem::path project = directory / "HOURGLASS";
    if (!std::filesystem::exists(ProjectWriter::FileName(project.string(), '$', "DBF"))) {
        ProjectWriter writer;
        BuildDescendantProject(writer, {.generations = kDescendants, .childrenPerCouple = 4,
                                        .ancestorGenerations = kAncestors});
        writer.Write(project.string());
    }
    BenchChart(std::string("hourglass chart ") + direction + " of " + std::to_string(kAncestors) +
                   " ancestor and " + std::to_string(kDescendants) + " descendant generations",
               project,
               "[HourGlass]\nAncestorGenerations=" + std::to_string(kAncestors) + "\nDescendantGenerations=" +
                   std::to_string(kDescendants) + "\nDirection=" + direction + "\nProcessSibling=TRUE\n" + kLayout,
               2, [](CommandFile& file, CQuorrelModel& model) { BuildHourglassChart(file, model, nullptr); },
               directory);
}

// A fan chart of 10 generations (1,023 cells) on a full pedigree, with the
// output files, as a run writes them.
void BenchFanChart(const std::filesystem::path& directory)
{
    constexpr int kFanGenerations = 10;
    const std::filesystem::path project = directory / "FAN10";
    ProjectWriter writer;
    BuildPedigreeProject(writer, kFanGenerations);
    writer.Write(project.string());
    const std::filesystem::path commandFile = directory / "fan_bench.qrc";
    std::ofstream(commandFile) << "[FanChart]\ngenerations=" << kFanGenerations
                               << "\nDegreesWide=360\nstartangle=0\nCurveGenerations=5\nCenterCurveText=TRUE\n"
                                  "KeepUpRight=TRUE\nArrows=TRUE\nLifeSpan=TRUE\nFont=Arial\nFontSize=10\n"
                                  "FontColor=0 0 0\nlinecolor=0 0 0\nlinewidth=1\n"
                               << "[database]\nfile=" << project.string() << "\nstartperson=1\n";
    const CommandFile file(commandFile.string());
    CQuorrelModel model;
    CQuorrelViewport viewport;
    viewport.SetModel(&model);
    const Clock::time_point start = Clock::now();
    {
        CDC dc;
        viewport.OnPrepareDC(&dc);
        BuildFanChart(file, model, &viewport, &dc);
    }
    const double built = Seconds(start);
    const Clock::time_point fitStart = Clock::now();
    ChartDecorations::FitCanvasToChart(model);
    const double fitted = Seconds(fitStart);
    const int parts = model.GetChildCount() > 0 ? model.GetChild(0)->GetChildCount() : 0;
    std::printf("fan chart of %d generations: %d parts, %.3f s to build, %.3f s to fit the canvas %d x %d\n",
                kFanGenerations, parts, built, fitted, model.GetSize().cx, model.GetSize().cy);
    const double writing = BenchOutputFiles(viewport, directory);
    std::printf("  chart and files together: %.3f s\n", built + fitted + writing);
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

    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "chart_bench";
    std::filesystem::create_directories(directory);
    for (const int generations : {8, 10, 12})
        InOwnProcess([&] { BenchAncestorChart(generations, directory); });
    for (const int generations : {5, 6, 7})
        InOwnProcess([&] { BenchDescendantChart(generations, directory); });
    for (const char* direction : {"DOWN", "RIGHT"})
        InOwnProcess([&] { BenchHourglassChart(direction, directory); });
    InOwnProcess([&] { BenchFanChart(directory); });
    std::filesystem::remove_all(directory);
    return 0;
}
