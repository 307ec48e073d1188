#pragma once
// Widths of the columns that SetListColumns lays out across a list view.

// The width of column i of n in a list view w units wide. Seven columns are the log pages'
// layout: three equal columns, a narrow page count, three slightly wider ones. Any other
// number shares the width evenly, less 2 units a column.
int ListColumnWidth(int totalWidth, int n, int i);
