#pragma once

class CODModel;
class CommandFile;
class DefaultPropertySource;

// The ancestors and the descendants of the [database] start person in one
// chart, facing away from each other in the [HourGlass] direction. The
// [HourGlass] settings are written into the [Ancestor] and [Descendant]
// sections of the file, which keep them, and each half is built from its
// section. Sideways charts merge the two boxes of the start person into one.
// When one half builds nothing, the other is kept as it was built.
void BuildHourglassChart(CommandFile& file, CODModel& model, DefaultPropertySource* pDefaults);
