#include "charts/HourglassChart.h"
