// Fax Send Options as the user works it: the box starts from the Log Setup page's default,
// OK writes the choice for the next send, Cancel writes nothing.
#include <windows.h>

#include "res/resource.h"
#include "send/send_options_dialog.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "test_support.h"

using namespace testsupport;

class SendOptionsTest : public SettingsTest {};

TEST_F(SendOptionsTest, TheBoxStartsFromTheLogSetupDefaultAndOnlyOkStoresTheChoice)
{
    struct Case {
        const char* keepAfterSend;  // the Log Setup default: "-" not stored, "#n" a number, else a text
        bool click;
        int pressed;
        int checkedAtOpen;
        const char* keepPages;  // stored after the box: "-" nothing, else the number
    } const cases[] = {
        {"-", false, IDOK, BST_CHECKED, "1"},      {"-", true, IDOK, BST_CHECKED, "0"},
        {"#1", false, IDOK, BST_CHECKED, "1"},     {"#0", true, IDCANCEL, BST_UNCHECKED, "-"},
        {"#7", false, IDOK, BST_UNCHECKED, "0"},  // any number but 1: do not keep
        {"0", false, IDOK, BST_CHECKED, "1"},      // no number: as missing
    };
    for (const Case& c : cases) {
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kSettingsKey, kKeepPages);
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kSettingsKey, kKeepAfterSend);
        if (c.keepAfterSend[0] == '#')
            WriteSettingNumber(kKeepAfterSend, static_cast<DWORD>(atoi(c.keepAfterSend + 1)));
        else if (c.keepAfterSend[0] != '-')
            WriteSettingText(kKeepAfterSend, c.keepAfterSend);
        std::pair<const Case*, std::string> seen{&c, ""};  // the case, then "caption: checked" at opening
        OnNextActivation act(
            [](HWND dialog, void* context) {
                auto* seen = static_cast<std::pair<const Case*, std::string>*>(context);
                seen->second = WindowText(dialog) + ": " +
                               std::to_string(IsDlgButtonChecked(dialog, IDC_OPTIONS_KEEPPAGES));
                if (seen->first->click)
                    PostMessageA(GetDlgItem(dialog, IDC_OPTIONS_KEEPPAGES), BM_CLICK, 0, 0);
                PostMessageA(GetDlgItem(dialog, seen->first->pressed), BM_CLICK, 0, 0);
            },
            &seen);
        CDSendOptions dialog;
        EXPECT_EQ(c.pressed, dialog.DoModal()) << c.keepAfterSend;
        EXPECT_EQ("Fax Send Options: " + std::to_string(c.checkedAtOpen), seen.second) << c.keepAfterSend;
        DWORD value = 99;
        EXPECT_EQ(c.keepPages, TryReadSettingNumber(kKeepPages, &value) ? std::to_string(value) : "-") << c.keepAfterSend;
    }
}
