#pragma once

class CODModel;
class CommandFile;

// What a chart run adds around a finished chart: the canvas fitted to it, the
// [Title] text, the [Researcher] box in a corner and the [Background] colour or
// picture under everything.
class ChartDecorations {
public:
    static constexpr int kCanvasMargin = 20;  // right of and below the content
    static constexpr int kMinTitleSize = 2;
    static constexpr int kMaxResearcherLines = 10;
    static constexpr int kResearcherInset = 10;
    static constexpr const char* kResearcherName = "Researcher Box";

    static void FitCanvasToChart(CODModel& model);
    static void BuildTitle(const CommandFile& file, CODModel& model);
    static void BuildResearcherBox(const CommandFile& file, CODModel& model);
    static void BuildBackground(const CommandFile& file, CODModel& model);
};
