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
    bool uncheck = false;
    int pressed = IDOK;
    int checkedAtOpen = -1;
    std::string caption;
};

// Runs the dialog; once it shows, notes its state, optionally clicks the box, and presses a
// button. Returns the modal result.
INT_PTR RunOptions(OptionsRun& run)
{
    OnNextActivation act(
        [](HWND dialog, void* context) {
            auto* run = static_cast<OptionsRun*>(context);
            run->checkedAtOpen = static_cast<int>(SendDlgItemMessageA(dialog, IDC_OPTIONS_KEEPPAGES, BM_GETCHECK, 0, 0));
            run->caption = WindowText(dialog);
            if (run->uncheck)
                PostMessageA(GetDlgItem(dialog, IDC_OPTIONS_KEEPPAGES), BM_CLICK, 0, 0);
            PostMessageA(GetDlgItem(dialog, run->pressed), BM_CLICK, 0, 0);
        },
        &run);
    CDSendOptions dialog;
    return dialog.DoModal();
}

bool Stored(const char* name, DWORD* value) { return TryReadSettingNumber(name, value); }

class SendOptionsTest : public SettingsTest {};

}  // namespace

TEST_F(SendOptionsTest, WithNothingStoredTheBoxOpensCheckedAndOkStoresKeepPages)
{
    OptionsRun run;
    EXPECT_EQ(IDOK, RunOptions(run));
    EXPECT_EQ("Fax Send Options", run.caption);
    EXPECT_EQ(BST_CHECKED, run.checkedAtOpen);
    DWORD value = 99;
    ASSERT_TRUE(Stored(kKeepPages, &value));
    EXPECT_EQ(1u, value);
    EXPECT_FALSE(Stored(kKeepAfterSend, &value));
}

TEST_F(SendOptionsTest, UncheckingStoresZeroButTheNextOpeningStartsFromTheDefaultAgain)
{
    OptionsRun run;
    run.uncheck = true;
    EXPECT_EQ(IDOK, RunOptions(run));
    DWORD value = 99;
    ASSERT_TRUE(Stored(kKeepPages, &value));
    EXPECT_EQ(0u, value);

    OptionsRun again;
    RunOptions(again);
    EXPECT_EQ(BST_CHECKED, again.checkedAtOpen);

    WriteSettingNumber(kKeepAfterSend, 1);
    OptionsRun withDefaultOne;
    RunOptions(withDefaultOne);
    EXPECT_EQ(BST_CHECKED, withDefaultOne.checkedAtOpen);
}

TEST_F(SendOptionsTest, TheLogSetupDefaultOfZeroOpensUncheckedAndCancelWritesNothing)
{
    WriteSettingNumber(kKeepAfterSend, 0);
    OptionsRun run;
    run.uncheck = true;  // checks it
    run.pressed = IDCANCEL;
    EXPECT_EQ(IDCANCEL, RunOptions(run));
    EXPECT_EQ(BST_UNCHECKED, run.checkedAtOpen);
    DWORD value = 0;
    EXPECT_FALSE(Stored(kKeepPages, &value));

    // Any stored number other than 1 counts as "do not keep"; a value that is no number
    // counts as missing.
    WriteSettingNumber(kKeepAfterSend, 7);
    OptionsRun seven;
    RunOptions(seven);
    EXPECT_EQ(BST_UNCHECKED, seven.checkedAtOpen);
    WriteSettingText(kKeepAfterSend, "0");
    OptionsRun text;
    RunOptions(text);
    EXPECT_EQ(BST_CHECKED, text.checkedAtOpen);
}
