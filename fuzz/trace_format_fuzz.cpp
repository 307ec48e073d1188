// Trace lines with arbitrary texts: whatever the text, formatting it as an argument is safe.
#include <cstdint>
#include <string>

#include "framework/trace.h"

namespace {
void Discard(const char*, void*) {}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SetTraceSink(&Discard, nullptr);
    std::string text(reinterpret_cast<const char*>(data), size);
    FaxTrace("  szDestName at %lx points to %s at %lx.\n", 0ul, text.c_str(), 0ul);
    FaxTraceText(text.c_str());
    SetTraceSink(nullptr, nullptr);
    return 0;
}
