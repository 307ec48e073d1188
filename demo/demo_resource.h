#pragma once
// Menu commands and resources of the demo host.
#define IDR_DEMO_MENU       100
#define IDR_DEMO_KEYS       101

#define ID_SEND_FAX         1001
#define ID_FAX_LOGS         1002
#define ID_REFRESH_LOGS     1003
#define ID_EXIT             1004
#define ID_GENERAL_SETUP    1010
#define ID_MODEM_SETUP      1011
#define ID_HEADER_SETUP     1012
#define ID_LOG_SETUP        1013
#define ID_PHONEBOOKS       1014
#define ID_MANAGE_BOOKS     1015
#define ID_SIMULATE_SEND    1020
#define ID_SIMULATE_FAILURE 1021
#define ID_RECEIVE_FAX      1022
#define ID_SHOW_STATUS      1023
#define ID_HIDE_STATUS      1024
#define ID_FILL_LOGS        1025
#define ID_CLEAR_EVENTS     1026
#define ID_PACE_FAST        1030
#define ID_PACE_NORMAL      1031
#define ID_PACE_SLOW        1032
#define ID_ABOUT            1040
