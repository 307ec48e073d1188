#include "send/send_job_builder.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "dialing/dialing_rules.h"
#include "engine/fax_engine.h"
#include "framework/message_box.h"
#include "framework/resources.h"
#include "framework/trace.h"
#include "host/fax_app.h"
#include "host/fax_folders.h"
#include "res/resource.h"
#include "send/cover_pages.h"
#include "send/fax_banner.h"
#include "send/fax_resolution.h"
#include "send/fmf_conversion.h"
#include "send/schedule_time.h"
#include "send/send_pause.h"
#include "send/send_schedule.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"

namespace {
// Sender texts are read through 32-byte buffers with a size of 31.
constexpr size_t kSenderBuffer = 31;
constexpr size_t kLocalIdChars = sizeof(SEND_FAX::szLocalID);
constexpr size_t kBannerBuffer = 64;

// What every job of one send shares, read once before the rows are walked.
struct SenderBlock {
    std::string name;
    std::string company;
    std::string phone;
    std::string fax;
    std::string localId;
};

SenderBlock ReadSenderBlock()
{
    SenderBlock sender;
    sender.name = ReadSettingText(kSenderName, kSenderBuffer, std::string());
    sender.company = ReadSettingText(kSenderCompany, kSenderBuffer, std::string());
    sender.phone = ReadSettingText(kSenderPhone, kSenderBuffer, std::string());
    sender.fax = ReadSettingText(kSenderFax, kSenderBuffer, std::string());
    if (!TryReadSettingText(kSenderFaxId, kSenderBuffer, &sender.localId))
        sender.localId = sender.fax.substr(0, kLocalIdChars);
    return sender;
}

// The short form of the chosen cover page file; the long form when the system has no short
// one for it (a missing file), so that the engine can still tell what was asked for.
std::string CoverPagePath(const SendJobRequest& request)
{
    if (!request.bCoverPage)
        return std::string();
    std::string longPath = g_strCoverPageDir + "\\" + CoverPageSentFile(request.nCoverPage);
    char shortPath[MAX_PATH] = {};
    DWORD length = GetShortPathNameA(longPath.c_str(), shortPath, sizeof shortPath);
    if (length == 0 || length >= sizeof shortPath)
        return longPath;
    return shortPath;
}

// The sibling of the document for row `row`: the first three characters of its file name
// replaced by the row as three hexadecimal digits (abc123.fmf -> 001123.fmf).
std::string DocumentCopyName(const std::string& document, int row)
{
    size_t nameStart = document.find_last_of('\\');
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03x", static_cast<unsigned>(row));
    std::string copy = document;
    copy.replace(nameStart, 3, digits);
    return copy;
}

// A text of a fixed-size field of the phonebook library, which need not be terminated.
std::string FieldText(const char* field, size_t size)
{
    size_t length = 0;
    while (length < size && field[length] != '\0')
        ++length;
    return std::string(field, length);
}

// The voice phone of the first entry of the selected book whose "first last" name and fax
// number equal the recipient's, both exactly; empty when there is none.
std::string RecipientPhone(const SendJobRequest& request, const std::string& name, const std::string& fax)
{
    if (name.empty() || !request.bHasBook)
        return std::string();
    LONG cursor = -1;
    PHONEBOOK_ID entryId = {};
    GetNextPhoneBookEntryID(request.selectedBook, &cursor, &entryId);  // yields nothing to read
    while (GetNextPhoneBookEntryID(request.selectedBook, &cursor, &entryId)) {
        PHONEBOOK_ENTRY entry = {};
        entry.cbSize = PHONEBOOK_ENTRY_SIZE;
        entry.id = entryId;
        if (GetPhoneBookEntryData(&request.selectedBook, &entry) != 0)
            continue;
        std::string entryName = FieldText(entry.szFirstName, sizeof entry.szFirstName) + " " +
                                FieldText(entry.szLastName, sizeof entry.szLastName);
        if (entryName == name && FieldText(entry.szFax, sizeof entry.szFax) == fax)
            return FieldText(entry.szPhone, sizeof entry.szPhone);
    }
    return std::string();
}

unsigned long AddressOf(const void* pointer)
{
    // The trace lines print addresses with %lx, which holds 32 bits on Windows.
    return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(pointer));
}

void TracePointerField(const char* field, char* const* slot)
{
    const char* text = *slot;
    FaxTrace("  %s at %lx points to %s at %lx.\n", field, AddressOf(slot), text ? text : "(null)", AddressOf(text));
}

void TraceJob(const SEND_FAX* job)
{
    FaxTrace("SEND_FAX: located at %lx.\n", AddressOf(job));
    TracePointerField("szDestName", &job->szDestName);
    TracePointerField("szDestFax", &job->szDestFax);
    TracePointerField("szToCompany", &job->szToCompany);
    TracePointerField("szSubject", &job->szSubject);
    TracePointerField("szFromLine", &job->szFromLine);
    TracePointerField("szBanner", &job->szBanner);
    TracePointerField("szCover", &job->szCover);
    TracePointerField("szComments", &job->szComments);
    TracePointerField("szFromCompany", &job->szFromCompany);
    TracePointerField("szFromFax", &job->szFromFax);
    TracePointerField("szFromPhone", &job->szFromPhone);
    TracePointerField("szUserDefined", &job->szUserDefined);
    // The identifier fills its field without a terminator when it has 22 characters.
    char localId[kLocalIdChars + 1] = {};
    std::memcpy(localId, job->szLocalID, kLocalIdChars);
    FaxTrace("  szLocalID at %lx is %s.\n", AddressOf(job->szLocalID), localId);
    FaxTrace("  nTimeout = %d, nRetries = %d, nRetryDelay = %d.\n", job->nTimeout, job->nRetries, job->nRetryDelay);
    FaxTrace("  Date: %d / %d / %d.\n", job->nMonth, job->nDay, job->nYear);
    FaxTrace("  Time: %d : %d : %d.\n", job->nHour, job->nMinute, job->nSecond);
    FaxTrace("  Resolution = %d.\n", job->Resolution);
    TracePointerField("szFileList", &job->szFileList);
    FaxTrace("  nTotPages = %d.\n", job->nTotPages);
}

// A missing document is made from the tif file of the same name (its own failures are shown
// by the conversion); the job goes to the engine in any case.
void ConvertMissingDocument(const char* document)
{
    if (!document)
        return;
    std::FILE* file = std::fopen(document, "rb");
    if (file) {
        std::fclose(file);
        return;
    }
    std::string tif = document;
    if (tif.size() < 3)
        return;
    tif.replace(tif.size() - 3, 3, "tif");
    ConvertTifToFmf(tif.c_str());
}

// Another component of the suite sets this while it converts a document; wait for it.
void WaitForLowResConversion()
{
    while (ReadSettingNumber(kConvertingLowResFax, 0) != 0)
        SendPause(kSendPauseMs);
}

char* Text(const std::string& text) { return const_cast<char*>(text.c_str()); }

void StaggerStart(SEND_FAX* job, int rowCount, int row)
{
    long seconds = StaggerSeconds(rowCount, row);
    if (seconds == 0)
        return;
    ScheduleTime start;
    start.year = job->nYear;
    start.month = job->nMonth;
    start.day = job->nDay;
    start.hour = job->nHour;
    start.minute = job->nMinute;
    start.second = job->nSecond;
    AdvanceTimeOfDay(start, seconds);
    job->nHour = static_cast<int16_t>(start.hour);
    job->nMinute = static_cast<int16_t>(start.minute);
    job->nSecond = static_cast<int16_t>(start.second);
}
}  // namespace

void SubmitSendJobs(const SendJobRequest& request)
{
    const std::string placeholder = LoadModuleString(IDS_TYPE_HERE);
    const std::string cover = CoverPagePath(request);
    const std::string document = request.strDocument;
    const SenderBlock sender = ReadSenderBlock();
    const int16_t resolution = ReadFaxResolution(document.c_str());
    const int16_t retries = static_cast<int16_t>(ReadSettingNumber(kDialRetries, 2));
    const int16_t retryDelay = static_cast<int16_t>(ReadSettingNumber(kRetryDelay, 90) & 0xFFFF);
    char banner[kBannerBuffer] = {};
    BuildFaxBanner(banner);

    const int rowCount = static_cast<int>(request.rows.size());
    for (int row = 0; row < rowCount; ++row) {
        auto* job = static_cast<SEND_FAX*>(std::calloc(1, sizeof(SEND_FAX)));
        if (!job)
            break;
        if (request.hFaxEngine)
            FaxInitSendStruct(request.hFaxEngine, job);

        job->szCover = Text(cover);
        job->szFileList = Text(document);
        std::string documentCopy;
        if (row > 0 && !document.empty()) {
            documentCopy = DocumentCopyName(document, row);
            if (CopyFileA(document.c_str(), documentCopy.c_str(), FALSE))
                job->szFileList = Text(documentCopy);
        }

        job->szFromCompany = Text(sender.company);
        job->szFromPhone = Text(sender.phone);
        job->szFromLine = Text(sender.name);
        job->szFromFax = Text(sender.fax);
        // At most 22 characters, NUL-padded; a 22-character identifier fills the field unterminated.
        std::memset(job->szLocalID, 0, kLocalIdChars);
        std::memcpy(job->szLocalID, sender.localId.data(), std::min(sender.localId.size(), kLocalIdChars));
        job->Resolution = resolution;
        job->nRetries = retries;
        job->nRetryDelay = retryDelay;
        job->szBanner = banner;
        job->szSubject = Text(request.strSubject);
        job->szComments = Text(request.strNotes);

        FillSendSchedule(job, request.nSchedule, request.strSchedDate.c_str(), request.strSchedTime.c_str());
        if (rowCount > 1)
            StaggerStart(job, rowCount, row);

        const SendListRow& listRow = request.rows[static_cast<size_t>(row)];
        if (!listRow.fax.empty()) {
            std::string name = listRow.name == placeholder ? std::string() : listRow.name;
            job->szDestName = Text(name);
            job->szDestFax = Text(listRow.fax);
            job->szToCompany = Text(listRow.company);
            std::string phone = RecipientPhone(request, name, listRow.fax);
            job->szDestPhone = Text(phone);

            CDialingRules dialing;
            if (dialing.TranslateNumber(listRow.fax.c_str()))
                job->szDestFax = dialing.m_szResult;

            TraceJob(job);
            ConvertMissingDocument(job->szFileList);
            WaitForLowResConversion();
            if (FaxSchedule(request.hFaxEngine, job) == 0 && g_bNotifyOnCompletion == 1)
                FaxMessageBoxId(request.hOwner, IDS_FAX_TRANSMIT_ERROR, IDS_FAX_NOTIFICATION, MB_OK | MB_ICONSTOP);
        }
        std::free(job);
        SendPause(kSendPauseMs);
    }
}
