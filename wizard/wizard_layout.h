// The wizard's frame without the platform: the pages in order with their
// header texts, the wizard buttons each page shows, and the geometry of the
// painted header, all in pixels with integer division.
#pragma once

#include <array>

#include "wizard/language_keys.h"

namespace wizard {

struct PageInfo {
  int dialog;          // dialog template
  LangText title;      // header title
  LangText subtitle;   // header subtitle
};
constexpr int kPageCount = 5;
extern const std::array<PageInfo, kPageCount> kPages;
constexpr int kFinishPage = kPageCount - 1;

// The wizard buttons a page enables: the first goes only forward, the last
// back or to Finish, the others both ways.
enum WizardButton : unsigned { kBack = 1, kNext = 2, kFinish = 4 };
unsigned ButtonsFor(int page);

struct Box {
  int x, y, width, height;
  bool operator==(const Box&) const = default;
};

// The painted header over a sheet, built from the height h and left offset
// x0 (in the sheet) of a text on the first page.
struct Header {
  Box title;
  Box subtitle;
  int height;  // H: the band of white at the top, at least kMinHeader
  // How far everything below the header moves down.
  int shift() const;
  Box whiteBand(int clientWidth) const;
  Box line(int clientWidth) const;
  Box picture(int clientWidth) const;
};
constexpr int kMinHeader = 57;
constexpr int kPictureSide = 53;
Header LayoutHeader(int h, int x0, int sheetWidth);
// Character height of the bold title font.
constexpr int TitleFontHeight(int h) { return h - 2; }

// Left or top of a window of `size` centred in `screen`.
constexpr int CentredOnScreen(int screen, int size) { return (screen - size + 1) / 2; }

}  // namespace wizard
