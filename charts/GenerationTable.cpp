#include "charts/GenerationTable.h"

void PlaceGenerations(GenerationTable& table, ConnectDirection direction, int generations, const GenerationAxis& axis)
{
    switch (direction) {
    case ConnectDirection::Right:
        table[0].position = axis.columnStart;
        for (int g = 1; g <= generations; ++g)
            table[g].position = table[g - 1].position + axis.columnPitch;
        break;
    case ConnectDirection::Left:
        table[generations + 1].position = axis.columnStart;
        for (int g = generations; g >= 1; --g)
            table[g].position = table[g + 1].position + axis.columnPitch;
        break;
    case ConnectDirection::Below:
        table[0].position = axis.rowStart;
        table[0].extent = 0;
        for (int g = 1; g <= generations + 1; ++g) {
            table[g].position = table[g - 1].position + axis.rowGap;
            table[g].extent = axis.rowHeight;
        }
        break;
    case ConnectDirection::Above:
        table[generations + 1].position = axis.upRowStart;
        for (int g = generations; g >= 1; --g) {
            table[g].position = table[g + 1].position + axis.rowGap;
            table[g].extent = axis.rowHeight;
        }
        break;
    }
}
