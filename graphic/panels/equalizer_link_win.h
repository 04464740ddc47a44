// The module's one link to the equalizer plug-in that the engine runs: the
// plug-in is loaded into this process as well, and band gains and bypass
// words are written straight into its shared record (heard with the next
// block), stored in the plug-in's settings section and announced by the
// caller with "EqualizerSettings". Band sliders and the equalizer button
// share it: the first Load of a window build does the work, the first
// Unload when the controls go frees the library for all of them.
#pragma once

#include <cstdint>
#include <optional>

#include "graphic/panels/equalizer_bands.h"
#include "host/win_handle.h"

namespace vrx {

// A slider value: its range and place, in pixels or on 0 ... 800.
struct BandValue {
  int32_t min;
  int32_t max;
  int32_t position;
};

class EqualizerLink {
 public:
  // Loads Tonal31.dll when it is an active filter, else Tonal10.dll when
  // that one is, else tells the user (once per window build).
  void Load();
  void Unload();

  bool IsEnabled() const;
  void SetEnabled(bool on);
  // Slider s (1-based) on 0 ... 800; the middle when nothing is loaded or
  // the skin has no such slider.
  BandValue GetBand(uint32_t slider) const;
  // Sets slider s's bands to the gain of its thumb, in both channels, and
  // stores every band of both channels.
  void SetBand(uint32_t slider, const BandValue& value);

  bool loaded() const { return record_.has_value(); }
  const EqualizerKind& kind() const { return *kind_; }

 private:
  bool tried_ = false;
  const EqualizerKind* kind_ = &kTonal10;
  kv::Library library_;
  std::optional<EqualizerRecord> record_;
  uint32_t sliders_ = 0;  // band sections in the skin
};

// The module's one link.
EqualizerLink& Equalizer();

// The registered "EqualizerSettings" message.
UINT EqualizerSettingsMessage();

}  // namespace vrx
