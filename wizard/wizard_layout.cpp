#include "wizard/wizard_layout.h"

#include <algorithm>

namespace wizard {

const std::array<PageInfo, kPageCount> kPages = {{
    {106, kHdrWelcome, kHdr2Welcome},
    {107, kHdrSound, kHdr2Sound},
    {108, kHdrTuner, kHdr2Tuner},
    {109, kHdrRecord, kHdr2Record},
    {111, kHdrFinish, kHdr2Finish},
}};

unsigned ButtonsFor(int page) {
  if (page <= 0) return kNext;
  if (page >= kFinishPage) return kBack | kFinish;
  return kBack | kNext;
}

namespace {
constexpr int kTextIndent = 10;
constexpr int kTabBorder = 15;  // what the hidden tab control's frame took
constexpr int kPictureMargin = 52;
constexpr int kPictureRoom = 57;  // beside the texts, for the picture
}  // namespace

Header LayoutHeader(int h, int x0, int sheetWidth) {
  const int x = x0 + kTextIndent;
  const int w = sheetWidth - 2 * x - kPictureRoom;
  const int y = h * 9 / 13 + 1;
  const int gap = (h - 4) / 3;
  Header header{};
  header.title = {x * 5 / 8, y, w, h};
  header.subtitle = {x, y + gap + h, w, 2 * h};
  header.height = std::max(3 * h + (h + 5) / 3 + gap + y, kMinHeader);
  return header;
}

int Header::shift() const { return height - kTabBorder; }
Box Header::whiteBand(int clientWidth) const { return {0, 0, clientWidth, height}; }
Box Header::line(int clientWidth) const { return {0, height, clientWidth + 3, 1}; }
Box Header::picture(int clientWidth) const {
  const int margin = (height - kPictureMargin) / 2;
  return {clientWidth - margin - kPictureSide, margin, kPictureSide, kPictureSide};
}

}  // namespace wizard
