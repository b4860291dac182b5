#include "charts/ChartLayout.h"

#include "platform/CommandFile.h"

ChartLayout ChartLayout::Read(const CommandFile& file, const char* section)
{
    ChartLayout layout;
    layout.generations = file.GetInt(section, "generations");
    layout.boxWidth = file.GetInt("Box", "Width");
    layout.boxHeight = file.GetInt("Box", "Height");
    layout.generationGap = file.GetInt(section, "GenerationGap");
    layout.leftGap = file.GetInt(section, "LeftGap");
    layout.topGap = file.GetInt(section, "TopGap");
    layout.boxGap = file.GetInt(section, "BoxGap");
    layout.startPerson = file.GetLong("database", "startperson");
    return layout;
}
