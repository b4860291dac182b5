#pragma once

#include "engine/CODLineProperties.h"

class CommandFile;

// The line of a chart's connectors from three keys of its section: the colour
// as given, a width below 0 and a pen style outside 0 to 4 left as they are.
CODLineProperties ReadChartLine(const CommandFile& file, const char* section, const char* colorKey,
                                const char* widthKey, const char* styleKey);
