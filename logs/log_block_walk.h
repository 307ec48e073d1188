#pragma once
// Walking a block of log records as the engine hands it out: the delivered records back to
// back, each nRecLength bytes long, the walk ending early at a record whose job id is 0.
// When the block's size is known, no record is read that does not lie wholly inside it,
// and no record reaches the visit whose texts do not lie, terminated, inside the block.
#include <cstddef>
#include <functional>

#include "SendFax.h"

// Calls visit for each record in order, at most `count` of them, and returns how many were
// visited. blockBytes 0 means the size is unknown: the engine's lengths are trusted, and a
// record's texts must then lie inside its own nRecLength bytes. A record length too short
// to hold a record ends the walk after that record; a record whose texts point elsewhere,
// or are not terminated in time, ends it before that record.
int WalkLogBlock(void* block, size_t blockBytes, int count, const std::function<void(SEND_FAX*)>& visit);
