#pragma once
// Debugger trace lines: failures the user need not see. Every line goes through here so
// that tests can capture them.

// Formats like printf and emits the result as one trace line.
void FaxTrace(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
// Emits a finished line as it is.
void FaxTraceText(const char* line);

// Where lines go: the debugger by default. A sink replaces it (tests); null restores it.
using TraceSink = void (*)(const char* line, void* context);
void SetTraceSink(TraceSink sink, void* context);
