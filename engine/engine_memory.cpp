#include "engine/engine_memory.h"

void FreeEngineMemory(const void* block)
{
    if (!block)
        return;
    HGLOBAL memory = GlobalHandle(block);
    if (!memory)
        return;
    GlobalUnlock(memory);
    GlobalFree(memory);
}
