#pragma once
// Log entries as the engine hands them out: one block of locked global memory
// (layout in log_block.h) that the receiver unlocks and frees.
#include <vector>

#include "SendFax.h"
#include "standins/engine/job_record.h"

// Null when the memory cannot be had.
SEND_FAX* NewGlobalRecords(const std::vector<const JobRecord*>& jobs);
void FreeGlobalRecords(SEND_FAX* records);
