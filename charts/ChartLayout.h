#pragma once

#include <cstdint>

class CommandFile;

// The layout settings every box chart reads: from the chart's section the
// generations and the gaps, from [Box] the width and height its generation
// positions count with, from [database] the start person.
struct ChartLayout {
    static ChartLayout Read(const CommandFile& file, const char* section);

    int generations = 0;
    int boxWidth = 0;
    int boxHeight = 0;
    int generationGap = 0;
    int leftGap = 0;
    int topGap = 0;
    int boxGap = 0;
    std::int32_t startPerson = 0;
};
