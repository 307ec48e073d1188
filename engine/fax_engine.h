/* The fax engine VOVADO32.dll as this module calls it. The module imports the library by
 * name; every call uses the standard Windows calling convention and takes the host's
 * 32-bit engine handle first, passed on unchanged. Records are SEND_FAX records
 * (SendFax.h); records the engine hands out are global memory that the receiver releases
 * with FreeEngineMemory (engine/engine_memory.h). */
#ifndef RWFAX_FAX_ENGINE_H
#define RWFAX_FAX_ENGINE_H

#include <windows.h>

#include "SendFax.h"

#ifndef VOVADO32_API
#define VOVADO32_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The host's engine handle (also declared by RWFaxDlg.h). */
typedef DWORD FAXENGINE;

/* FaxLogInit: results from 1 to 99 open the log, 100 and above are failures. */
#define FAXLOG_INIT_FIRST_FAILURE 100
/* FaxLogNextBlock: more blocks follow this one. */
#define FAXLOG_MORE_BLOCKS        103
/* FaxLogNextBlock: the most entries the module asks for at a time. */
#define FAXLOG_BLOCK_ENTRIES      10
/* FaxLogFind, FaxAddDevice: success. */
#define FAXENGINE_OK              1

/* Fills the engine's fields of a new zero-filled record. Result unused by the module. */
VOVADO32_API DWORD WINAPI FaxInitSendStruct(FAXENGINE hFaxEngine, SEND_FAX* pJob);
/* Hands a job to the engine, which copies it (strings included). 0 = refused. */
VOVADO32_API DWORD WINAPI FaxSchedule(FAXENGINE hFaxEngine, SEND_FAX* pJob);

/* Opens a log kind (FAXLOG_*) for enumeration: 1..99 opened, 100 and above failed. */
VOVADO32_API SHORT WINAPI FaxLogInit(FAXENGINE hFaxEngine, SHORT nLogType);
/* The number of entries of a log kind; below 1 there is nothing to read. */
VOVADO32_API SHORT WINAPI FaxLogGetCount(FAXENGINE hFaxEngine, SHORT nLogType);
/* The next entries of the open log: *pnCount in is the most wanted, out the number
 * delivered in *ppBlock (records back to back, each nRecLength long). FAXLOG_MORE_BLOCKS
 * while more follow. */
VOVADO32_API SHORT WINAPI FaxLogNextBlock(FAXENGINE hFaxEngine, SEND_FAX** ppBlock, SHORT* pnCount);
/* A copy of the entry of a job: FAXENGINE_OK when found. */
VOVADO32_API DWORD WINAPI FaxLogFind(FAXENGINE hFaxEngine, SEND_FAX** ppRecord, DWORD dwJobID);
/* Deletes the entry of a job from a log kind. */
VOVADO32_API DWORD WINAPI FaxLogDelete(FAXENGINE hFaxEngine, DWORD dwJobID, SHORT nLogType);
/* Aborts the transmission of a job. */
VOVADO32_API DWORD WINAPI FaxCancel(FAXENGINE hFaxEngine, DWORD dwJobID);
/* Writes the engine's fax document at pszTarget from the TIFF file pszSource. */
VOVADO32_API DWORD WINAPI FaxCreate(FAXENGINE hFaxEngine, const char* pszSource, const char* pszTarget, DWORD dwReserved);

/* Fax devices, by communication port number. */
VOVADO32_API DWORD WINAPI FaxEnumDevices(FAXENGINE hFaxEngine);
VOVADO32_API DWORD WINAPI FaxAddDevice(FAXENGINE hFaxEngine, DWORD dwPort);
VOVADO32_API DWORD WINAPI FaxRemoveDevice(FAXENGINE hFaxEngine, DWORD dwPort);
/* Sets one configuration value of the engine ("AutoReceive" = "ON" or "OFF"). */
VOVADO32_API DWORD WINAPI FaxSetConfig(FAXENGINE hFaxEngine, const char* pszKey, const char* pszValue);

#ifdef __cplusplus
}  /* extern "C" */
#endif

#endif /* RWFAX_FAX_ENGINE_H */
