#include "demo/tour.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "demo/demo_host.h"
#include "demo/demo_resource.h"
#include "demo/engine_link.h"
#include "demo/fax_viewer.h"
#include "demo/host_window.h"
#include "demo/sample_data.h"
#include "demo/window_gallery.h"

namespace {
// Controls of the module's status window.
constexpr int kStatusProgress = 1001;
constexpr int kStatusText = 1003;
constexpr int kStatusPage = 1005;
constexpr int kStatusAbort = 1006;

int g_failures = 0;

void Check(bool ok, const std::string& what)
{
    Log(std::string(ok ? "ok: " : "FAILED: ") + what);
    g_failures += ok ? 0 : 1;
}

// Lets windows paint what the last calls changed.
void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::string ControlText(HWND dialog, int id)
{
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

int LogCount(SHORT kind) { return Demo().fax.logCount(Demo().engine, kind); }

// Gives the engine ticks until the status window shows the page wanted, or the engine idles.
HWND TickUntilPage(const std::string& pageText, int limit)
{
    for (int tick = 0; tick < limit && GiveEngineTime(); ++tick) {
        HWND status = FindWindowA("#32770", "Fax Status");
        if (status && IsWindowVisible(status) && ControlText(status, kStatusPage) == pageText)
            return status;
    }
    return nullptr;
}

void TickUntilIdle()
{
    for (int tick = 0; tick < 2000 && GiveEngineTime(); ++tick) {
    }
    PumpMessages();
}

void WatchAndAbort(WindowGallery& gallery)
{
    // Three pages, two seconds of dialling and three seconds a page, in ticks.
    SetTransmissionPace(3);
    int failedBefore = LogCount(FAXLOG_FAILED);
    RunCommand(ID_SIMULATE_SEND);
    HWND status = TickUntilPage("Page 2 of 3", 200);
    Check(status != nullptr, "the status window follows the transmission to page 2 of 3");
    if (!status)
        return;
    // A few ticks into the page: its progress lies between the first page and the second.
    for (int tick = 0; tick < 5; ++tick)
        GiveEngineTime();
    int progress = static_cast<int>(SendDlgItemMessageA(status, kStatusProgress, PBM_GETPOS, 0, 0));
    Check(progress > 34 && progress < 66, "mid-page progress is " + std::to_string(progress) + "%");
    PumpMessages();
    gallery.Picture(status, "fax-status-sending");
    SendDlgItemMessageA(status, kStatusAbort, BM_CLICK, 0, 0);
    Check(!IsWindowVisible(status), "Abort hides the status window");
    TickUntilIdle();
    Check(LogCount(FAXLOG_FAILED) == failedBefore + 1, "the aborted fax is in the send log as failed");
}

void SendToTheEnd()
{
    SetTransmissionPace(1);
    int sentBefore = LogCount(FAXLOG_SENT);
    RunCommand(ID_SIMULATE_SEND);
    HWND status = TickUntilPage("Page 3 of 3", 400);
    Check(status != nullptr, "the status window counts the pages to page 3 of 3");
    TickUntilIdle();
    Check(LogCount(FAXLOG_SENT) == sentBefore + 1, "the fax that went out is in the send log as sent");
    Check(!status || !IsWindowVisible(status), "the status window is hidden a moment after the end");
}

void FailedCall(WindowGallery& gallery)
{
    SetTransmissionPace(1);
    int failedBefore = LogCount(FAXLOG_FAILED);
    RunCommand(ID_SIMULATE_FAILURE);
    std::string noAnswer = ModuleText(2507);
    HWND status = nullptr;
    for (int tick = 0; tick < 50 && GiveEngineTime() && !status; ++tick) {
        HWND window = FindWindowA("#32770", "Fax Status");
        if (window && ControlText(window, kStatusText) == noAnswer)
            status = window;
    }
    Check(status != nullptr, "a call that fails shows: " + noAnswer);
    if (status) {
        PumpMessages();
        gallery.Picture(status, "fax-status-no-answer");
    }
    TickUntilIdle();
    Check(LogCount(FAXLOG_FAILED) == failedBefore + 1, "the fax whose call failed is in the send log as failed");
}

// Leaves a reception at its first page, so that the receive log shows it coming in.
void StartReception()
{
    SetTransmissionPace(1);
    RunCommand(ID_RECEIVE_FAX);
    for (UINT tick = 0; tick <= 1000 / kTickMilliseconds; ++tick)
        GiveEngineTime();
}

void ReceivePageByPage()
{
    SetTransmissionPace(1);
    int receivedBefore = LogCount(FAXLOG_RECEIVED);
    int updatesBefore = ReceptionUpdates();
    RunCommand(ID_RECEIVE_FAX);
    TickUntilIdle();
    // Three pages: the receive log hears of the reception at 0, 1 and 2 pages, then complete.
    Check(ReceptionUpdates() - updatesBefore == 3, "the reception reports its pages as they come in");
    Check(LogCount(FAXLOG_RECEIVED) == receivedBefore + 1, "the received fax is in the receive log");
}

void ViewDocument(WindowGallery& gallery)
{
    std::string reason;
    HWND viewer = OpenFaxViewer(Demo().window, SampleSendDocument(), &reason);
    Check(viewer != nullptr, "the viewer decodes the engine's document" + (reason.empty() ? "" : ": " + reason));
    if (!viewer)
        return;
    PumpMessages();
    HWND label = FindWindowExA(viewer, nullptr, "STATIC", nullptr);
    char text[64] = {};
    GetWindowTextA(label, text, sizeof text);
    Check(std::string(text) == "Page 1 of 3", std::string("the viewer shows ") + text);
    gallery.Picture(viewer, "fax-viewer");
    SendMessageA(viewer, WM_KEYDOWN, VK_NEXT, 0);
    GetWindowTextA(label, text, sizeof text);
    Check(std::string(text) == "Page 2 of 3", std::string("Page Down turns to ") + text);
    SendMessageA(viewer, WM_KEYDOWN, 'A', 0);
    PumpMessages();
    gallery.Picture(viewer, "fax-viewer-actual-size");
    DestroyWindow(viewer);
}
}  // namespace

int RunTour(const std::string& pictureFolder)
{
    DemoHost& demo = Demo();
    Log("RWFaxDlg.dll loaded");
    DWORD modem = 33;
    Log("FaxDLL_NotifyOfModem(33) returned " + std::to_string(demo.module.notifyOfModem(&modem)));
    WindowGallery gallery(pictureFolder);

    RunCommand(ID_SHOW_STATUS);
    PumpMessages();
    gallery.Picture(FindWindowA("#32770", "Fax Status"), "fax-status");
    RunCommand(ID_HIDE_STATUS);
    RunCommand(ID_REFRESH_LOGS);

    WatchAndAbort(gallery);
    SendToTheEnd();
    FailedCall(gallery);
    ReceivePageByPage();
    ViewDocument(gallery);
    StartReception();

    // Every modal window of the module, pictured and cancelled by the gallery.
    for (int command : {ID_SEND_FAX, ID_FAX_LOGS, ID_GENERAL_SETUP, ID_MANAGE_BOOKS, ID_PHONEBOOKS, ID_ABOUT})
        RunCommand(command);
    RefreshStatusBar();
    PumpMessages();
    gallery.Picture(demo.window, "demo-host");
    Check(gallery.Written() >= 15, std::to_string(gallery.Written()) + " pictures written to " + pictureFolder);
    std::printf("Tour finished with %d failed check(s)\n", g_failures);
    return g_failures;
}
