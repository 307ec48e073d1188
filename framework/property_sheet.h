#pragma once
// Property sheets and their pages. A page is a dialog of the module's templates that answers
// only its sheet's notifications through bool hooks: OnSetActive, OnKillActive (false keeps
// the page), OnApply (false keeps the sheet open). A sheet runs modally in a loop of its own,
// or modeless (tests), and has one help context for all its pages when it sets one.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/dialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
public:
    // hasHelp: the page shows the sheet's Help button.
    explicit CPropertyPage(UINT templateId, bool hasHelp = true);

    // The page is about to be shown; false keeps the sheet on the page it is on.
    virtual BOOL OnSetActive() { return TRUE; }
    // The page is about to be left (another tab, or OK): moves the controls to the members;
    // false keeps the page active.
    virtual BOOL OnKillActive() { return UpdateData(true) ? TRUE : FALSE; }
    // The sheet was accepted: calls OnOK. false keeps the sheet open on this page.
    virtual BOOL OnApply();
    // A page's OK and Cancel end nothing: pages override OnOK to store their values.
    void OnOK() override {}
    void OnCancel() override {}

    CPropertySheet* GetSheet() const { return m_pSheet; }
    PROPSHEETPAGEA m_psp;

protected:
    void OnHelp() override;

private:
    friend class CPropertySheet;
    static INT_PTR CALLBACK PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleSheetNotify(NMHDR* header, LRESULT* result);
    CPropertySheet* m_pSheet = nullptr;
};

class CPropertySheet : public CWnd {
public:
    CPropertySheet(const std::string& caption, HWND parent, UINT startPage = 0);

    // Pages are shown in the order added; the sheet does not own them.
    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;

    // Runs the sheet modally: IDOK when it was accepted, IDCANCEL otherwise, -1 on failure.
    INT_PTR DoModal();
    // Creates the sheet modeless (for tests); it lives until the user closes it and
    // DestroyWindow is called, or until the object goes.
    bool Create(HWND parent = nullptr);
    // A modeless sheet after OK or Cancel: the system has no page up any more.
    bool IsClosed() const;

    int GetActiveIndex() const;
    CPropertyPage* GetActivePage() const;
    bool SetActivePage(int index);
    void PressButton(int button) const;

    DWORD m_dwFlags = 0;   // PSH_ flags added to the header (PSH_NOAPPLYNOW, PSH_HASHELP)
    UINT m_nIDHelp = 0;    // when set, the Help of every page opens this context

    // The sheet's Help command.
    virtual void OnHelp();

    ~CPropertySheet() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static int CALLBACK SheetCallback(HWND hWnd, UINT message, LPARAM lParam);
    HWND CreateSheet(HWND parent, bool modeless);
    void NoteAccepted() { m_bAccepted = true; }
    friend class CPropertyPage;

    std::string m_strCaption;
    HWND m_hWndParent;
    UINT m_nStartPage;
    std::vector<CPropertyPage*> m_pages;
    bool m_bAccepted = false;
    bool m_bModal = false;
};
