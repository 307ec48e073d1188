#pragma once
// The list of both log pages: seven sortable columns (status, date, time, pages, name,
// company, fax), whole rows highlighted, headers that can be dragged.
#include "controls/sort_list_ctrl.h"

// Configures the list, inserts its columns and empties it.
void SetupLogList(CSortListCtrl& list);
