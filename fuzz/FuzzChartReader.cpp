#include "fuzz/FuzzChart.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzChartInput(data, size);
    return 0;
}
