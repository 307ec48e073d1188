#pragma once
// The blocks in which the engine hands out log entries: records back to back, each record
// followed by the texts it points to, each nRecLength bytes long (a multiple of the pointer
// size). A zero-filled record follows the last one, so a reader that looks at the next
// record's job id before stopping stays inside the block.
#include <cstddef>
#include <vector>

#include "SendFax.h"
#include "standins/engine/job_record.h"

// Bytes of the block for these jobs, end record included.
size_t LogBlockSize(const std::vector<const JobRecord*>& jobs);
// Writes the block into memory of LogBlockSize bytes (zero-filled by the caller). Pointers
// of the records point into that memory.
void WriteLogBlock(const std::vector<const JobRecord*>& jobs, void* block);
