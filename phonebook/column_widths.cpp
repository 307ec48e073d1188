#include "phonebook/column_widths.h"

int ListColumnWidth(int totalWidth, int n, int i)
{
    if (n <= 0)
        return 0;
    if (n == 7) {
        int seventh = totalWidth / 7;
        if (i <= 2)
            return seventh;
        if (i == 3)
            return seventh / 2 + 3;
        return seventh + seventh / 6 - 1;
    }
    return totalWidth / n - 2;
}
