#pragma once
// Drives a modal dialog and the dialogs and message boxes it opens, step by step: each time
// a window becomes active that has the control the next step waits for, that step is due
// on it. It runs from the modal loop once the code that activated the window has finished
// (a parent dialog activates while its child closes, before it shows what the child did).
// Steps read and set controls and post their clicks, so the dialogs go on in their own
// loops. A window that activates without being the next step's window is left alone.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace standintest {

struct DialogStep {
    int controlId;                        // a control the window has; 0xFFFF for a message box text
    std::function<void(HWND window)> act;
};

class DialogScript {
public:
    explicit DialogScript(std::vector<DialogStep> steps);
    ~DialogScript();
    // Steps that ran; all of them when the script was played to its end.
    size_t Done() const { return m_next; }
    size_t Size() const { return m_steps.size(); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK RunProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void CALLBACK Rescue(HWND, UINT, UINT_PTR, DWORD);
    std::vector<DialogStep> m_steps;
    size_t m_next = 0;
    HHOOK m_hook = nullptr;
    HWND m_runner = nullptr;  // receives the posted steps
    UINT_PTR m_rescueTimer = 0;
};

// Control helpers for steps.
std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
void PostClick(HWND dialog, int id);
int ListRowCount(HWND dialog, int listId);
std::string ListCell(HWND dialog, int listId, int row, int column);

}  // namespace standintest
