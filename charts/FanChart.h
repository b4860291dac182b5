#pragma once

class CDC;
class CODModel;
class CommandFile;
class DefaultPropertySource;

// The [FanChart] ancestors of the [database] start person as rings around
// them: names curved along the inner rings and laid along the radius in the
// outer ones, gathered into one "Fan Chart" symbol that is added to the
// model; start person 0 draws the blank form. Every font of pDefaults (may
// be null) takes the chart's default font. pDC is the view's prepared
// context, which measures the curved names in its own font; without one a
// screen context is used.
void BuildFanChart(const CommandFile& file, CODModel& model, DefaultPropertySource* pDefaults, CDC* pDC);
