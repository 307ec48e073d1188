#include "framework/module_state.h"

// The image this code is linked into: the DLL for the product, the program for tests.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {
thread_local CModuleState* t_pCurrentState = nullptr;
}

CModuleState* AfxGetStaticModuleState()
{
    static CModuleState state = [] {
        CModuleState s;
        s.m_hInstance = reinterpret_cast<HINSTANCE>(&__ImageBase);
        s.m_hResource = s.m_hInstance;
        return s;
    }();
    return &state;
}

CModuleState* AfxGetModuleState()
{
    return t_pCurrentState ? t_pCurrentState : AfxGetStaticModuleState();
}

CModuleState* AfxGetCurrentModuleStateRaw() { return t_pCurrentState; }

HINSTANCE AfxGetInstanceHandle() { return AfxGetModuleState()->m_hInstance; }
HINSTANCE AfxGetResourceHandle() { return AfxGetModuleState()->m_hResource; }
CWinApp* AfxGetApp() { return AfxGetModuleState()->m_pCurrentApp; }

CModuleStateGuard::CModuleStateGuard(CModuleState* state) : m_pPrevious(t_pCurrentState)
{
    t_pCurrentState = state;
}

CModuleStateGuard::~CModuleStateGuard() { t_pCurrentState = m_pPrevious; }
