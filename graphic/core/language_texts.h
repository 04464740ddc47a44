// Every text the graphic module asks the language library for, with its
// English default.
#pragma once

#include <array>

#include "host/lang_text.h"

namespace vrx {

inline constexpr kv::LangText kAnalyzerInactive{
    "QUIRA_ANALYZER", "The Sound Analyzer plug-in isn't active. You can activate the module in the settings."};
inline constexpr kv::LangText kEqualizerInactive{
    "VRX_EQUALIZER", "The Equalizer plug-in isn't active. You can activate the module in the settings."};
inline constexpr kv::LangText kNoSkin{"NO_SKIN", "A skin is not selected. Please select a skin in the settings."};

inline constexpr std::array kAllTexts = {kAnalyzerInactive, kEqualizerInactive, kNoSkin};

}  // namespace vrx
