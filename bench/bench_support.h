#pragma once
// What every benchmark program needs: a clock and a way to reach a loaded library's calls.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace bench {

// Seconds from the performance counter.
inline double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A call of a library loaded at run time, as a host reaches it; a missing one ends the run.
template <typename T>
T Bind(HMODULE module, const char* name)
{
    auto function = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!function) {
        std::fprintf(stderr, "missing export %s\n", name);
        std::exit(2);
    }
    return function;
}

}  // namespace bench
