// Arbitrary description texts: the reader must never crash, and whatever it
// marks present must satisfy the rules the controls rely on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "graphic/core/ini_text.h"
#include "graphic/core/skin_reader.h"

namespace {

class QuietEnvironment : public skin::SkinEnvironment {
 public:
  explicit QuietEnvironment(bool analyzer) : analyzer_(analyzer) {}
  bool AnalyzerActive() override { return analyzer_; }
  void ShowDebugMessage(const std::string& text) override {
    if (text.empty()) std::abort();
  }
  void ShowAnalyzerInactive() override {}

 private:
  bool analyzer_;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckControl(const skin::SkinControlRecord& r) {
  Check(r.windowX >= 0 && r.windowY >= 0 && r.controlX >= 0 && r.controlY >= 0 && r.width > 0 && r.height > 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An odd first byte puts a valid [General] in front, so that most inputs
  // reach the control sections instead of failing at the first key.
  std::string text;
  if (size > 0 && (data[0] & 1)) text = "[General]\nWidth=300\nHeight=200\nDebug=1\n";
  text.append(reinterpret_cast<const char*>(data), size);
  QuietEnvironment env(size % 4 < 2);
  skin::SkinDescription out;
  if (!skin::ReadSkin(skin::IniText(text), env, out)) return 0;
  Check(out.general.width > 0 && out.general.height > 0);
  Check(out.general.minVisibleLeft >= 1 && out.general.hidingSpeedDY >= 1);
  Check(out.present[skin::kInfoStation]);
  for (int slot = 0; slot < skin::kButtonSlots; ++slot)
    if (out.present[slot]) CheckControl(out.buttons[slot]);
  for (int i = 0; i < skin::kStationButtons; ++i)
    if (out.present[skin::kBtnStation1 + i]) {
      CheckControl(out.stations[i].control);
      if (out.stations[i].control.flags & skin::kFlagLabel) Check(out.stations[i].font.size >= 1);
      Check(out.stations[i].font.face[skin::kFaceNameChars] == '\0');
    }
  for (int i = 0; i < skin::kSliderSlots; ++i)
    if (out.present[skin::kSldVolume + i]) Check(out.sliders[i].pathWidth != 0 && out.sliders[i].pathHeight != 0);
  const int bands = out.BandCount();
  for (int b = bands; b < skin::kBandSliders; ++b) Check(!out.present[skin::kSldBand01 + b]);
  if (out.present[skin::kSpectrum]) {
    const skin::SkinSpectrumRecord& s = out.spectrum;
    Check(s.bands >= 1 && s.bands <= skin::kSpectrumMaxBands && s.peakHeight > 0);
    Check(int64_t{s.spTop} + s.peakHeight + s.spBottom < s.height);
    Check(int64_t{s.bands} <= int64_t{s.width} - s.spLeft - s.spRight);
  }
  return 0;
}
