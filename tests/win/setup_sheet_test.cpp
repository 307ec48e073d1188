// The Fax Setup sheet as a whole: its caption, its five pages in order with the engine handle,
// no Apply button, one help context from every page, and pages whose labels fit their
// controls without controls lying over each other.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "setup_sheet_support.h"

using namespace testsupport;

namespace {
struct Control {
    HWND window;
    int id;
    std::string className;
    std::string text;
    LONG style;
    RECT rect;  // in the page's client coordinates
};

std::vector<Control> PageControls(HWND page)
{
    std::vector<Control> controls;
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        Control control;
        control.window = child;
        control.id = GetDlgCtrlID(child);
        char className[64] = {};
        GetClassNameA(child, className, sizeof className);
        control.className = className;
        control.text = WindowText(child);
        control.style = GetWindowLongA(child, GWL_STYLE);
        GetWindowRect(child, &control.rect);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&control.rect), 2);
        controls.push_back(control);
    }
    return controls;
}

bool IsButtonKind(const Control& control, LONG kind) { return (control.style & BS_TYPEMASK) == kind; }
bool IsGroupBox(const Control& control)
{
    return lstrcmpiA(control.className.c_str(), "Button") == 0 && IsButtonKind(control, BS_GROUPBOX);
}

// The size of a control's text in its own font, mnemonic markers left out.
SIZE TextExtent(const Control& control)
{
    HDC dc = GetDC(control.window);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control.window, WM_GETFONT, 0, 0)));
    RECT rect = {0, 0, 0, 0};
    DrawTextA(dc, control.text.c_str(), -1, &rect, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(control.window, dc);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// The room a control leaves its text: a check box's box, a button's edges, a group box's
// frame, a static's whole width.
LONG TextRoom(const Control& control)
{
    const LONG width = control.rect.right - control.rect.left;
    if (lstrcmpiA(control.className.c_str(), "Button") != 0)
        return width;
    if (IsGroupBox(control))
        return width - 16;
    const LONG kind = control.style & BS_TYPEMASK;
    if (kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX || kind == BS_AUTORADIOBUTTON || kind == BS_RADIOBUTTON)
        return width - GetSystemMetrics(SM_CXMENUCHECK) - 4;
    return width - 8;
}
}  // namespace

class SetupSheetFrameTest : public SetupSheetTest {};

TEST_F(SetupSheetFrameTest, FivePagesInOrderWithTheEngineAndNoApply)
{
    Open(kSetupPageGeneral, 0x4711);
    EXPECT_EQ("Fax Setup", WindowText(Sheet().m_hWnd));
    HWND tabs = reinterpret_cast<HWND>(Sheet().SendMessage(PSM_GETTABCONTROL));
    std::vector<std::string> titles;
    for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
        char title[64] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = title;
        item.cchTextMax = sizeof title;
        SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        titles.emplace_back(title);
    }
    EXPECT_EQ((std::vector<std::string>{"General", "Dialing", "Fax Modem Setup", "Header", "Log Setup"}), titles);
    for (int i = 0; i < Sheet().GetPageCount(); ++i)
        EXPECT_EQ(0x4711u, static_cast<CFaxSetupPage*>(Sheet().GetPage(i))->m_hFaxEngine) << i;
    HWND apply = GetDlgItem(Sheet().m_hWnd, 0x3021);
    EXPECT_TRUE(!apply || !IsWindowVisible(apply));
    HWND help = GetDlgItem(Sheet().m_hWnd, IDHELP);
    ASSERT_NE(nullptr, help);
    EXPECT_TRUE(IsWindowVisible(help));
    EXPECT_EQ(GetWindow(Sheet().m_hWnd, GW_OWNER), m_host.hWnd);
}

TEST_F(SetupSheetFrameTest, HelpOpensTheSetupContextFromEveryPage)
{
    Open(kSetupPageGeneral);
    for (int page = 0; page < 5; ++page) {
        ASSERT_TRUE(SwitchTo(page)) << page;
        Sheet().PressButton(PSBTN_HELP);
    }
    ASSERT_EQ(5u, m_help.size());
    for (const auto& request : m_help)
        EXPECT_EQ(std::make_pair(static_cast<UINT>(HELP_CONTEXT), static_cast<ULONG_PTR>(685)), request);
    CloseWithCancel();
}

TEST_F(SetupSheetFrameTest, EveryLabelFitsAndNoControlsOverlap)
{
    Open(kSetupPageGeneral);
    for (int page = 0; page < 5; ++page) {
        ASSERT_TRUE(SwitchTo(page)) << page;
        RECT pageRect = {};
        GetClientRect(Page(), &pageRect);
        const std::vector<Control> controls = PageControls(Page());
        EXPECT_GE(controls.size(), 10u) << page;
        for (const Control& control : controls) {
            const std::string where = "page " + std::to_string(page) + ", \"" + control.text + "\" (" +
                                      std::to_string(control.id) + ")";
            EXPECT_GE(control.rect.left, 0) << where;
            EXPECT_GE(control.rect.top, 0) << where;
            EXPECT_LE(control.rect.right, pageRect.right) << where;
            EXPECT_LE(control.rect.bottom, pageRect.bottom) << where;
            const bool labelled = control.className == "Static" || control.className == "Button";
            if (labelled && !control.text.empty()) {
                const SIZE text = TextExtent(control);
                EXPECT_LE(text.cx, TextRoom(control)) << where;
                EXPECT_LE(text.cy, control.rect.bottom - control.rect.top) << where;
            }
            if (IsGroupBox(control))
                continue;
            for (const Control& other : controls) {
                RECT overlap = {};
                if (&other != &control && !IsGroupBox(other) && IntersectRect(&overlap, &control.rect, &other.rect))
                    ADD_FAILURE() << where << " lies over \"" << other.text << "\" (" << other.id << ")";
            }
        }
    }
    CloseWithCancel();
}
