// Resource and command ids. Plain macros, because the resource compiler reads this file too.
#pragma once

#define IDR_MAINFRAME 128
#define IDI_TRAY 138
#define IDI_NOICON 142
#define IDB_FACE_NORMAL 130
#define IDB_FACE_PRESSED 131

#define IDD_ABOUTBOX 100
#define IDD_SETTING 132
#define IDD_ICONCHANGE 135
#define IDD_ORDER 136
#define IDD_WATCHSET 140
#define IDD_BUTTONSIZE 141
#define IDD_HOTKEY 143

// Main menu commands.
#define ID_ADD_BUTTON 104
#define ID_ALIGN_TOP 106
#define ID_SPREAD 108
#define ID_ALIGN_LEFT 109
#define ID_ORDER 110
#define ID_ALIGN_BOTTOM 111
#define ID_ALIGN_RIGHT 112
#define ID_CLOCK 113
#define ID_SAME_SIZE 114
#define ID_EXPORT 115
#define ID_IMPORT 116
#define ID_HOTKEY 117
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_HELP_FINDER 57670

// A button's own menu.
#define ID_BUTTON_MOVE 101
#define ID_BUTTON_DELETE 102
#define ID_BUTTON_SETTINGS 103
#define ID_BUTTON_TOPMOST 105

#define WM_TRAY_CALLBACK 32868
