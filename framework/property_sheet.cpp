#include "framework/property_sheet.h"

#include "framework/modal_loop.h"
#include "framework/module_state.h"
#include "framework/win_app.h"

namespace {
// The sheet being created on this thread: the system's callback has no room for it.
thread_local CPropertySheet* t_creatingSheet = nullptr;
}  // namespace

CPropertyPage::CPropertyPage(UINT templateId, bool hasHelp) : CDialog(templateId)
{
    m_psp = {};
    m_psp.dwSize = sizeof m_psp;
    m_psp.dwFlags = PSP_DEFAULT | (hasHelp ? PSP_HASHELP : 0);
    m_psp.pszTemplate = MAKEINTRESOURCEA(templateId);
    m_psp.pfnDlgProc = &CPropertyPage::PageProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnHelp()
{
    if (m_pSheet && m_pSheet->m_nIDHelp) {
        m_pSheet->OnHelp();
        return;
    }
    CDialog::OnHelp();
}

bool CPropertyPage::HandleSheetNotify(NMHDR* header, LRESULT* result)
{
    switch (header->code) {
    case PSN_SETACTIVE:
        *result = OnSetActive() ? 0 : -1;
        return true;
    case PSN_KILLACTIVE:
        *result = OnKillActive() ? FALSE : TRUE;  // TRUE keeps the page
        return true;
    case PSN_APPLY:
        if (OnApply()) {
            if (m_pSheet)
                m_pSheet->NoteAccepted();
            *result = PSNRET_NOERROR;
        } else {
            *result = PSNRET_INVALID_NOCHANGEPAGE;
        }
        return true;
    case PSN_RESET:
        OnCancel();
        *result = 0;
        return true;
    case PSN_HELP:
        OnHelp();
        *result = 0;
        return true;
    default:
        return false;
    }
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    CPropertyPage* page = nullptr;
    if (message == WM_INITDIALOG) {
        auto* sheetPage = reinterpret_cast<PROPSHEETPAGEA*>(lParam);
        page = reinterpret_cast<CPropertyPage*>(sheetPage->lParam);
        page->AddToMap(hWnd);
    } else {
        page = dynamic_cast<CPropertyPage*>(FromHandlePermanent(hWnd));
    }
    if (!page)
        return FALSE;
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        LRESULT result = 0;
        if (header && header->hwndFrom == ::GetParent(hWnd) && page->HandleSheetNotify(header, &result)) {
            SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
            return TRUE;
        }
    }
    INT_PTR handled = page->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        page->RemoveFromMap();
        page->PostNcDestroy();
    }
    return handled;
}

CPropertySheet::CPropertySheet(const std::string& caption, HWND parent, UINT startPage)
    : m_strCaption(caption), m_hWndParent(parent), m_nStartPage(startPage)
{
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd && IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    page->m_pSheet = this;
    m_pages.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CALLBACK CPropertySheet::SheetCallback(HWND hWnd, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED && t_creatingSheet && !t_creatingSheet->m_hWnd)
        t_creatingSheet->SubclassWindow(hWnd);
    return 0;
}

HWND CPropertySheet::CreateSheet(HWND parent, bool modeless)
{
    std::vector<PROPSHEETPAGEA> pages;
    for (CPropertyPage* page : m_pages) {
        PROPSHEETPAGEA sheetPage = page->m_psp;
        sheetPage.hInstance = AfxGetResourceHandle();
        pages.push_back(sheetPage);
    }
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK | m_dwFlags | (modeless ? PSH_MODELESS : 0);
    header.hwndParent = parent;
    header.hInstance = AfxGetResourceHandle();
    header.pszCaption = m_strCaption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = m_nStartPage < pages.size() ? m_nStartPage : 0;
    header.ppsp = pages.data();
    header.pfnCallback = &CPropertySheet::SheetCallback;

    m_bAccepted = false;
    CPropertySheet* outer = t_creatingSheet;
    t_creatingSheet = this;
    INT_PTR created = PropertySheetA(&header);
    t_creatingSheet = outer;
    if (created == 0 || created == -1)
        return nullptr;
    return m_hWnd ? m_hWnd : reinterpret_cast<HWND>(created);
}

bool CPropertySheet::Create(HWND parent)
{
    if (m_hWnd)
        return false;
    return CreateSheet(parent ? parent : m_hWndParent, true) != nullptr;
}

bool CPropertySheet::IsClosed() const
{
    return !m_hWnd || !IsWindow(m_hWnd) || SendMessage(PSM_GETCURRENTPAGEHWND) == 0;
}

INT_PTR CPropertySheet::DoModal()
{
    // Modeless underneath, run by a loop of our own like a modal dialog, so that the
    // module's controls see their keys first. Owner and disabling as for a modal dialog.
    HWND parent = m_hWndParent && IsWindow(m_hWndParent) ? m_hWndParent : nullptr;
    HWND top = nullptr;
    HWND owner = GetSafeOwner(parent, &top);
    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    m_bModal = true;
    HWND sheet = CreateSheet(owner, true);
    if (!sheet) {
        m_bModal = false;
        if (top)
            ::EnableWindow(top, TRUE);
        return -1;
    }
    if (ownerWasEnabled)
        ::EnableWindow(owner, FALSE);
    RunModalMessageLoop([this] { return IsClosed(); }, sheet);
    m_bModal = false;
    if (ownerWasEnabled)
        ::EnableWindow(owner, TRUE);
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
    if (top)
        ::EnableWindow(top, TRUE);
    return m_bAccepted ? IDOK : IDCANCEL;
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    switch (message) {
    case WM_COMMAND:
    case WM_SYSCOMMAND:
    case WM_CLOSE:
    case PSM_PRESSBUTTON:
        // The sheet may have closed in a message sent from another thread, which does not
        // make the loop's GetMessage return: wake it, as ending a dialog does.
        if (m_bModal && IsClosed())
            PostMessageA(m_hWnd, WM_NULL, 0, 0);
        break;
    default:
        break;
    }
    return result;
}

int CPropertySheet::GetActiveIndex() const
{
    if (!m_hWnd)
        return -1;
    HWND page = reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND));
    for (size_t i = 0; i < m_pages.size(); ++i)
        if (m_pages[i]->m_hWnd && m_pages[i]->m_hWnd == page)
            return static_cast<int>(i);
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(GetActiveIndex()); }

bool CPropertySheet::SetActivePage(int index)
{
    return m_hWnd && index >= 0 && index < GetPageCount() && SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(index)) != 0;
}

void CPropertySheet::PressButton(int button) const
{
    if (m_hWnd)
        SendMessage(PSM_PRESSBUTTON, static_cast<WPARAM>(button));
}

void CPropertySheet::OnHelp()
{
    if (CWinApp* app = AfxGetApp())
        app->WinHelp(m_nIDHelp, HELP_CONTEXT);
}
