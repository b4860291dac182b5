#pragma once

class CIndiBox;
class CODModel;
class CommandFile;
class DefaultPropertySource;

// The descendants of the [database] start person: each person, his or her
// partners beside, and each couple's children one generation further in the
// [Descendant] direction, added to the model. Every font of pDefaults (may be
// null) takes the chart's default font. Returns the start person's box, or
// none when nothing was built (start person 0 or not readable).
CIndiBox* BuildDescendantChart(const CommandFile& file, CODModel& model, DefaultPropertySource* pDefaults);
