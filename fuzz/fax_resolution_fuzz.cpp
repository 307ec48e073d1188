// Hostile documents for the resolution reader: any bytes give 0 or 1 and never read outside
// the input.
#include <cstdint>
#include <cstdlib>

#include "send/fax_resolution.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    int16_t resolution = ReadFaxResolutionFromBytes(data, size);
    if (resolution != 0 && resolution != 1)
        std::abort();
    return 0;
}
