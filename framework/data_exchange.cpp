#include "framework/data_exchange.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "framework/message_box.h"
#include "framework/resources.h"
#include "framework/wnd.h"
#include "res/resource.h"

HWND CDataExchange::PrepareCtrl(int id) const
{
    return m_pDlgWnd ? GetDlgItem(m_pDlgWnd->m_hWnd, id) : nullptr;
}

void CDataExchange::Fail(int id, const std::string& message)
{
    if (m_bFailed)
        return;
    m_bFailed = true;
    HWND control = PrepareCtrl(id);
    FaxMessageBox(m_pDlgWnd ? m_pDlgWnd->m_hWnd : nullptr, message, nullptr, MB_OK | MB_ICONEXCLAMATION);
    if (control) {
        SetFocus(control);
        char className[16] = {};
        GetClassNameA(control, className, sizeof className);
        if (lstrcmpiA(className, "Edit") == 0)
            SendMessageA(control, EM_SETSEL, 0, -1);
    }
}

static std::string ControlText(HWND control)
{
    int length = GetWindowTextLengthA(control);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    int copied = GetWindowTextA(control, &text[0], static_cast<int>(text.size()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value, int maxChars)
{
    if (!pDX->Active(id))
        return;
    HWND control = pDX->PrepareCtrl(id);
    if (!pDX->m_bSaveAndValidate) {
        if (maxChars > 0)
            SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
        SetWindowTextA(control, value.c_str());
        return;
    }
    std::string text = ControlText(control);
    if (maxChars > 0 && text.size() > static_cast<size_t>(maxChars)) {
        pDX->Fail(id, FormatModuleString(IDS_FW_TEXT_TOO_LONG, maxChars));
        return;
    }
    value = text;
}

// Reads a whole number the way a user types it: blanks around it allowed, nothing else.
static bool ParseWhole(const std::string& text, long long& out)
{
    const char* start = text.c_str();
    while (*start == ' ' || *start == '\t')
        ++start;
    if (!*start)
        return false;
    errno = 0;
    char* end = nullptr;
    long long number = std::strtoll(start, &end, 10);
    if (end == start || errno == ERANGE)
        return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end)
        return false;
    out = number;
    return true;
}

template <typename T>
static void ExchangeNumber(CDataExchange* pDX, int id, T& value, long long minValue, long long maxValue)
{
    if (!pDX->Active(id))
        return;
    HWND control = pDX->PrepareCtrl(id);
    if (!pDX->m_bSaveAndValidate) {
        SetWindowTextA(control, std::to_string(value).c_str());
        return;
    }
    long long number = 0;
    if (!ParseWhole(ControlText(control), number) || number < minValue || number > maxValue) {
        pDX->Fail(id, LoadModuleString(IDS_FW_PARSE_INT));
        return;
    }
    value = static_cast<T>(number);
}

void DDX_Text(CDataExchange* pDX, int id, int& value) { ExchangeNumber(pDX, id, value, INT_MIN, INT_MAX); }
void DDX_Text(CDataExchange* pDX, int id, long& value) { ExchangeNumber(pDX, id, value, LONG_MIN, LONG_MAX); }
void DDX_Text(CDataExchange* pDX, int id, unsigned& value) { ExchangeNumber(pDX, id, value, 0, UINT_MAX); }

void DDV_MinMaxInt(CDataExchange* pDX, int id, long value, long minValue, long maxValue)
{
    if (!pDX->m_bSaveAndValidate || pDX->HasFailed())
        return;
    if (value < minValue || value > maxValue)
        pDX->Fail(id, FormatModuleString(IDS_FW_PARSE_INT_RANGE, minValue, maxValue));
}

void DDV_MinMaxUInt(CDataExchange* pDX, int id, unsigned value, unsigned minValue, unsigned maxValue)
{
    if (!pDX->m_bSaveAndValidate || pDX->HasFailed())
        return;
    if (value < minValue || value > maxValue)
        pDX->Fail(id, FormatModuleString(IDS_FW_PARSE_UINT_RANGE, minValue, maxValue));
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    if (!pDX->Active(id))
        return;
    HWND control = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
    else
        SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value >= 0 && value <= 2 ? value : 0), 0);
}

void DDX_Radio(CDataExchange* pDX, int id, int& value)
{
    if (!pDX->Active(id))
        return;
    HWND control = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from this button to the next button that starts a group.
    for (int index = 0; control; ++index) {
        if (pDX->m_bSaveAndValidate) {
            if (SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        } else {
            SendMessageA(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        control = GetWindow(control, GW_HWNDNEXT);
        if (!control || (GetWindowLongA(control, GWL_STYLE) & WS_GROUP))
            break;
        char className[16] = {};
        GetClassNameA(control, className, sizeof className);
        if (lstrcmpiA(className, "Button") != 0)
            break;
    }
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index)
{
    if (!pDX->Active(id))
        return;
    HWND control = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
    else
        SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.m_hWnd || !pDX->Active(id))
        return;
    control.SubclassWindow(pDX->PrepareCtrl(id));
}
