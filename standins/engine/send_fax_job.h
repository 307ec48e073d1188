#pragma once
// Between the send-job records callers hand to the engine and the jobs it keeps.
#include "SendFax.h"
#include "standins/engine/job_record.h"

// The text pointers of a record by their place in kJobTextFields. The record is packed, so
// its pointers are read and written byte by byte.
char* TextPointer(const SEND_FAX& record, size_t index);
void SetTextPointer(SEND_FAX& record, size_t index, char* text);

// The engine's mark in the first bytes of a record it initialised: "VF", a format number
// and the size of the record it was made for.
void WriteEngineHeader(SEND_FAX& record);
bool HasEngineHeader(const SEND_FAX& record);

// Copies what a caller filled in; each text is read up to its terminator or kMaxJobText
// characters, whichever comes first. The engine's own fields are not taken over.
JobRecord JobFromSendFax(const SEND_FAX& record);
// The numbers and the station identifier of a job into a record whose text pointers the
// caller sets.
void WriteJobNumbers(const JobRecord& job, SEND_FAX& record);
