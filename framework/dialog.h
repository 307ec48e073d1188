#pragma once
// A dialog from one of the module's templates, modal or modeless, with data exchange.
#include <windows.h>

#include "framework/wnd.h"

class CDataExchange;

// The framework's help command, sent by Help buttons that carry its identifier.
constexpr int ID_FRAMEWORK_HELP = 57670;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, HWND parent = nullptr);
    ~CDialog() override;

    // Runs the dialog modally in a loop of its own; returns the result given to EndDialog,
    // or -1 when the window could not be created.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless; its window lives until DestroyWindow or the object's end.
    bool Create(HWND parent = nullptr);
    // Ends a modal dialog with the result; hides a modeless one.
    void EndDialog(int result);

    // Moves data between the controls and the members. Returns false when a value was
    // refused (the user has been told and the control has the focus).
    bool UpdateData(bool saveAndValidate = true);

    UINT GetTemplateId() const { return m_nTemplateId; }
    bool IsModal() const { return m_bModal; }

    UINT m_nIDHelp = 0;  // help context opened by the Help command

protected:
    virtual BOOL OnInitDialog();   // moves the members to the controls; TRUE lets Windows set the focus
    virtual void DoDataExchange(CDataExchange* pDX) {}
    virtual void OnOK();           // moves the controls to the members and ends with IDOK when accepted
    virtual void OnCancel();       // ends with IDCANCEL
    virtual void OnHelp();         // the application's help with m_nIDHelp
    virtual void OnDestroy() {}
    // A command from a control or menu that no child object consumed. True when handled.
    virtual bool OnCommand(int id, int code, HWND control);
    // A notification that no child object consumed. True when handled; *result is the answer.
    virtual bool OnNotify(int id, NMHDR* header, LRESULT* result) { return false; }
    // Any other message. True when handled; *result is the answer.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) { return false; }

    void PostNcDestroy() override;

    // The dialog procedure's work for one message of a bound dialog: typed hooks, reflected
    // notifications, and the answer in the form a dialog procedure gives it.
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWndParentInit;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR RunModalLoop();

    UINT m_nTemplateId;
    bool m_bModal = false;
    bool m_bEndModal = false;
    int m_nModalResult = -1;
};
