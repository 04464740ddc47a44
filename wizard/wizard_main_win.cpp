// KvWizard.exe: the first-run wizard. It runs only beside a usable engine,
// shows its five pages as one modal wizard sheet and always exits with 0.
#include <windows.h>
#include <commctrl.h>

#include <array>

#include "auxui/kv_aux.h"
#include "host/win_handle.h"
#include "wizard/frame_win.h"
#include "wizard/pages_win.h"
#include "wizard/resource_ids.h"
#include "wizard/wizard_layout.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (KvAuxGetVersion() == 0) return 0;  // no engine beside us: nothing to set up
  using namespace wizard;
  const char* title = Text(kTitle);
  InitCommonControls();
  // The pages hold RichEdit20A controls; the older library goes first and
  // last, as the newer one expects.
  kv::Library richEdit1(LoadLibraryA("riched32.dll"));
  kv::Library richEdit2(LoadLibraryA("riched20.dll"));

  const std::array<DLGPROC, kPageCount> procs = {WelcomePageProc, SoundPageProc, TunerPageProc, RecordPageProc,
                                                  FinishPageProc};
  std::array<PROPSHEETPAGEA, kPageCount> pages{};
  for (int i = 0; i < kPageCount; ++i) {
    PROPSHEETPAGEA& p = pages[i];
    p.dwSize = sizeof p;
    p.dwFlags = PSP_USETITLE;
    p.hInstance = instance;
    p.pszTemplate = MAKEINTRESOURCEA(kPages[i].dialog);
    p.pfnDlgProc = procs[i];
    p.pszTitle = title;
  }
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_WIZARD | PSH_PROPSHEETPAGE | PSH_USEICONID;
  header.hInstance = instance;
  header.pszIcon = MAKEINTRESOURCEA(IDI_WIZARD);
  header.pszCaption = title;
  header.nPages = kPageCount;
  header.nStartPage = 0;
  header.ppsp = pages.data();
  PropertySheetA(&header);

  richEdit2.reset();
  richEdit1.reset();
  return 0;
}
