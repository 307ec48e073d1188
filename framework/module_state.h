#pragma once
// The framework state of one module: where its resources come from, its application
// object and its window map. Every entry point that touches a window or a resource makes
// the module's own state current for the length of the call and then restores the
// caller's, on every way out.
#include <windows.h>
#include <unordered_map>

class CWinApp;
class CWnd;

struct CModuleState {
    HINSTANCE m_hInstance = nullptr;   // the module's own image
    HINSTANCE m_hResource = nullptr;   // where dialog templates and strings are loaded from
    CWinApp* m_pCurrentApp = nullptr;  // the module's application object, once constructed
    std::unordered_map<HWND, CWnd*> m_windowMap;  // permanent window objects by handle
};

// This module's own state (the DLL's, or the test program's that links the same code).
CModuleState* AfxGetStaticModuleState();
// The state current on this thread; the module's own when no guard is active.
CModuleState* AfxGetModuleState();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
CWinApp* AfxGetApp();

// Makes a state current for its lifetime and puts back the previous one on every way out,
// exceptions included.
class CModuleStateGuard {
public:
    explicit CModuleStateGuard(CModuleState* state);
    ~CModuleStateGuard();
    CModuleStateGuard(const CModuleStateGuard&) = delete;
    CModuleStateGuard& operator=(const CModuleStateGuard&) = delete;

private:
    CModuleState* m_pPrevious;
};

// The state current on this thread as set by guards; null when no guard is active
// (the caller's own state, for a host that does not use this framework).
CModuleState* AfxGetCurrentModuleStateRaw();

#define AFX_MANAGE_STATE(state) CModuleStateGuard afxModuleStateGuard_(state)
