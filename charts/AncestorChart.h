#pragma once

class CIndiBox;
class CODModel;
class CommandFile;
class DefaultPropertySource;

// The pedigree of the [database] start person, generation by generation in the
// [Ancestor] direction, added to the model; start person 0 draws a blank form.
// Every font of pDefaults (may be null) takes the chart's default font.
// Returns the start person's box, or none when the chart was not built.
CIndiBox* BuildAncestorChart(const CommandFile& file, CODModel& model, DefaultPropertySource* pDefaults);
