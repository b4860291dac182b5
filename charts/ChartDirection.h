#pragma once

#include "chartparts/Connectors.h"

class CommandFile;

// The way a chart's generations run, from the section's "Direction" key,
// upper-cased: "RIGHT", "LEFT", "DOWN" or "UP"; anything else is the fallback.
ConnectDirection ReadChartDirection(const CommandFile& file, const char* section, ConnectDirection fallback);

// DOWN and UP charts have their generations in rows, the cross axis along x.
constexpr bool IsVertical(ConnectDirection direction)
{
    return direction == ConnectDirection::Below || direction == ConnectDirection::Above;
}
