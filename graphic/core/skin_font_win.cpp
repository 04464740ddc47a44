#include "graphic/core/skin_font_win.h"

#include <cstring>

namespace vrx {

kv::Font MakeSkinFont(const skin::Font& f, BYTE quality, LONG angle) {
  LOGFONTA lf{};
  lf.lfHeight = -f.size;
  lf.lfEscapement = lf.lfOrientation = angle;
  lf.lfWeight = f.weight;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = quality;
  lf.lfPitchAndFamily = f.pitchAndFamily;
  static_assert(sizeof lf.lfFaceName > skin::kFaceNameChars);
  std::memcpy(lf.lfFaceName, f.face, skin::kFaceNameChars);
  return kv::Font(CreateFontIndirectA(&lf));
}

}  // namespace vrx
