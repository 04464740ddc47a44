// The sound-lines page as a plain page with its header; what it chooses
// joins it later.
#include "wizard/frame_win.h"
#include "wizard/pages_win.h"

namespace wizard {
namespace {
constexpr int kSoundPage = 1;
}  // namespace

INT_PTR CALLBACK SoundPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageTail(page, message, wParam, lParam, kSoundPage);
}

}  // namespace wizard
