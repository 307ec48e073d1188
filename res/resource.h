// Identifiers of the module's resources: dialog templates, controls and strings.
// The values are fixed by the module's interface with its hosts and help file.
#pragma once

// ---- Dialog templates ----------------------------------------------------------------
#define IDD_SENDFAX              130
#define IDD_SCHEDULE             132
#define IDD_SENDOPTIONS          133
#define IDD_SENDLOG              139
#define IDD_MODEMSETUP           140
#define IDD_GENERALSETUP         142
#define IDD_HEADERSETUP          143
#define IDD_LOGSETUP             144
#define IDD_RECVLOG              148
#define IDD_FAXSTATUS            151
#define IDD_MANAGEBOOKS          154
#define IDD_NEWBOOK              156
#define IDD_DIALINGSETUP         158

// ---- Controls shared by several dialogs ----------------------------------------------
#define IDC_HELPBUTTON           50001

// ---- Send Fax (130) --------------------------------------------------------------------
#define IDC_SENDFAX_OPTIONS      50000
#define IDC_SENDFAX_PREVIEW      50002
#define IDC_SENDFAX_COVERPAGE    50003
#define IDC_SENDFAX_COVERLIST    50004
#define IDC_SENDFAX_NOTES        50006
#define IDC_SENDFAX_SENDLIST     50008
#define IDC_SENDFAX_PHONEBOOK    50009
#define IDC_SENDFAX_BOOKS        50010
#define IDC_SENDFAX_ADD          50011
#define IDC_SENDFAX_ADDALL       50012
#define IDC_SENDFAX_ADDTOBOOK    50013
#define IDC_SENDFAX_REMOVE       50014
#define IDC_SENDFAX_SCHEDULE     50015
#define IDC_SENDFAX_SUBJECT      50016

// ---- Schedule (132) --------------------------------------------------------------------
#define IDC_SCHED_SUBJECT        50016
#define IDC_SCHED_FAX            50018
#define IDC_SCHED_NAME           50019
#define IDC_SCHED_SENDNOW        50020
#define IDC_SCHED_OFFPEAK        50021
#define IDC_SCHED_SENDLATER      50022
#define IDC_SCHED_HOLD           50023
#define IDC_SCHED_TIME           50024
#define IDC_SCHED_TIMESPIN       50025
#define IDC_SCHED_DATE           50026
#define IDC_SCHED_DATESPIN       50028

// The schedule choices are the identifiers of the Schedule dialog's radio buttons.
#define SCHEDULE_SEND_NOW        IDC_SCHED_SENDNOW
#define SCHEDULE_OFF_PEAK        IDC_SCHED_OFFPEAK
#define SCHEDULE_SEND_LATER      IDC_SCHED_SENDLATER
#define SCHEDULE_HOLD            IDC_SCHED_HOLD

// ---- Send Options (133) ----------------------------------------------------------------
#define IDC_OPTIONS_KEEPPAGES    50029

// ---- Send log (139) and receive log (148) ----------------------------------------------
#define IDC_LOG_LIST             50030
#define IDC_SENDLOG_RESEND       50066
#define IDC_SENDLOG_RESCHEDULE   50064
#define IDC_SENDLOG_HOLD         50023
#define IDC_SENDLOG_RELEASE      50063
#define IDC_SENDLOG_DELETE       50114
#define IDC_SENDLOG_PRINT        1068
#define IDC_RECVLOG_FORWARD      50062
#define IDC_RECVLOG_DELETE       50113
#define IDC_RECVLOG_PRINT        1070

// ---- Fax Modem Setup (140) -------------------------------------------------------------
#define IDC_MODEM_INSTALL        1031
#define IDC_MODEM_FORWARD        1041
#define IDC_MODEM_FORWARDLIST    1042
#define IDC_MODEM_VOLUME         1061
#define IDC_MODEM_ONUNTIL        1064
#define IDC_MODEM_LIST           50068
#define IDC_MODEM_AUTORECEIVE    50071

// ---- General (142) ---------------------------------------------------------------------
#define IDC_GEN_TOSPIN           1012
#define IDC_GEN_ENABLEOFFPEAK    1018
#define IDC_GEN_DISPLAYSTATUS    1034
#define IDC_GEN_NOTIFY           1036
#define IDC_GEN_COMPANY          50033
#define IDC_GEN_PHONE            50041
#define IDC_GEN_FAX              50042
#define IDC_GEN_NAME             50047
#define IDC_GEN_FROM             50082
#define IDC_GEN_FAXID            50083
#define IDC_GEN_FROMSPIN         50084
#define IDC_GEN_TO               50085
#define IDC_GEN_AFTEROFFPEAK     50094

// ---- Header (143) ----------------------------------------------------------------------
#define IDC_HEADER_RESTORE       50096
#define IDC_HEADER_LEFT          50097
#define IDC_HEADER_CENTER        50098
#define IDC_HEADER_RIGHT         50099
#define IDC_HEADER_LEGEND        50100

// ---- Log Setup (144) -------------------------------------------------------------------
#define IDC_LOGSET_DELETESENT    1021
#define IDC_LOGSET_DELETERECV    1023
#define IDC_LOGSET_SENTDAYS      1025
#define IDC_LOGSET_KEEP          1038
#define IDC_LOGSET_RECVDAYS      50102
#define IDC_LOGSET_CONFIRM       50104

// ---- Fax Status (151) ------------------------------------------------------------------
#define IDC_STATUS_PROGRESS      1001
#define IDC_STATUS_STATUS        1003
#define IDC_STATUS_BAUD          1004
#define IDC_STATUS_PAGE          1005
#define IDC_STATUS_ABORT         1006
#define IDC_STATUS_STATIONID     1069
#define IDC_STATUS_SUBJECT       50016
#define IDC_STATUS_FAX           50018
#define IDC_STATUS_COMPANY       50033
#define IDC_STATUS_PHONE         50041
#define IDC_STATUS_NAME          50049

// ---- Manage Phonebooks (154) and New Phonebook (156) -----------------------------------
#define IDC_BOOKS_COPY           1008
#define IDC_BOOKS_LIST           50057
#define IDC_BOOKS_NEW            50059
#define IDC_BOOKS_RENAME         50061
#define IDC_BOOKS_DELETE         50116
#define IDC_NEWBOOK_PROMPT       1011
#define IDC_NEWBOOK_NAME         50050

// ---- Dialing (158) ---------------------------------------------------------------------
#define IDC_DIAL_RETRYSPIN       1016
#define IDC_DIAL_RETRIES         1044
#define IDC_DIAL_TONE            1050
#define IDC_DIAL_DELAY           1052
#define IDC_DIAL_DELAYSPIN       1053
#define IDC_DIAL_PROPERTIES      1055
#define IDC_DIAL_PULSE           1057
#define IDC_DIAL_DETECTDIALTONE  1058
#define IDC_DIAL_DETECTBUSY      1060

// ---- In-place cell editor --------------------------------------------------------------
#define IDC_INPLACE_EDIT         52000

// ---- Help contexts ---------------------------------------------------------------------
#define HELP_CONTEXT_MANAGEBOOKS 675
#define HELP_CONTEXT_SENDFAX     677
#define HELP_CONTEXT_SENDLOG     680
#define HELP_CONTEXT_RECVLOG     681
#define HELP_CONTEXT_SETUP       685

// ---- Strings ---------------------------------------------------------------------------
#define IDS_FAX_LOGS             2447
#define IDS_FAX_SETUP            2448
#define IDS_CONFIRM_DELETE_BOOK  2449
#define IDS_COPY_BOOK_PROMPT     2451
#define IDS_RENAME_BOOK_PROMPT   2452
#define IDS_DELETE_BOOK_CAPTION  2453
#define IDS_CONFIRM_DELETE_LOGS  2454
#define IDS_DELETE_LOG_CAPTION   2455
#define IDS_RELEASE_PROMPT       2456
#define IDS_RELEASE_CAPTION      2457
#define IDS_HOLD_PROMPT          2458
#define IDS_HOLD_CAPTION         2459
#define IDS_TYPE_HERE            2460
#define IDS_COVER_GENERAL        2461
#define IDS_COVER_ASAP           2462
#define IDS_COVER_URGENT         2463
#define IDS_COVER_CHECKOUT       2464
#define IDS_COVER_FROMTOP        2465
#define IDS_COLUMN_NAME          2468
#define IDS_COLUMN_COMPANY       2471
#define IDS_COLUMN_FAX           2479
#define IDS_NEW_BOOK_CAPTION     2483
#define IDS_COPY_BOOK_CAPTION    2484
#define IDS_RENAME_BOOK_CAPTION  2485
#define IDS_NEW_BOOK_PROMPT      2486
#define IDS_COLUMN_STATUS        2490
#define IDS_COLUMN_DATE          2491
#define IDS_COLUMN_TIME          2492
#define IDS_COLUMN_PAGES         2493
#define IDS_STATUS_COMPLETE      2494
#define IDS_STATUS_ERROR         2495
#define IDS_STATUS_ONHOLD        2496
#define IDS_STATUS_PENDING       2497
#define IDS_STATUS_SENDING       2498
#define IDS_ERROR_WRITING_FILE   2500
#define IDS_CONFIRM_DELETE_LOG   2504
#define IDS_MODEM_NOT_RESPONDING 2507
#define IDS_STATUS_RECEIVING     2508
#define IDS_RECEIVE_ERROR_VIEW   2510
#define IDS_CANNOT_OPEN_FAX      2512
#define IDS_CANNOT_READ_FAX      2513
#define IDS_CANNOT_WRITE_FAX     2514
#define IDS_BOOK_EXISTS          2515
#define IDS_MACRO_TOTAL_PAGES    2517
#define IDS_MACRO_CURRENT_PAGE   2518
#define IDS_MACRO_SENDER_PHONE   2519
#define IDS_MACRO_SENDER_FAX     2520
#define IDS_MACRO_SENDER_COMPANY 2521
#define IDS_MACRO_SENDER_NAME    2522
#define IDS_MACRO_RECIP_PHONE    2523
#define IDS_MACRO_RECIP_FAX      2524
#define IDS_MACRO_RECIP_COMPANY  2525
#define IDS_MACRO_RECIP_NAME     2526
#define IDS_MACRO_TIME           2527
#define IDS_MACRO_DATE           2528
#define IDS_LOG_NOT_FOUND        2529
#define IDS_DIR_MYFAX            2600
#define IDS_DIR_COVERPAGE        2601
#define IDS_DIR_INBOX            2602
#define IDS_DIR_LOGS             2603
#define IDS_DIR_OUTBOX           2604
#define IDS_DIR_SENT             2605
#define IDS_NOT_A_FAX_MODEM      2607
#define IDS_HEADER_LEFT_DEFAULT  2700
#define IDS_HEADER_RIGHT_DEFAULT 2701
#define IDS_HEADER_CENTER_DEFAULT 2702
#define IDS_COVERFILE_GENERAL    2711
#define IDS_COVERFILE_ASAP       2712
#define IDS_COVERFILE_URGENT     2713
#define IDS_COVERFILE_CHECKOUT   2714
#define IDS_COVERFILE_FROMTOP    2715
#define IDS_SPEED_DIAL           3000
#define IDS_RAPID_DIAL           3001
#define IDS_INVALID_OFFPEAK_START 3002
#define IDS_INVALID_OFFPEAK_END  3003
#define IDS_INVALID_DATE         3005
#define IDS_INVALID_TIME         3006
#define IDS_PAGE_OF              30130
#define IDS_MODEM_INITIALIZING   30258
#define IDS_FAX_NOTIFICATION     30288
#define IDS_FAX_TRANSMIT_ERROR   30289
#define IDS_FAX_TRANSMIT_OK      30290
#define IDS_BOOKNAME_ALNUM       57638

// Texts of the module that carry no number of their own in the suite.
#define IDS_NO_FAXES_TO_SCHEDULE 2800
#define IDS_ERROR_WRITING_INDEX  2801

// The framework's standard data-exchange messages.
#define IDS_FW_PARSE_INT         61712
#define IDS_FW_PARSE_INT_RANGE   61713
#define IDS_FW_PARSE_UINT_RANGE  61714
#define IDS_FW_TEXT_TOO_LONG     61715
