#pragma once
// Columns of the module's report lists.
#include <windows.h>

// Inserts n left-aligned columns with the given titles across the list view's width.
void SetListColumns(HWND listView, const char* const* titles, int n);
// The two columns "Name" and "Company".
void SetNameCompanyColumns(HWND listView);
