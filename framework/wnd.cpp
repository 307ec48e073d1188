#include "framework/wnd.h"

#include <vector>

#include "framework/module_state.h"

namespace {
// The message being processed, for Default(); a stack because window procedures nest.
struct CurrentMessage {
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
thread_local CurrentMessage t_current = {};

// The object that CreateEx is creating a window for, bound by the hook at the window's birth.
thread_local CWnd* t_pWndInit = nullptr;
thread_local HHOOK t_hCreationHook = nullptr;
}  // namespace

CWnd::CWnd()
{
    // The window map must outlive every window object, static ones included: a map made
    // before this constructor completes is destroyed after this object's destructor.
    AfxGetStaticModuleState();
}

CWnd::~CWnd()
{
    if (m_pfnSuper && m_hWnd)
        UnsubclassWindow();
    RemoveFromMap();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    auto& map = AfxGetStaticModuleState()->m_windowMap;
    auto found = map.find(hWnd);
    return found == map.end() ? nullptr : found->second;
}

HWND CWnd::GetSafeOwner(HWND parent, HWND* pWndTop)
{
    // A module has no main window of its own: the active window stands in for it.
    HWND owner = parent ? parent : ::GetActiveWindow();
    // A popup cannot be owned by a child window.
    while (owner && (GetWindowLongA(owner, GWL_STYLE) & WS_CHILD))
        owner = ::GetParent(owner);
    HWND top = owner;
    for (HWND above = owner; above; above = ::GetParent(above))
        top = above;
    if (!parent && owner)
        owner = ::GetLastActivePopup(owner);
    if (pWndTop) {
        *pWndTop = nullptr;
        if (top && top != owner && ::IsWindowEnabled(top)) {
            ::EnableWindow(top, FALSE);
            *pWndTop = top;
        }
    }
    return owner;
}

void CWnd::AddToMap(HWND hWnd)
{
    m_hWnd = hWnd;
    AfxGetStaticModuleState()->m_windowMap[hWnd] = this;
}

void CWnd::RemoveFromMap()
{
    if (!m_hWnd)
        return;
    auto& map = AfxGetStaticModuleState()->m_windowMap;
    auto found = map.find(m_hWnd);
    if (found != map.end() && found->second == this)
        map.erase(found);
    m_hWnd = nullptr;
}

bool CWnd::Attach(HWND hWnd)
{
    if (!hWnd || m_hWnd)
        return false;
    AddToMap(hWnd);
    return true;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    RemoveFromMap();
    return hWnd;
}

bool CWnd::SubclassWindow(HWND hWnd)
{
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd))
        return false;
    AddToMap(hWnd);
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    if (!m_pfnSuper) {
        RemoveFromMap();
        return false;
    }
    return true;
}

bool CWnd::SubclassDlgItem(int id, HWND parent)
{
    return SubclassWindow(::GetDlgItem(parent, id));
}

HWND CWnd::UnsubclassWindow()
{
    if (!m_hWnd || !m_pfnSuper)
        return nullptr;
    SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_pWndInit) {
        CWnd* object = t_pWndInit;
        t_pWndInit = nullptr;  // only the first window: windows that it creates are not ours
        object->SubclassWindow(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(t_hCreationHook, code, wParam, lParam);
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                    HWND parent, UINT id)
{
    if (m_hWnd || t_pWndInit)
        return false;
    // A window created from inside another one's WM_CREATE nests its own hook.
    HHOOK outerHook = t_hCreationHook;
    HHOOK hook = SetWindowsHookExA(WH_CBT, &CWnd::CreationHook, nullptr, GetCurrentThreadId());
    if (!hook)
        return false;
    t_hCreationHook = hook;
    t_pWndInit = this;
    HMENU childId = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    HWND created = CreateWindowExA(exStyle, className, windowName, style, rect.left, rect.top,
                                   rect.right - rect.left, rect.bottom - rect.top, parent, childId,
                                   AfxGetInstanceHandle(), nullptr);
    UnhookWindowsHookEx(hook);
    t_hCreationHook = outerHook;
    t_pWndInit = nullptr;
    return created != nullptr;
}

std::string CWnd::GetWindowText() const
{
    int length = GetWindowTextLengthA(m_hWnd);
    std::vector<char> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1);
    int copied = ::GetWindowTextA(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

std::string CWnd::GetDlgItemText(int id) const
{
    HWND item = GetDlgItem(id);
    if (!item)
        return std::string();
    int length = GetWindowTextLengthA(item);
    std::vector<char> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1);
    int copied = ::GetWindowTextA(item, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

LRESULT CWnd::Default()
{
    if (m_pfnSuper)
        return CallWindowProcA(m_pfnSuper, t_current.hWnd, t_current.message, t_current.wParam, t_current.lParam);
    return ::DefWindowProcA(t_current.hWnd, t_current.message, t_current.wParam, t_current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (ReflectNotification(m_hWnd, message, wParam, lParam, &result))
        return result;
    return Default();
}

bool CWnd::ReflectNotification(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    HWND child = nullptr;
    switch (message) {
    case WM_COMMAND:
        child = reinterpret_cast<HWND>(lParam);
        break;
    case WM_NOTIFY:
        child = lParam ? reinterpret_cast<NMHDR*>(lParam)->hwndFrom : nullptr;
        break;
    case WM_DRAWITEM: {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (draw && draw->CtlType != ODT_MENU)
            child = draw->hwndItem;
        break;
    }
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure && measure->CtlType != ODT_MENU)
            child = ::GetDlgItem(parent, static_cast<int>(measure->CtlID));
        break;
    }
    default:
        return false;
    }
    CWnd* object = FromHandlePermanent(child);
    if (!object || child == parent)
        return false;
    LRESULT answer = 0;
    if (!object->OnChildNotify(message, wParam, lParam, &answer))
        return false;
    if (result)
        *result = answer;
    return true;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    CWnd* object = FromHandlePermanent(hWnd);
    if (!object)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);

    CurrentMessage saved = t_current;
    t_current = {hWnd, message, wParam, lParam};
    LRESULT result = object->WindowProc(message, wParam, lParam);
    t_current = saved;

    if (message == WM_NCDESTROY) {
        // The window is gone: unbind before the object may delete itself.
        if (object->m_pfnSuper) {
            SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(object->m_pfnSuper));
            object->m_pfnSuper = nullptr;
        }
        object->RemoveFromMap();
        object->PostNcDestroy();
    }
    return result;
}

bool WalkPreTranslateTree(MSG* msg)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    for (HWND hWnd = msg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* object = CWnd::FromHandlePermanent(hWnd);
        if (object && object->PreTranslateMessage(msg))
            return true;
        if (!(GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return false;
}
