#pragma once

// Enters the program's own diagram classes (individual box, curve text,
// plain symbol, arrow end) in the archive's class registry, so that chart
// documents can store them and create them by name. Safe to call again.
void RegisterChartPartClasses();
