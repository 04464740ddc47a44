// Every text the wizard shows: its language key and English default, in one
// place, so a test can check that each language file has every key.
#pragma once

#include <span>

#include "host/lang_text.h"

namespace wizard {

using kv::LangText;

inline constexpr LangText kTitle{"WIZ_TITLE", "Tavrin FM Player Setup Wizard"};
inline constexpr LangText kHdrWelcome{"WIZHDR_WELCOME", "Welcome!"};
inline constexpr LangText kHdr2Welcome{"WIZHDR2_WELCOME", "Please set up important parameters of Tavrin FM Player."};
inline constexpr LangText kHdrSound{"WIZHDR_SOUND", "Select Sound Card Lines"};
inline constexpr LangText kHdr2Sound{"WIZHDR2_SOUND", "Please select the sound lines to be used by Tavrin FM Player."};
inline constexpr LangText kHdrTuner{"WIZHDR_TUNER", "Select TV/Radio Card"};
inline constexpr LangText kHdr2Tuner{"WIZHDR2_TUNER", "Please select the type of your TV/Radio card."};
inline constexpr LangText kHdrRecord{"WIZHDR_RECORD", "Select Folder for Records"};
inline constexpr LangText kHdr2Record{"WIZHDR2_RECORD", "Where should Tavrin FM Player record sound files?"};
inline constexpr LangText kHdrFinish{"WIZHDR_FINISH", "Setup Is Complete"};
inline constexpr LangText kHdr2Finish{"WIZHDR2_FINISH", "Tavrin FM Player is ready to work."};

inline constexpr LangText kFinishText{
    "WIZ_FINISH",
    "Congratulations! Tavrin FM Player is now ready to work.\n\n\nWe recommend you to look through the Tavrin FM "
    "Player Help. The help includes detailed description of Tavrin FM Player, frequently asked questions and a "
    "troubleshooting guide.\n\n\nThe main graphic window of Tavrin FM Player is designed to work with a predefined "
    "list of stations, although any frequency can be selected by using the numeric keypad. We recommend you to "
    "specify stations in the Tavrin FM Player Settings."};
inline constexpr LangText kOpenSettings{"WIZ_SETTINGS", "Open Tavrin FM Player Settings"};
inline constexpr LangText kLaunch{"WIZ_LAUNCH", "Launch Tavrin FM Player now!"};

inline constexpr LangText kWelcome{
    "WIZ_WELCOME",
    "\\bWelcome to Tavrin FM Player!\\b\n\n\n\nThis wizard will help you to set up the most important parameters of "
    "Tavrin FM Player.\n\nA full set of parameters is available from the Tavrin FM Player Settings."};
inline constexpr LangText kLanguagePrompt{"WIZ_LANG", "Please select your language :"};
inline constexpr LangText kDefaultLanguage{"DEFLANG", "Default (English)"};
inline constexpr LangText kFolderText{
    "WIZ_FOLDER",
    "Please choose the folder where you would like Tavrin FM Player to store recorded sound files. If the folder "
    "does not exist, Tavrin FM Player will create it for you."};
inline constexpr LangText kBrowse{"SET_BROWSE", "Browse..."};
inline constexpr LangText kFolderNote{
    "WIZ_NOTE",
    "Note. A folder name cannot exceed 255 characters in length and cannot contain the following symbols: \\ / : * "
    "? \" < > |"};
inline constexpr LangText kFreeSpace{"WIZ_FREE", "Free space: %lu MB"};
inline constexpr LangText kSelectFolder{
    "WIZ_SELECTFOLDER", "Select the folder where you would like Tavrin FM Player to store recorded sound files."};

// Every text above.
std::span<const LangText> AllTexts();

}  // namespace wizard
