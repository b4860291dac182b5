#pragma once

class CommandFile;
class DefaultPropertySource;

// Every font of the defaults (may be null) takes the section's DefFont face,
// DefFontSize points (8 when missing or 0) and DefFontColor.
void SetChartDefaultFont(const CommandFile& file, const char* section, DefaultPropertySource* pDefaults);
