#include "graphic/panels/equalizer_link_win.h"

#include "auxui/kv_aux.h"
#include "graphic/core/control_table_win.h"
#include "graphic/core/language_texts.h"
#include "graphic/core/module_names.h"
#include "graphic/core/module_state_win.h"
#include "host/engine_messages.h"
#include "host/kv_api.h"
#include "host/kv_ini.h"
#include "host/kv_lang.h"

namespace vrx {
namespace {

constexpr char kGetEqualizer[] = "GetEqualizer";
constexpr char kLeftBypassKey[] = "LDisable";
constexpr char kRightBypassKey[] = "RDisable";
constexpr char kLeftBandPrefix[] = "LFreq";
constexpr char kRightBandPrefix[] = "RFreq";

using GetEqualizerFn = void*(KV_CALL*)();

}  // namespace

void EqualizerLink::Load() {
  if (loaded() || tried_) return;
  tried_ = true;
  const bool wide = KvAuxIsFilterActive(kTonal31.file) != 0;
  const bool narrow = KvAuxIsFilterActive(kTonal10.file) != 0;
  if (!wide && !narrow) {
    MessageBoxA(Controls().window(), KvLangString(kEqualizerInactive.key, kEqualizerInactive.english),
                Names().moduleName, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  kind_ = wide ? &kTonal31 : &kTonal10;
  kv::Library library(LoadLibraryA(kind_->file));
  const auto get = library.Export<GetEqualizerFn>(kGetEqualizer);
  void* words = get ? get() : nullptr;
  if (!words) return;
  library_ = std::move(library);
  record_.emplace(static_cast<volatile int32_t*>(words), kind_->bands);
  sliders_ = static_cast<uint32_t>(Module().skin.BandCount());
}

void EqualizerLink::Unload() {
  record_.reset();
  library_.reset();
  tried_ = false;
  sliders_ = 0;
}

bool EqualizerLink::IsEnabled() const { return loaded() && record_->Enabled(); }

void EqualizerLink::SetEnabled(bool on) {
  if (!loaded()) return;
  record_->SetEnabled(on);
  const uint32_t bypass = on ? 0 : 1;
  KvIniSetDword(kind_->section, kLeftBypassKey, bypass);
  KvIniSetDword(kind_->section, kRightBypassKey, bypass);
}

BandValue EqualizerLink::GetBand(uint32_t slider) const {
  BandValue value{kBandPositionMin, kBandPositionMax, kBandPositionFlat};
  if (loaded()) value.position = record_->Position(GroupOf(slider, sliders_, kind_->bands));
  return value;
}

void EqualizerLink::SetBand(uint32_t slider, const BandValue& value) {
  const BandGroup group = GroupOf(slider, sliders_, loaded() ? kind_->bands : 0);
  const std::optional<int32_t> gain = GainOfPosition(value.min, value.max, value.position);
  if (group.first == group.end || !gain) return;
  int32_t gains[kMaxEqualizerBands];
  record_->SetGroup(group, *gain, gains);
  for (uint32_t band = 0; band < kind_->bands; ++band) {
    KvIniSetDword(kind_->section, BandKey(kLeftBandPrefix, band).c_str(), static_cast<uint32_t>(gains[band]));
    KvIniSetDword(kind_->section, BandKey(kRightBandPrefix, band).c_str(), static_cast<uint32_t>(gains[band]));
  }
}

EqualizerLink& Equalizer() {
  static EqualizerLink link;
  return link;
}

UINT EqualizerSettingsMessage() {
  static const UINT message = RegisterWindowMessageA(engine::kEqualizerSettingsName);
  return message;
}

}  // namespace vrx
