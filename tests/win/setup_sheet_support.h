#pragma once
// The Fax Setup sheet as the user meets it, for tests: created modeless on a host window,
// driven by control identifiers on its active page, with message boxes answered and read,
// beeps counted and help requests recorded.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/win_app.h"
#include "res/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "setup/fax_setup_sheet.h"
#include "test_support.h"

namespace testsupport {

// A time of day as the user's locale shows it.
std::string LocaleTime(WORD hour, WORD minute);

// The user's time format is read before every test.
class SetupSheetTest : public SettingsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the sheet modeless on a page; the engine handle goes to every page.
    CFaxSetupSheet& Open(UINT startPage, FAXENGINE engine = 0);
    CFaxSetupSheet& Sheet() { return *m_sheet; }
    void CloseWithOk() { m_sheet->PressButton(PSBTN_OK); }
    void CloseWithCancel() { m_sheet->PressButton(PSBTN_CANCEL); }
    bool Closed() const { return m_sheet->IsClosed(); }
    int ActiveIndex() const { return m_sheet->GetActiveIndex(); }
    bool SwitchTo(int index) { return m_sheet->SetActivePage(index) && ActiveIndex() == index; }

    // Controls of the active page.
    HWND Page() const { return reinterpret_cast<HWND>(m_sheet->SendMessage(PSM_GETCURRENTPAGEHWND)); }
    HWND Item(int id) const { return GetDlgItem(Page(), id); }
    std::string Text(int id) const { return WindowText(Item(id)); }
    void SetText(int id, const std::string& text) const { SetWindowTextA(Item(id), text.c_str()); }
    // Types characters into an edit, one WM_CHAR each, as the keyboard would.
    void Type(int id, const std::string& text) const;
    void Click(int id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    bool Checked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    std::pair<int, int> Selection(int id) const;
    // Presses the upper (or lower) arrow of an up-down control with the mouse.
    void PressArrow(int id, bool upper) const;
    // The texts of a combo box's entries.
    std::vector<std::string> ComboTexts(int id) const;
    int ComboSelection(int id) const { return static_cast<int>(SendMessageA(Item(id), CB_GETCURSEL, 0, 0)); }

    // Runs the action; every message box it shows is read and closed with its first button.
    // Returns the texts of the boxes, in order.
    std::vector<std::string> AnsweringBoxes(const std::function<void()>& action);

    int m_nBeeps = 0;
    std::vector<std::string> m_started;  // programs started: "command line show"
    std::vector<std::pair<UINT, ULONG_PTR>> m_help;
    FAXHOSTWND m_host = {};

private:
    std::unique_ptr<CFaxSetupSheet> m_sheet;
    CWinApp* m_app = nullptr;
    BOOL m_savedDisplayStatus = 0;
    BOOL m_savedNotify = 0;
    BOOL m_savedWinNT = 0;
};

}  // namespace testsupport
