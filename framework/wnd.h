#pragma once
// A window object bound to a window handle. Controls with behaviour of their own are
// subclassed into objects; their parent reflects notifications to them.
#include <windows.h>
#include <string>

class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object entered in the current module's map for this handle, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // The owner a modal dialog or message box gets for a parent: the parent's first
    // non-child window; with no parent, the last active popup of the active window's
    // top-level window. When pWndTop is given, the top-level window above the owner is
    // disabled as well (unless it is the owner or already disabled) and returned there, for
    // the caller to enable again; otherwise null.
    static HWND GetSafeOwner(HWND parent, HWND* pWndTop = nullptr);

    // Binds the object to a window without taking its messages (a borrowed window, such as
    // the host's). Detach before the object goes away.
    bool Attach(HWND hWnd);
    HWND Detach();

    // Binds the object to an existing window and routes all its messages through WindowProc.
    bool SubclassWindow(HWND hWnd);
    bool SubclassDlgItem(int id, HWND parent);
    HWND UnsubclassWindow();

    // Creates a window of a registered class with the object bound to it before its first
    // message, so that WM_CREATE already reaches WindowProc. False when the window could not
    // be created; if it existed for a moment, PostNcDestroy has already run.
    bool CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                  HWND parent, UINT id);

    // Thin wrappers, one per message or call.
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::string& text) const { ::SetDlgItemTextA(m_hWnd, id, text.c_str()); }
    void EnableDlgItem(int id, bool enable) const { ::EnableWindow(GetDlgItem(id), enable ? TRUE : FALSE); }
    BOOL EnableWindow(bool enable) const { return ::EnableWindow(m_hWnd, enable ? TRUE : FALSE); }
    BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendDlgItemMessageA(m_hWnd, id, message, wParam, lParam);
    }
    BOOL DestroyWindow();

    // Called for every message of the window while a modal loop of this framework runs,
    // before the message is dispatched, for the target window and each of its parents.
    // Return true to swallow the message.
    virtual bool PreTranslateMessage(MSG* msg) { return false; }

    // Offers a notification that a parent received (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM,
    // WM_MEASUREITEM) to the object of the control it came from. True when that control
    // consumed it; *result is then the parent's answer.
    static bool ReflectNotification(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
    // Every message of a subclassed window arrives here. The default offers reflected
    // notifications of child controls and then calls Default().
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification that the parent reflected to this control. Return true when consumed.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) { return false; }
    virtual void PreSubclassWindow() {}
    // Called after the window's last message, once the object is unbound. Objects that own
    // themselves (created with new) delete themselves here.
    virtual void PostNcDestroy() {}
    // Hands the message being processed to the window's original procedure.
    LRESULT Default();
    // Hands a message straight to the window's original procedure, past WindowProc.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    void AddToMap(HWND hWnd);
    void RemoveFromMap();

private:
    WNDPROC m_pfnSuper = nullptr;
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    friend class CDialog;
};

// Walks from the message's window up to its top-level window, offering the message to
// every window object on the way. True when one of them swallowed it.
bool WalkPreTranslateTree(MSG* msg);
