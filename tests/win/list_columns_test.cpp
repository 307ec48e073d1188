// Column layout of real list views by the shared column routines.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include <gtest/gtest.h>

#include "framework/list_ctrl.h"
#include "list_test_support.h"
#include "phonebook/list_columns.h"

using namespace listtest;

namespace {

struct ColumnRead {
    std::string title;
    int width;
    int format;
};

ColumnRead ReadColumn(HWND list, int column)
{
    char title[160] = {};
    LVCOLUMNA read = {};
    read.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    read.pszText = title;
    read.cchTextMax = sizeof title;
    SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&read));
    return {title, read.cx, read.fmt & LVCFMT_JUSTIFYMASK};
}

int ColumnCount(HWND list)
{
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    return static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
}

}  // namespace

TEST(ListColumnsTest, SevenLogColumnsAcrossSevenHundredUnits)
{
    HostWindow host(900, 400);
    HWND list = CreateReportList(host, {0, 0, 700, 300});
    RECT window;
    GetWindowRect(list, &window);
    ASSERT_EQ(700, window.right - window.left);
    const char* titles[] = {"Status", "Date", "Time", "Pages", "Name", "Company", "Fax"};
    SetListColumns(list, titles, 7);
    ASSERT_EQ(7, ColumnCount(list));
    const int widths[] = {100, 100, 100, 53, 115, 115, 115};
    for (int column = 0; column < 7; ++column) {
        ColumnRead read = ReadColumn(list, column);
        EXPECT_EQ(titles[column], read.title);
        EXPECT_EQ(widths[column], read.width) << "column " << column;
        EXPECT_EQ(LVCFMT_LEFT, read.format);
    }
}

TEST(ListColumnsTest, NameAndCompanyShareTheWidth)
{
    HostWindow host;
    HWND list = CreateReportList(host, {0, 0, 300, 200});
    SetNameCompanyColumns(list);
    ASSERT_EQ(2, ColumnCount(list));
    EXPECT_EQ("Name", ReadColumn(list, 0).title);
    EXPECT_EQ("Company", ReadColumn(list, 1).title);
    EXPECT_EQ(148, ReadColumn(list, 0).width);
    EXPECT_EQ(148, ReadColumn(list, 1).width);
}
