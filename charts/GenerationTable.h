#pragma once

#include "chartparts/Connectors.h"

#include <map>

// What a box chart knows of one generation; entries are made on first use
// with every value 0.
struct GenerationEntry {
    int count = 0;
    int position = 0;  // on the generation axis
    int extent = 0;    // row height, DOWN and UP only
    int offset = 0;    // partner offset of a row, descendant charts only
};

using GenerationTable = std::map<int, GenerationEntry>;

// Where the generations of a chart start and how far apart they are.
struct GenerationAxis {
    int columnPitch;  // RIGHT and LEFT: from one column to the next
    int columnStart;  // RIGHT: column 0, LEFT: the column beyond the last
    int rowStart;     // DOWN: row 0
    int upRowStart;   // UP: the row beyond the last
    int rowGap;       // DOWN and UP: between rows, before their heights are added
    int rowHeight;    // DOWN and UP: the least height of a row
};

// The positions of generations 1 to generations (for DOWN one more) on the
// generation axis; rows also take their least height.
void PlaceGenerations(GenerationTable& table, ConnectDirection direction, int generations, const GenerationAxis& axis);
