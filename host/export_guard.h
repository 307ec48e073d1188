#pragma once
// What an entry point does with what it cannot use: the host's process must go on whatever
// it passes, so an argument the module cannot work with is noted as a trace line, and no
// C++ exception ever crosses back into the host.
#include <exception>

#include "framework/trace.h"

// Runs body and returns its result; an exception that escapes it is traced under the
// export's name and `failed` is returned instead.
template <typename Result, typename Body>
Result GuardExport(const char* exportName, Result failed, Body body) noexcept
{
    try {
        return body();
    } catch (const std::exception& error) {
        FaxTrace("%s - %s.\n", exportName, error.what());
    } catch (...) {
        FaxTrace("%s - unexpected failure.\n", exportName);
    }
    return failed;
}

// Trace line for an argument an export goes without: "FaxDLL_OnFaxLogs - no host window.\n".
// Returns true when the argument was missing, so a call site reads `if (Missing(...))`.
bool Missing(const char* exportName, const void* argument, const char* what);
// The engine handle 0 is passed on (every engine call refuses it); only the trace line notes it.
void NoteMissingEngine(const char* exportName, unsigned long hFaxEngine);
