// TestTuner.kvo, the settings companion of the test tuner module: a dialog
// with one field, whose text saving stores in TestTuner/Field. For the
// wizard's tests only.
#include <windows.h>

#include "host/kv_ini.h"
#include "wizard/tests/test_tuner_settings.h"
#include "wizard/tuner_module_win.h"

namespace {

HWND g_dialog = nullptr;

INT_PTR CALLBACK SettingsProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) {
    g_dialog = dialog;
    return TRUE;
  }
  if (message == WM_DESTROY) g_dialog = nullptr;
  return FALSE;
}

void KV_CALL SaveSettings() {
  char text[MAX_PATH] = {};
  if (g_dialog) GetDlgItemTextA(g_dialog, IDC_TEST_FIELD, text, MAX_PATH);
  KvIniSetString(kTestTunerSection, kTestTunerKey, text);
}

}  // namespace

KV_EXTERN_C void KV_CALL GetInfo(wizard::TunerSettingsInfo* info) {
  info->dialogTemplate = MAKEINTRESOURCEA(IDD_TEST_SETTINGS);
  info->dialogProc = SettingsProc;
  info->saveSettings = SaveSettings;
}
