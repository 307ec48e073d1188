/* The send-job record shared by the fax module, the fax engine and the host: a packed
 * record of 214 bytes in 32-bit builds. The engine hands back records of the same layout
 * for status events and log entries. Texts are NUL-terminated ANSI strings owned by
 * whoever filled the record; 16-bit numbers are signed unless noted.
 *
 * 64-bit builds keep the same fields in the same order, packed, with 8-byte pointers.
 * Code reads fields by name, never by offset. */
#ifndef RWFAX_SENDFAX_H
#define RWFAX_SENDFAX_H

#include <stddef.h>
#include <stdint.h>

/* Log kinds, stored by the engine in nLogType and used to open a log. */
#define FAXLOG_WAITING      1   /* waiting for the start time, also held jobs */
#define FAXLOG_SENDING      2   /* in transmission */
#define FAXLOG_SENT         4
#define FAXLOG_FAILED       8
#define FAXLOG_RECEIVED    16   /* also a reception in progress */

/* nState of a reception in progress. */
#define FAXSTATE_RECEIVING 23

#pragma pack(push, 1)
typedef struct SEND_FAX {
    uint8_t  bEngineHeader[6];  /* filled by FaxInitSendStruct */
    uint16_t nRecLength;        /* length of the record inside a log block, strings included */
    char*    szDestName;        /* recipient name */
    char*    szDestFax;         /* number to dial */
    char*    szDestPhone;       /* recipient voice phone */
    char*    szSubject;
    char*    szFromLine;        /* sender name */
    char*    szBanner;          /* header line printed on every page */
    char*    szCover;           /* short path of the cover page file, or empty */
    char*    szComments;        /* cover page notes */
    char*    szFromCompany;
    char*    szToCompany;
    char*    szFromFax;
    char*    szFromPhone;
    char*    szUserDefined;     /* null, or the "On Hold" marker of a held job */
    char     szLocalID[22];     /* station identifier, NUL-padded, not terminated at 22 characters */
    int16_t  nTimeout;          /* the engine's */
    int16_t  nRetries;
    int16_t  nRetryDelay;       /* seconds */
    int16_t  nYear;             /* scheduled local start (or time of reception) */
    int16_t  nMonth;
    int16_t  nDay;
    int16_t  nHour;
    int16_t  nMinute;
    int16_t  nSecond;
    int16_t  Resolution;        /* 1 fine, 0 standard */
    char*    szFileList;        /* path of the document to send */
    uint8_t  bEngineReserved106[54];
    uint32_t dwEngineReserved160;   /* reset to 0 when a logged job is resubmitted */
    uint16_t wEngineReserved164;    /* reset on resubmission */
    int16_t  nTotPages;
    uint16_t wEngineReserved168;    /* reset on resubmission */
    uint16_t wEngineReserved170;    /* reset on resubmission */
    int16_t  nRcvPages;             /* pages received so far, for a reception in progress */
    uint16_t wEngineReserved174;    /* reset on resubmission */
    uint16_t wEngineReserved176;    /* reset on resubmission */
    uint32_t dwJobID;               /* the engine's job identifier */
    uint16_t wEngineReserved182;    /* reset on resubmission */
    uint16_t wEngineReserved184;    /* reset on resubmission */
    uint16_t wEngineReserved186;    /* reset on resubmission */
    uint8_t  bEngineReserved188[16];
    uint16_t wEngineReserved204;    /* reset on resubmission */
    int16_t  nLogType;              /* FAXLOG_* */
    uint16_t nState;                /* FAXSTATE_RECEIVING marks a reception in progress */
    uint16_t nError;                /* nonzero when the job or reception failed */
    uint16_t wEngineReserved212;
} SEND_FAX;
#pragma pack(pop)

#ifdef __cplusplus
/* The layout the engine was built against. */
#define RWFAX_SENDFAX_POINTERS_BEFORE(n) ((n) * (sizeof(void*) - 4))
static_assert(sizeof(SEND_FAX) == 214 + RWFAX_SENDFAX_POINTERS_BEFORE(14), "SEND_FAX size");
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(SEND_FAX) == 214, "SEND_FAX is 214 bytes");
static_assert(offsetof(SEND_FAX, nRecLength) == 6, "nRecLength");
static_assert(offsetof(SEND_FAX, szDestName) == 8, "szDestName");
static_assert(offsetof(SEND_FAX, szDestFax) == 12, "szDestFax");
static_assert(offsetof(SEND_FAX, szDestPhone) == 16, "szDestPhone");
static_assert(offsetof(SEND_FAX, szSubject) == 20, "szSubject");
static_assert(offsetof(SEND_FAX, szFromLine) == 24, "szFromLine");
static_assert(offsetof(SEND_FAX, szBanner) == 28, "szBanner");
static_assert(offsetof(SEND_FAX, szCover) == 32, "szCover");
static_assert(offsetof(SEND_FAX, szComments) == 36, "szComments");
static_assert(offsetof(SEND_FAX, szFromCompany) == 40, "szFromCompany");
static_assert(offsetof(SEND_FAX, szToCompany) == 44, "szToCompany");
static_assert(offsetof(SEND_FAX, szFromFax) == 48, "szFromFax");
static_assert(offsetof(SEND_FAX, szFromPhone) == 52, "szFromPhone");
static_assert(offsetof(SEND_FAX, szUserDefined) == 56, "szUserDefined");
static_assert(offsetof(SEND_FAX, szLocalID) == 60, "szLocalID");
static_assert(offsetof(SEND_FAX, nTimeout) == 82, "nTimeout");
static_assert(offsetof(SEND_FAX, nRetries) == 84, "nRetries");
static_assert(offsetof(SEND_FAX, nRetryDelay) == 86, "nRetryDelay");
static_assert(offsetof(SEND_FAX, nYear) == 88, "nYear");
static_assert(offsetof(SEND_FAX, nMonth) == 90, "nMonth");
static_assert(offsetof(SEND_FAX, nDay) == 92, "nDay");
static_assert(offsetof(SEND_FAX, nHour) == 94, "nHour");
static_assert(offsetof(SEND_FAX, nMinute) == 96, "nMinute");
static_assert(offsetof(SEND_FAX, nSecond) == 98, "nSecond");
static_assert(offsetof(SEND_FAX, Resolution) == 100, "Resolution");
static_assert(offsetof(SEND_FAX, szFileList) == 102, "szFileList");
static_assert(offsetof(SEND_FAX, dwEngineReserved160) == 160, "engine 160");
static_assert(offsetof(SEND_FAX, wEngineReserved164) == 164, "engine 164");
static_assert(offsetof(SEND_FAX, nTotPages) == 166, "nTotPages");
static_assert(offsetof(SEND_FAX, wEngineReserved168) == 168, "engine 168");
static_assert(offsetof(SEND_FAX, wEngineReserved170) == 170, "engine 170");
static_assert(offsetof(SEND_FAX, nRcvPages) == 172, "nRcvPages");
static_assert(offsetof(SEND_FAX, wEngineReserved174) == 174, "engine 174");
static_assert(offsetof(SEND_FAX, wEngineReserved176) == 176, "engine 176");
static_assert(offsetof(SEND_FAX, dwJobID) == 178, "dwJobID");
static_assert(offsetof(SEND_FAX, wEngineReserved182) == 182, "engine 182");
static_assert(offsetof(SEND_FAX, wEngineReserved184) == 184, "engine 184");
static_assert(offsetof(SEND_FAX, wEngineReserved186) == 186, "engine 186");
static_assert(offsetof(SEND_FAX, wEngineReserved204) == 204, "engine 204");
static_assert(offsetof(SEND_FAX, nLogType) == 206, "nLogType");
static_assert(offsetof(SEND_FAX, nState) == 208, "nState");
static_assert(offsetof(SEND_FAX, nError) == 210, "nError");
static_assert(offsetof(SEND_FAX, wEngineReserved212) == 212, "engine 212");
#endif
#endif /* __cplusplus */

#endif /* RWFAX_SENDFAX_H */
