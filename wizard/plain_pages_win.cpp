// The sound-lines and tuner pages as plain pages with their header; what
// they choose joins them later.
#include "wizard/frame_win.h"
#include "wizard/pages_win.h"

namespace wizard {
namespace {
constexpr int kSoundPage = 1;
constexpr int kTunerPage = 2;
}  // namespace

INT_PTR CALLBACK SoundPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageTail(page, message, wParam, lParam, kSoundPage);
}

INT_PTR CALLBACK TunerPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageTail(page, message, wParam, lParam, kTunerPage);
}

}  // namespace wizard
