#pragma once
// Dialog data exchange: one DoDataExchange per dialog, built from these helpers, moves
// members to controls (load) or controls to members with validation (save). The first
// refused value is reported once, its control gets the focus, and every later helper of
// the same exchange does nothing.
#include <windows.h>
#include <string>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, bool saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate;

    // The control for an id; null when the dialog has none.
    HWND PrepareCtrl(int id) const;
    // Reports a refused value: shows the message, focuses the control (selecting an edit's
    // text) and marks the exchange as failed.
    void Fail(int id, const std::string& message);
    bool HasFailed() const { return m_bFailed; }
    // True when a helper should do its work: nothing has failed and the control exists.
    bool Active(int id) const { return !m_bFailed && PrepareCtrl(id) != nullptr; }

private:
    bool m_bFailed = false;
};

// Text; on load the edit's limit becomes maxChars when it is above 0, on save a longer text
// is refused.
void DDX_Text(CDataExchange* pDX, int id, std::string& value, int maxChars = 0);
// Whole numbers; a text that is not a number, or one outside min..max, is refused.
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Text(CDataExchange* pDX, int id, long& value);
void DDX_Text(CDataExchange* pDX, int id, unsigned& value);
void DDV_MinMaxInt(CDataExchange* pDX, int id, long value, long minValue, long maxValue);
void DDV_MinMaxUInt(CDataExchange* pDX, int id, unsigned value, unsigned minValue, unsigned maxValue);
// Check box: 0 clear, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int id, int& value);
// Radio group starting at the button id: the index of the checked button, -1 for none.
void DDX_Radio(CDataExchange* pDX, int id, int& value);
// Combo box selection index, -1 for none.
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
// Binds a control object to its control on the first exchange (subclassing it).
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
