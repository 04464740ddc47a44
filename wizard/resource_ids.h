/* Resource and control numbers of KvWizard.exe, shared by its resource
   script and its code (so plain #defines). */
#pragma once

#define IDI_WIZARD 101
#define IDB_BACKGROUND 102
#define IDD_SETTINGS_FRAME 103
#define IDB_HEADER 104
#define IDD_WELCOME 106
#define IDD_SOUND 107
#define IDD_TUNER 108
#define IDD_RECORD 109
#define IDD_FINISH 111
#define IDD_TVDRIVER 173

/* Welcome page */
#define IDC_WELCOME_TEXT 1095
#define IDC_LANGUAGE_PROMPT 1020
#define IDC_LANGUAGE_LIST 1021
/* Record folder page */
#define IDC_FOLDER_TEXT 1013
#define IDC_FOLDER 1014
#define IDC_BROWSE 1015
#define IDC_FREE_SPACE 1016
#define IDC_FOLDER_NOTE 1017
/* Finish page */
#define IDC_FINISH_TEXT 1017
#define IDC_OPEN_SETTINGS 1018
#define IDC_LAUNCH 1019
/* Sound lines page: a label, a device list and a line list per role */
#define IDC_RADIO_LABEL 1000
#define IDC_RECORD_LABEL 1001
#define IDC_WAVE_LABEL 1002
#define IDC_RADIO_DEVICE 1020
#define IDC_RADIO_LINE 1021
#define IDC_WAVE_DEVICE 1022
#define IDC_WAVE_LINE 1023
#define IDC_RECORD_DEVICE 1024
#define IDC_RECORD_LINE 1025
#define IDC_SOUND_TEXT 1099
/* Tuner page: its explanation */
#define IDC_PAGE_TEXT 1030
