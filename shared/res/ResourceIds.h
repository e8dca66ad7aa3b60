#pragma once
// Resource identifiers shared by both programs.
#define IDS_ABOUTBOX 101
#define IDD_MAIN 102
#define IDR_MAINFRAME 128
#define IDD_ABOUTBOX 294
#define IDD_ADD_FILES 295
#define IDB_ABOUT_PICTURE 295
#define IDB_ABOUT_BANNER 296
#define IDC_PRODUCT_VERSION 1230
// The system-menu command of the About box (masked with 0xFFF0).
#define IDM_ABOUTBOX 0x0010
