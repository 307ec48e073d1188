#include "standins/engine/global_records.h"

#include <windows.h>

#include "standins/engine/log_block.h"

SEND_FAX* NewGlobalRecords(const std::vector<const JobRecord*>& jobs)
{
    size_t size = LogBlockSize(jobs);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!memory)
        return nullptr;
    void* block = GlobalLock(memory);
    if (!block) {
        GlobalFree(memory);
        return nullptr;
    }
    WriteLogBlock(jobs, block);
    return static_cast<SEND_FAX*>(block);
}

void FreeGlobalRecords(SEND_FAX* records)
{
    if (!records)
        return;
    if (HGLOBAL memory = GlobalHandle(records)) {
        GlobalUnlock(memory);
        GlobalFree(memory);
    }
}
