// The module's modal dialogs and sheets end when their Cancel is clicked by a message sent
// from another thread: the sheets as a host opens them through the exports, and a dialog.
#include "RWFaxDlg.h"

#include <functional>

#include "send/send_options_dialog.h"
#include "test_support.h"

using namespace testsupport;

namespace {

// Clicks Cancel of the window that activates next in a message sent from a thread of its
// own, as accessibility and automation tools do. Everything is painted inside that message,
// so that only what the end of the dialog itself does can wake the modal loop. If the
// entry point has not returned a while later, the thread wakes the loop and notes it.
class ClickFromAnotherThread {
public:
    ClickFromAnotherThread()
        : m_returned(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          m_clicker(CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)),
          m_hook(&Start, this)
    {
        SetWindowLongPtrA(m_clicker, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ClickNow));
    }
    ~ClickFromAnotherThread()
    {
        SetEvent(m_returned);
        if (m_thread) {
            WaitForSingleObject(m_thread, INFINITE);
            CloseHandle(m_thread);
        }
        DestroyWindow(m_clicker);
        CloseHandle(m_returned);
    }
    void EntryPointReturned() { SetEvent(m_returned); }
    bool LoopHadToBeWoken() const { return m_woken; }

private:
    static constexpr UINT kClick = WM_APP + 1;
    static void Start(HWND window, void* context)
    {
        auto* self = static_cast<ClickFromAnotherThread*>(context);
        self->m_window = window;
        self->m_thread = CreateThread(nullptr, 0, &Run, self, 0, nullptr);
    }
    static DWORD WINAPI Run(void* context)
    {
        auto* self = static_cast<ClickFromAnotherThread*>(context);
        SendMessageA(self->m_clicker, kClick, reinterpret_cast<WPARAM>(self->m_window), 0);
        if (WaitForSingleObject(self->m_returned, 3000) == WAIT_TIMEOUT) {
            self->m_woken = true;
            PostMessageA(self->m_window, WM_NULL, 0, 0);
            if (WaitForSingleObject(self->m_returned, 3000) == WAIT_TIMEOUT)
                PostMessageA(self->m_window, WM_COMMAND, IDCANCEL, 0);
        }
        return 0;
    }
    // Runs on the dialog's thread, inside the message sent from the other one.
    static LRESULT CALLBACK ClickNow(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message != kClick)
            return DefWindowProcA(window, message, wParam, lParam);
        HWND dialog = reinterpret_cast<HWND>(wParam);
        const UINT paintAll = RDW_UPDATENOW | RDW_ALLCHILDREN;
        RedrawWindow(dialog, nullptr, nullptr, paintAll);
        SendDlgItemMessageA(dialog, IDCANCEL, BM_CLICK, 0, 0);
        if (IsWindow(dialog))
            RedrawWindow(dialog, nullptr, nullptr, paintAll);
        return 0;
    }
    HANDLE m_returned;
    HWND m_clicker;
    OnNextActivation m_hook;
    HWND m_window = nullptr;
    HANDLE m_thread = nullptr;
    bool m_woken = false;
};

class CrossThreadClickTest : public SettingsTest {};

}  // namespace

TEST_F(CrossThreadClickTest, ACancelClickSentFromAnotherThreadEndsEveryDialogAndSheet)
{
    HMODULE module = LoadLibraryA("RWFaxDlg.dll");
    ASSERT_NE(nullptr, module);
    auto logs = reinterpret_cast<PFN_FaxDLL_OnFaxLogs>(
        reinterpret_cast<void*>(GetProcAddress(module, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxLogs, 8))));
    auto setup = reinterpret_cast<PFN_FaxDLL_OnFaxSetup>(
        reinterpret_cast<void*>(GetProcAddress(module, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxGeneralSetup, 8))));
    FAXHOSTWND host = FrameworkWindowObject(
        CreateWindowA("STATIC", "Host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr));
    const struct {
        const char* what;
        std::function<void()> run;
    } cases[] = {
        {"Fax Send Options", [] { CDSendOptions().DoModal(); }},
        {"Fax Logs", [&] { logs(&host, 0); }},
        {"Fax Setup", [&] { setup(&host, 0); }},
    };
    for (const auto& entry : cases) {
        ClickFromAnotherThread click;
        entry.run();
        click.EntryPointReturned();
        EXPECT_FALSE(click.LoopHadToBeWoken()) << entry.what;
        EXPECT_TRUE(IsWindowEnabled(host.hWnd)) << entry.what;
    }
    DestroyWindow(host.hWnd);
    FreeLibrary(module);
}
