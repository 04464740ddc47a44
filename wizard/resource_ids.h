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
/* Tuner card page */
#define IDC_TUNER_PROMPT 1090
#define IDC_TUNER_LIST 1022
#define IDC_TUNER_TEXT 1100
/* Settings frame: where the provider's dialog goes, and its explanation */
#define IDC_FRAME_PLACE 1005
#define IDC_FRAME_NOTE 1025
/* Built-in TV driver: labels and lists */
#define IDC_TV_TUNER_LABEL 1142
#define IDC_TV_TUNER 1143
#define IDC_TV_I2C_LABEL 1144
#define IDC_TV_I2C 1145
#define IDC_TV_CHIP 1161
#define IDC_TV_HELP 1026
/* BT8xx group: 1162 to 1171 */
#define IDC_BT_FIRST 1162
#define IDC_BT_GPIO 1162
#define IDC_BT_MASK_LABEL 1163
#define IDC_BT_MASK 1164
#define IDC_BT_UNMUTE_LABEL 1165
#define IDC_BT_UNMUTE 1166
#define IDC_BT_MUTE_LABEL 1167
#define IDC_BT_MUTE 1168
#define IDC_BT_CURRENT_LABEL 1169
#define IDC_BT_CURRENT 1170
#define IDC_BT_READ 1171
#define IDC_BT_LAST 1171
/* SAA713x group: 1172 to 1186 */
#define IDC_SAA_FIRST 1172
#define IDC_SAA_GPIO 1172
#define IDC_SAA_MASK_LABEL 1173
#define IDC_SAA_MASK 1174
#define IDC_SAA_UNMUTE_LABEL 1175
#define IDC_SAA_MUTE_INPUT_LABEL 1176
#define IDC_SAA_CURRENT_LABEL 1177
#define IDC_SAA_CURRENT 1178
#define IDC_SAA_READ 1179
#define IDC_SAA_UNMUTE 1180
#define IDC_SAA_MUX 1181
#define IDC_SAA_LINE_LABEL 1182
#define IDC_SAA_LINE 1183
#define IDC_SAA_MUTE_INPUT 1184
#define IDC_SAA_INPUT_LABEL 1185
#define IDC_SAA_INPUT 1186
#define IDC_SAA_LAST 1186
