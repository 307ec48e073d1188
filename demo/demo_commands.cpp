// The demo host's commands: each calls the module as a host of the suite does, or steers
// the stand-in engine, and notes the outcome in the event list.
#include <cstdio>
#include <string>

#include "demo/demo_host.h"
#include "demo/demo_resource.h"
#include "demo/engine_link.h"
#include "demo/host_window.h"
#include "demo/sample_data.h"

namespace {
// Hands the engine a job that is due now, as the Send Fax dialog would.
void SimulateSend(bool fails)
{
    static char name[] = "Ann Archer", company[] = "Archer & Sons", fax[] = "555 0200", subject[] = "Test fax";
    static std::string document;
    document = SampleSendDocument();
    SEND_FAX job = {};
    Demo().fax.initSendStruct(Demo().engine, &job);
    SYSTEMTIME now;
    GetLocalTime(&now);
    job.nYear = static_cast<int16_t>(now.wYear);
    job.nMonth = static_cast<int16_t>(now.wMonth);
    job.nDay = static_cast<int16_t>(now.wDay);
    job.nHour = static_cast<int16_t>(now.wHour);
    job.nMinute = static_cast<int16_t>(now.wMinute);
    job.nSecond = static_cast<int16_t>(now.wSecond);
    job.szDestName = name;
    job.szToCompany = company;
    job.szDestFax = fax;
    job.szSubject = subject;
    job.szFileList = &document[0];
    job.Resolution = 1;
    if (fails)
        Demo().fax.failNextTransmission();
    DWORD id = Demo().fax.schedule(Demo().engine, &job);
    Log(id ? "Engine took job " + std::to_string(id) + " for Ann Archer" + (fails ? " (the call will fail)" : "")
           : std::string("Engine refused the job"));
}

// The status window with made-up values, to look at it without a transmission.
void ShowSampleStatus()
{
    static char name[] = "Demo Recipient", company[] = "Demo Company", fax[] = "555-1212", phone[] = "555-1313",
                subject[] = "Quarterly figures (100% final)";
    static SEND_FAX job;
    job = SEND_FAX();
    job.szDestName = name;
    job.szToCompany = company;
    job.szDestFax = fax;
    job.szDestPhone = phone;
    job.szSubject = subject;
    job.dwJobID = 42;
    DemoHost& demo = Demo();
    demo.module.showFaxStatus(&demo.hostWnd, demo.engine, &job);
    demo.module.updateFaxStatus(0, FAXSTATUS_TOTAL_PAGES, 4);
    demo.module.updateFaxStatus(0, FAXSTATUS_PAGE, 2);
    demo.module.updateFaxStatus(0, FAXSTATUS_BAUD_RATE, 14400);
    demo.module.updateFaxStatus(0, FAXSTATUS_PROGRESS, 50);
    Log("FaxDLL_ShowFaxStatus for job 42, page 2 of 4 at 14400 baud");
}

void SetPace(int pageSeconds)
{
    SetTransmissionPace(pageSeconds);
    Log("Pages now take " + std::to_string(pageSeconds) + " s");
    RefreshStatusBar();
}
}  // namespace

void RunCommand(int command)
{
    DemoHost& demo = Demo();
    char line[256];
    switch (command) {
    case ID_SEND_FAX: {
        DWORD jobsBefore = demo.fax.scheduledCount();
        std::string document = SampleSendDocument();
        int result = demo.module.onSendFax(&demo.hostWnd, demo.engine, document.c_str());
        std::snprintf(line, sizeof line, "FaxDLL_OnSendFax returned %d", result);
        Log(line);
        if (result == IDOK) {
            std::snprintf(line, sizeof line, "Engine took %lu job(s); it starts each when it is due",
                          demo.fax.scheduledCount() - jobsBefore);
            Log(line);
        }
        break;
    }
    case ID_FAX_LOGS:
        demo.module.onFaxLogs(&demo.hostWnd, demo.engine);
        Log("FaxDLL_OnFaxLogs returned");
        break;
    case ID_REFRESH_LOGS:
        demo.module.onRefreshLogs(&demo.hostWnd, demo.engine);
        Log("FaxDLL_OnRefreshLogs returned: old entries are deleted as Log Setup says");
        break;
    case ID_EXIT:
        DestroyWindow(demo.window);
        break;
    case ID_GENERAL_SETUP:
        demo.module.onGeneralSetup(&demo.hostWnd, demo.engine);
        Log("FaxDLL_OnFaxGeneralSetup returned");
        break;
    case ID_MODEM_SETUP:
        demo.module.onModemSetup(&demo.hostWnd, demo.engine);
        Log("FaxDLL_OnFaxModemSetup returned");
        break;
    case ID_HEADER_SETUP:
        demo.module.onHeaderSetup(&demo.hostWnd, demo.engine);
        Log("FaxDLL_OnFaxHeaderSetup returned");
        break;
    case ID_LOG_SETUP:
        demo.module.onLogSetup(&demo.hostWnd, demo.engine);
        Log("FaxDLL_OnFaxLogSetup returned");
        break;
    case ID_PHONEBOOKS:
        demo.module.onFaxPhonebooks(0);
        Log("FaxDLL_OnFaxPhonebooks returned");
        break;
    case ID_MANAGE_BOOKS:
        std::snprintf(line, sizeof line, "FaxDLL_OnFaxModifyPhonebooks returned %d",
                      demo.module.onFaxModifyPhonebooks(&demo.hostWnd));
        Log(line);
        break;
    case ID_SIMULATE_SEND:
    case ID_SIMULATE_FAILURE:
        SimulateSend(command == ID_SIMULATE_FAILURE);
        break;
    case ID_RECEIVE_FAX: {
        std::string document = SampleSendDocument();
        DWORD id = demo.fax.addReceived(demo.engine, "Alma Ames", "556 0200", document.c_str(), 0,
                                        FAXRECEIVE_IN_PROGRESS);
        Log("Engine answers a call: fax " + std::to_string(id) + " from Alma Ames is coming in");
        break;
    }
    case ID_SHOW_STATUS:
        ShowSampleStatus();
        break;
    case ID_HIDE_STATUS:
        std::snprintf(line, sizeof line, "FaxDLL_HideFaxStatus returned %d", demo.module.hideFaxStatus(0));
        Log(line);
        break;
    case ID_PACE_FAST:
        SetPace(1);
        break;
    case ID_PACE_NORMAL:
        SetPace(3);
        break;
    case ID_PACE_SLOW:
        SetPace(10);
        break;
    case ID_FILL_LOGS:
        Log("Added " + std::to_string(FillLogsWithMany(100)) + " log entries; open Fax Logs to see them");
        break;
    case ID_CLEAR_EVENTS:
        ClearEvents();
        break;
    case ID_ABOUT:
        MessageBoxA(demo.window,
                    "A host for RWFaxDlg.dll written against its public header only.\n\n"
                    "It gives the stand-in fax engine time four times a second and passes the engine's events "
                    "on to the module. Send a fax from the Fax menu and watch it go out in the status window; "
                    "double-click a fax in the logs to view it.",
                    "About the Demo Host", MB_OK | MB_ICONINFORMATION);
        break;
    default:
        break;
    }
}
