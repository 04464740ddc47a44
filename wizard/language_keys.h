// Every text the wizard shows: its language key and English default, in one
// place, so a test can check that each language file has every key.
#pragma once

#include <span>

#include "host/lang_text.h"

namespace wizard {

using kv::LangText;

// Each text as X(constant, key, English default); the constants and
// AllTexts() are both made from this one list, so no key is left out of it.
#define WIZARD_TEXTS(X) \
  X(kTitle, "WIZ_TITLE", "Tavrin FM Player Setup Wizard") \
  X(kHdrWelcome, "WIZHDR_WELCOME", "Welcome!") \
  X(kHdr2Welcome, "WIZHDR2_WELCOME", "Please set up important parameters of Tavrin FM Player.") \
  X(kHdrSound, "WIZHDR_SOUND", "Select Sound Card Lines") \
  X(kHdr2Sound, "WIZHDR2_SOUND", "Please select the sound lines to be used by Tavrin FM Player.") \
  X(kHdrTuner, "WIZHDR_TUNER", "Select TV/Radio Card") \
  X(kHdr2Tuner, "WIZHDR2_TUNER", "Please select the type of your TV/Radio card.") \
  X(kHdrRecord, "WIZHDR_RECORD", "Select Folder for Records") \
  X(kHdr2Record, "WIZHDR2_RECORD", "Where should Tavrin FM Player record sound files?") \
  X(kHdrFinish, "WIZHDR_FINISH", "Setup Is Complete") \
  X(kHdr2Finish, "WIZHDR2_FINISH", "Tavrin FM Player is ready to work.") \
  X(kFinishText, "WIZ_FINISH", \
    "Congratulations! Tavrin FM Player is now ready to work.\n\n\nWe recommend you to look through the Tavrin FM " \
    "Player Help. The help includes detailed description of Tavrin FM Player, frequently asked questions and a " \
    "troubleshooting guide.\n\n\nThe main graphic window of Tavrin FM Player is designed to work with a predefined " \
    "list of stations, although any frequency can be selected by using the numeric keypad. We recommend you to " \
    "specify stations in the Tavrin FM Player Settings.") \
  X(kOpenSettings, "WIZ_SETTINGS", "Open Tavrin FM Player Settings") \
  X(kLaunch, "WIZ_LAUNCH", "Launch Tavrin FM Player now!") \
  X(kWelcome, "WIZ_WELCOME", \
    "\\bWelcome to Tavrin FM Player!\\b\n\n\n\nThis wizard will help you to set up the most important parameters of " \
    "Tavrin FM Player.\n\nA full set of parameters is available from the Tavrin FM Player Settings.") \
  X(kLanguagePrompt, "WIZ_LANG", "Please select your language :") \
  X(kDefaultLanguage, "DEFLANG", "Default (English)") \
  X(kFolderText, "WIZ_FOLDER", \
    "Please choose the folder where you would like Tavrin FM Player to store recorded sound files. If the folder " \
    "does not exist, Tavrin FM Player will create it for you.") \
  X(kBrowse, "SET_BROWSE", "Browse...") \
  X(kFolderNote, "WIZ_NOTE", \
    "Note. A folder name cannot exceed 255 characters in length and cannot contain the following symbols: \\ / : * " \
    "? \" < > |") \
  X(kFreeSpace, "WIZ_FREE", "Free space: %lu MB") \
  X(kRadioLabel, "WIZ_RADIO", "Radio :") \
  X(kRecordLabel, "WIZ_RECORD", "Recording :") \
  X(kWaveLabel, "WIZ_WAVE", "Wave out :") \
  X(kSoundText, "WIZ_SOUND", \
    "It is important to select proper sound lines. If you are not sure, please read \\1this topic\\1 of the Tavrin " \
    "FM Player Help.\n\nRadio and Recording:  your TV/Radio card is connected to this line. Usually it is Line-In " \
    "or Microphone.\n\nWave out:  you use this line for listening to music files. Usually it is Wave/MP3, " \
    "Wave/DirectSound, Wave-Out, Wave, etc.") \
  X(kSelectFolder, "WIZ_SELECTFOLDER", \
    "Select the folder where you would like Tavrin FM Player to store recorded sound files.") \
  X(kTunerPrompt, "TUNER_TUNER", "Please select the type of your TV/Radio card :") \
  X(kTunerText, "WIZ_TUNER", \
    "Some of the listed modules support several TV/Radio cards. If your card is missed, please read \\1this " \
    "topic\\1 of the Tavrin FM Player Help. Probably one of the listed modules is compatible with your card.\n") \
  X(kSettingsNote, "WIZ_SETTUNER", \
    "The selected FM Tuner module has additional settings.\n\n\nYou will be able to change these parameters from " \
    "the Tavrin FM Player Settings.") \
  X(kOk, "OK", "OK") \
  X(kCancel, "CANCEL", "Cancel") \
  X(kTvTuner, "TVDRV_TUNER", "Tuner :") \
  X(kTvI2CAddress, "TVDRV_I2CADDR", "Tuner I2C address :") \
  X(kTvGpio, "TVDRV_GPIO", "GPIO data (in the binary form) :") \
  X(kTvMask, "TVDRV_MASK", "Mask :") \
  X(kTvUnmute, "TVDRV_UNMUTE", "Unmute :") \
  X(kTvMute, "TVDRV_MUTE", "Mute :") \
  X(kTvCurrent, "TVDRV_CURRENT", "Current :") \
  X(kTvRefresh, "TVDRV_REFRESH", "Refresh") \
  X(kTvMux, "TVDRV_MUX", "Mux data (in the binary form) :") \
  X(kModuleHelp, "MODULEHELP", "%s Help")

#define WIZARD_TEXT_CONSTANT(name, key, english) inline constexpr LangText name{key, english};
WIZARD_TEXTS(WIZARD_TEXT_CONSTANT)
#undef WIZARD_TEXT_CONSTANT

// Every text above.
std::span<const LangText> AllTexts();

}  // namespace wizard
