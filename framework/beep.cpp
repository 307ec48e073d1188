#include "framework/beep.h"

namespace {
BeepHook g_hook = nullptr;
void* g_hookContext = nullptr;
}  // namespace

void DefaultBeep()
{
    if (g_hook) {
        g_hook(g_hookContext);
        return;
    }
    MessageBeep(MB_OK);
}

void SetBeepHook(BeepHook hook, void* context)
{
    g_hook = hook;
    g_hookContext = context;
}
