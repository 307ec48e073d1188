#pragma once
// Turns what the user put together in the Send Fax dialog into fax jobs: one send-job record
// per row of the Fax Send List that has a fax number, filled field by field and handed to the
// engine. The dialog's OnOK gathers its members into a SendJobRequest and calls SubmitSendJobs.
#include <windows.h>

#include <string>
#include <vector>

#include "phonebook/phonebook_library.h"

struct SendListRow {
    std::string name;     // column 0; the typing row's placeholder counts as no name
    std::string company;  // column 1
    std::string fax;      // column 2; a row without one makes no job
};

struct SendJobRequest {
    std::vector<SendListRow> rows;  // every row of the list, the typing row included
    BOOL bCoverPage = 0;            // Insert Cover Page
    int nCoverPage = -1;            // cover page combo index
    std::string strSubject;
    std::string strNotes;           // cover page notes
    int nSchedule = 0;              // schedule choice (SCHEDULE_*), 0 for the settings' choice
    std::string strSchedDate;
    std::string strSchedTime;
    std::string strDocument;        // the document the host gave
    DWORD hFaxEngine = 0;
    bool bHasBook = false;          // whether a phonebook is selected
    PHONEBOOK_ID selectedBook = {}; // for the recipient's voice phone
    HWND hOwner = nullptr;          // owner of the refusal message
};

// Builds and hands over the jobs, pausing five seconds after every row.
void SubmitSendJobs(const SendJobRequest& request);
