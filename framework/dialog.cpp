#include "framework/dialog.h"

#include "framework/data_exchange.h"
#include "framework/modal_loop.h"
#include "framework/module_state.h"
#include "framework/win_app.h"

CDialog::CDialog(UINT templateId, HWND parent) : m_hWndParentInit(parent), m_nTemplateId(templateId) {}

CDialog::~CDialog()
{
    if (m_hWnd && IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
    RemoveFromMap();
}

INT_PTR CDialog::DoModal()
{
    // A modal dialog disables its owner (and the owner's top-level window) for its
    // lifetime, like the system's dialog box. Without a parent it gets the safe owner.
    HWND parent = m_hWndParentInit && IsWindow(m_hWndParentInit) ? m_hWndParentInit : nullptr;
    HWND top = nullptr;
    HWND owner = GetSafeOwner(parent, &top);
    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    m_bModal = true;
    m_bEndModal = false;
    m_nModalResult = -1;
    HWND created = CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nTemplateId), owner,
                                      &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    INT_PTR result = -1;
    if (created) {
        if (ownerWasEnabled)
            ::EnableWindow(owner, FALSE);
        result = m_bEndModal ? m_nModalResult : RunModalLoop();
        if (ownerWasEnabled)
            ::EnableWindow(owner, TRUE);
        if (m_hWnd) {
            SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
            ::DestroyWindow(m_hWnd);
        }
    }
    if (top)
        ::EnableWindow(top, TRUE);
    m_bModal = false;
    return result;
}

INT_PTR CDialog::RunModalLoop()
{
    if (!(GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE))
        ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
    RunModalMessageLoop([this] { return m_bEndModal != 0; });
    return m_nModalResult;
}

bool CDialog::Create(HWND parent)
{
    if (m_hWnd)
        return false;
    if (parent)
        m_hWndParentInit = parent;
    m_bModal = false;
    return CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nTemplateId), m_hWndParentInit,
                              &CDialog::DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(int result)
{
    if (m_bModal) {
        m_nModalResult = result;
        m_bEndModal = true;
        PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the modal loop
    } else if (m_hWnd) {
        ::ShowWindow(m_hWnd, SW_HIDE);
    }
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return !dx.HasFailed();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnHelp()
{
    if (CWinApp* app = AfxGetApp())
        app->WinHelp(m_nIDHelp, HELP_CONTEXT);
}

bool CDialog::OnCommand(int id, int code, HWND control)
{
    if (code != BN_CLICKED && control)
        return false;
    switch (id) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    case IDHELP:
    case ID_FRAMEWORK_HELP:
        OnHelp();
        return true;
    default:
        return false;
    }
}

void CDialog::PostNcDestroy() {}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    CDialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->AddToMap(hWnd);
    } else {
        dialog = dynamic_cast<CDialog*>(FromHandlePermanent(hWnd));
    }
    if (!dialog)
        return FALSE;  // messages before WM_INITDIALOG (WM_SETFONT) or after the unbinding
    INT_PTR handled = dialog->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        dialog->RemoveFromMap();
        dialog->PostNcDestroy();
    }
    return handled;
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        if (ReflectNotification(m_hWnd, message, wParam, lParam, &result))
            return TRUE;
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        bool handled = ReflectNotification(m_hWnd, message, wParam, lParam, &result) ||
                       OnNotify(static_cast<int>(wParam), header, &result);
        if (!handled)
            return FALSE;
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        if (ReflectNotification(m_hWnd, message, wParam, lParam, &result))
            return TRUE;
        break;
    case WM_HELP:
        OnHelp();
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        break;
    default:
        break;
    }
    if (!OnMessage(message, wParam, lParam, &result))
        return FALSE;
    switch (message) {
    // These answer through the procedure's result instead of DWLP_MSGRESULT.
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return static_cast<INT_PTR>(result);
    default:
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
}
