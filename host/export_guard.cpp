#include "host/export_guard.h"

bool Missing(const char* exportName, const void* argument, const char* what)
{
    if (argument)
        return false;
    FaxTrace("%s - no %s.\n", exportName, what);
    return true;
}

void NoteMissingEngine(const char* exportName, unsigned long hFaxEngine)
{
    // The windows say what the engine refuses as usual.
    if (!hFaxEngine)
        FaxTrace("%s - no engine handle.\n", exportName);
}
