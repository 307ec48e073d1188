#include "host/export_guard.h"

bool Missing(const char* exportName, const void* argument, const char* what)
{
    if (argument)
        return false;
    FaxTrace("%s - no %s.\n", exportName, what);
    return true;
}

bool MissingEngine(const char* exportName, unsigned long hFaxEngine)
{
    if (hFaxEngine)
        return false;
    // Handle 0 is passed on: every engine call refuses it, and the windows say so as usual.
    FaxTrace("%s - no engine handle.\n", exportName);
    return true;
}
