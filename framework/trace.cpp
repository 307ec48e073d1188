#include "framework/trace.h"

#include <cstdarg>
#include <cstdio>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#endif

namespace {
TraceSink g_sink = nullptr;
void* g_sinkContext = nullptr;
}

void SetTraceSink(TraceSink sink, void* context)
{
    g_sink = sink;
    g_sinkContext = context;
}

void FaxTraceText(const char* line)
{
    if (!line)
        return;
    if (g_sink) {
        g_sink(line, g_sinkContext);
        return;
    }
#ifdef _WIN32
    OutputDebugStringA(line);
#else
    std::fputs(line, stderr);
#endif
}

void FaxTrace(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0) {
        va_end(args);
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    FaxTraceText(buffer.data());
}
