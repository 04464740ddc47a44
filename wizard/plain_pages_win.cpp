// The tuner page as a plain page with its header; what it chooses joins it
// later.
#include "wizard/frame_win.h"
#include "wizard/pages_win.h"

namespace wizard {
namespace {
constexpr int kTunerPage = 2;
}  // namespace

INT_PTR CALLBACK TunerPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageTail(page, message, wParam, lParam, kTunerPage);
}

}  // namespace wizard
