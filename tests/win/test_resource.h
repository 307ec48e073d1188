// Resources that only the test program carries (the 9000 range).
#pragma once

#define IDD_TEST_TWO_EDITS  9000
#define IDC_TEST_EDIT       9001
#define IDC_TEST_OTHER_EDIT 9002

