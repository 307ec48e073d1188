// Fax Send Options as the user works it: the box starts from the Log Setup page's default,
// OK writes the choice for the next send, Cancel writes nothing.
#include <windows.h>

#include "res/resource.h"
#include "send/send_options_dialog.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "test_support.h"

using namespace testsupport;

namespace {
struct OptionsRun {
    bool click;
    int pressed;
    int checkedAtOpen = -1;
    std::string caption;
};

class SendOptionsTest : public SettingsTest {};
}  // namespace

TEST_F(SendOptionsTest, TheBoxStartsFromTheLogSetupDefaultAndOnlyOkStoresTheChoice)
{
    struct Case {
        int keepPagesBefore;      // -1: not stored
        int keepAfterSend;        // the Log Setup default; -1: not stored
        const char* keepAfterSendText;  // or stored as a text
        bool click;
        int pressed;
        int checkedAtOpen;
        int keepPagesAfter;       // -1: not stored
    } const cases[] = {
        {-1, -1, nullptr, false, IDOK, BST_CHECKED, 1},
        {-1, -1, nullptr, true, IDOK, BST_CHECKED, 0},
        {0, -1, nullptr, false, IDCANCEL, BST_CHECKED, 0},  // the last choice is not where it starts from
        {-1, 1, nullptr, false, IDOK, BST_CHECKED, 1},
        {-1, 0, nullptr, true, IDCANCEL, BST_UNCHECKED, -1},
        {-1, 7, nullptr, false, IDOK, BST_UNCHECKED, 0},  // any number but 1: do not keep
        {-1, -1, "0", false, IDOK, BST_CHECKED, 1},       // no number: as missing
    };
    for (const Case& c : cases) {
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kSettingsKey, kKeepPages);
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kSettingsKey, kKeepAfterSend);
        if (c.keepPagesBefore >= 0)
            WriteSettingNumber(kKeepPages, static_cast<DWORD>(c.keepPagesBefore));
        if (c.keepAfterSend >= 0)
            WriteSettingNumber(kKeepAfterSend, static_cast<DWORD>(c.keepAfterSend));
        if (c.keepAfterSendText)
            WriteSettingText(kKeepAfterSend, c.keepAfterSendText);
        OptionsRun run{c.click, c.pressed};
        OnNextActivation act(
            [](HWND dialog, void* context) {
                auto* run = static_cast<OptionsRun*>(context);
                run->checkedAtOpen = static_cast<int>(IsDlgButtonChecked(dialog, IDC_OPTIONS_KEEPPAGES));
                run->caption = WindowText(dialog);
                if (run->click)
                    PostMessageA(GetDlgItem(dialog, IDC_OPTIONS_KEEPPAGES), BM_CLICK, 0, 0);
                PostMessageA(GetDlgItem(dialog, run->pressed), BM_CLICK, 0, 0);
            },
            &run);
        CDSendOptions dialog;
        const size_t row = static_cast<size_t>(&c - cases);
        EXPECT_EQ(c.pressed, dialog.DoModal()) << row;
        EXPECT_EQ("Fax Send Options", run.caption);
        EXPECT_EQ(c.checkedAtOpen, run.checkedAtOpen) << row;
        DWORD value = 99;
        EXPECT_EQ(c.keepPagesAfter >= 0, TryReadSettingNumber(kKeepPages, &value)) << row;
        if (c.keepPagesAfter >= 0) {
            EXPECT_EQ(static_cast<DWORD>(c.keepPagesAfter), value) << row;
        }
    }
}
