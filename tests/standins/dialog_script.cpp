#include "dialog_script.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace standintest {

namespace {
thread_local DialogScript* t_script = nullptr;
// A script that stalls (a step waiting for a window that never comes) must not hang the
// test run: after this long every dialog still open is cancelled and the test fails.
constexpr UINT kRescueAfterMs = 20000;
constexpr UINT kRunStep = WM_APP + 1;
const char kRunnerClass[] = "RWFaxTestDialogScript";
}  // namespace

DialogScript::DialogScript(std::vector<DialogStep> steps) : m_steps(std::move(steps))
{
    t_script = this;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &DialogScript::RunProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kRunnerClass;
    RegisterClassA(&windowClass);
    m_runner = CreateWindowA(kRunnerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), nullptr);
    m_hook = SetWindowsHookExA(WH_CBT, &DialogScript::Hook, nullptr, GetCurrentThreadId());
    m_rescueTimer = SetTimer(nullptr, 0, kRescueAfterMs, &DialogScript::Rescue);
}

DialogScript::~DialogScript()
{
    KillTimer(nullptr, m_rescueTimer);
    if (m_hook)
        UnhookWindowsHookEx(m_hook);
    DestroyWindow(m_runner);
    t_script = nullptr;
}

LRESULT CALLBACK DialogScript::RunProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    DialogScript* self = t_script;
    if (message != kRunStep || !self || wParam >= self->m_steps.size())
        return DefWindowProcA(hWnd, message, wParam, lParam);
    HWND window = reinterpret_cast<HWND>(lParam);
    if (IsWindow(window))
        self->m_steps[wParam].act(window);
    return 0;
}

LRESULT CALLBACK DialogScript::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    DialogScript* self = t_script;
    if (code == HCBT_ACTIVATE && self && self->m_next < self->m_steps.size()) {
        HWND window = reinterpret_cast<HWND>(wParam);
        const DialogStep& step = self->m_steps[self->m_next];
        if (GetDlgItem(window, step.controlId))
            PostMessageA(self->m_runner, kRunStep, self->m_next++, reinterpret_cast<LPARAM>(window));
    }
    return CallNextHookEx(self ? self->m_hook : nullptr, code, wParam, lParam);
}

void CALLBACK DialogScript::Rescue(HWND, UINT, UINT_PTR, DWORD)
{
    ADD_FAILURE() << "the dialog script stalled";
    if (HWND active = GetActiveWindow())
        PostMessageA(active, WM_COMMAND, IDCANCEL, 0);
}

std::string ControlText(HWND dialog, int id)
{
    char text[1024] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void SetControlText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

void PostClick(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

int ListRowCount(HWND dialog, int listId)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, listId, LVM_GETITEMCOUNT, 0, 0));
}

std::string ListCell(HWND dialog, int listId, int row, int column)
{
    char text[256] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendDlgItemMessageA(dialog, listId, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

}  // namespace standintest
