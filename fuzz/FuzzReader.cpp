#include "fuzz/FuzzImage.h"

// Built once per reader, QUORREL_FUZZ_READER naming it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzImageInput(QUORREL_FUZZ_READER, data, size);
    return 0;
}
