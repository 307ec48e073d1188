#include "phonebook/list_columns.h"

#include <commctrl.h>

#include <string>

#include "framework/resources.h"
#include "phonebook/column_widths.h"
#include "res/resource.h"

void SetListColumns(HWND listView, const char* const* titles, int n)
{
    if (!titles || n <= 0)
        return;
    RECT window = {};
    GetWindowRect(listView, &window);
    const int width = window.right - window.left;
    for (int i = 0; i < n; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = ListColumnWidth(width, n, i);
        column.pszText = const_cast<char*>(titles[i] ? titles[i] : "");
        column.iSubItem = i;
        SendMessageA(listView, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
}

void SetNameCompanyColumns(HWND listView)
{
    const std::string name = LoadModuleString(IDS_COLUMN_NAME);
    const std::string company = LoadModuleString(IDS_COLUMN_COMPANY);
    const char* titles[] = {name.c_str(), company.c_str()};
    SetListColumns(listView, titles, 2);
}
