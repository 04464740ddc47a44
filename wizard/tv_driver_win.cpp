#include "wizard/tv_driver_win.h"

#include <richedit.h>

#include <string>

#include "auxui/kv_aux.h"
#include "host/fill_text.h"
#include "host/kv_ini.h"
#include "host/settings.h"
#include "wizard/card_registers_win.h"
#include "wizard/frame_win.h"
#include "wizard/resource_ids.h"
#include "wizard/tuner_rules.h"

namespace wizard {
namespace {

constexpr char kChipKey[] = "Chip";
// Registers of the cards that the read buttons show.
constexpr uint32_t kBtGpioData = 0x200;
constexpr uint32_t kSaaGpioStatus = 0x1B4;
constexpr uint32_t kSaaAudioInput = 0x16E;
constexpr uint8_t kInputBits = 0x7;
constexpr char kHelpTopic[] = "tvdrv.html";
// Room for a field holding more than its digits: only the first 32 count.
constexpr int kFieldChars = 256;

constexpr const char* kTunerTypes[] = {"Generic", "Philips FM1216ME_MK3"};
constexpr const char* kI2CAddresses[kI2CAddressCount] = {"0xC0", "0xC2", "0xC4", "0xC6"};
constexpr const char* kChips[] = {"Brooktree (Conexant Fusion) BT8xx", "Philips SAA713x"};

struct Label {
  int control;
  const LangText& text;
};
constexpr Label kLabels[] = {
    {IDC_TV_TUNER_LABEL, kTvTuner},         {IDC_TV_I2C_LABEL, kTvI2CAddress},
    {IDC_BT_GPIO, kTvGpio},                 {IDC_BT_MASK_LABEL, kTvMask},
    {IDC_BT_UNMUTE_LABEL, kTvUnmute},       {IDC_BT_MUTE_LABEL, kTvMute},
    {IDC_BT_CURRENT_LABEL, kTvCurrent},     {IDC_BT_READ, kTvRefresh},
    {IDC_SAA_GPIO, kTvGpio},                {IDC_SAA_MASK_LABEL, kTvMask},
    {IDC_SAA_UNMUTE_LABEL, kTvUnmute},      {IDC_SAA_CURRENT_LABEL, kTvCurrent},
    {IDC_SAA_MUX, kTvMux},                  {IDC_SAA_LINE_LABEL, kTvUnmute},
    {IDC_SAA_MUTE_INPUT_LABEL, kTvMute},    {IDC_SAA_INPUT_LABEL, kTvCurrent},
    {IDC_SAA_READ, kTvRefresh},
};

// The fields the user edits, and the value each shows.
struct Field {
  int control;
  uint32_t TvDriverValues::*value;
  int digits;
};
constexpr Field kFields[] = {
    {IDC_BT_MASK, &TvDriverValues::btMask, kWideDigits},
    {IDC_BT_UNMUTE, &TvDriverValues::btUnmute, kWideDigits},
    {IDC_BT_MUTE, &TvDriverValues::btMute, kWideDigits},
    {IDC_SAA_MASK, &TvDriverValues::saaMask, kWideDigits},
    {IDC_SAA_UNMUTE, &TvDriverValues::saaCode, kWideDigits},
    {IDC_SAA_LINE, &TvDriverValues::saaLine, kNarrowDigits},
    {IDC_SAA_MUTE_INPUT, &TvDriverValues::saaMute, kNarrowDigits},
};

// The driver's state for the run.
struct TvDriver {
  bool opened = false;  // the values have been read from the store
  TvDriverValues values;
  HWND dialog = nullptr;
  TextMark helpLink{0, 0, kMarkLink};
  CardRegisters registers;  // mapped from the first read until the dialog goes
};
TvDriver g_driver;

uint32_t FieldValue(HWND dialog, int control, int digits) {
  char text[kFieldChars] = {};
  GetDlgItemTextA(dialog, control, text, kFieldChars);
  return BinaryValue(text, digits);
}

void ShowValue(HWND dialog, int control, uint32_t value, int digits) {
  SetDlgItemTextA(dialog, control, BinaryText(value, digits).c_str());
}

void Fill(HWND list, std::initializer_list<const char*> items) {
  for (const char* item : items) SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
}

void SetTexts(HWND dialog) {
  for (const Label& label : kLabels) SetDlgItemTextA(dialog, label.control, Text(label.text));
  const std::string help = kv::WithName(std::string("\\1") + Text(kModuleHelp) + "\\1\n", kBuiltInDriverName);
  KvAuxRESetText(dialog, IDC_TV_HELP, help.c_str(), &g_driver.helpLink, 1);
}

// Stores the chosen chip at once and shows its group alone.
void ApplyChip(HWND dialog) {
  const auto chip = SendDlgItemMessageA(dialog, IDC_TV_CHIP, CB_GETCURSEL, 0, 0) == static_cast<LRESULT>(TvChip::kSaa713x)
                        ? TvChip::kSaa713x
                        : TvChip::kBt8xx;
  KvIniSetDword(kTvDriverSection, kChipKey, static_cast<uint32_t>(chip));
  const auto show = [&](int first, int last, bool shown) {
    for (int id = first; id <= last; ++id) ShowWindow(GetDlgItem(dialog, id), shown ? SW_SHOW : SW_HIDE);
  };
  show(IDC_BT_FIRST, IDC_BT_LAST, chip == TvChip::kBt8xx);
  show(IDC_SAA_FIRST, IDC_SAA_LAST, chip == TvChip::kSaa713x);
}

void SetUp(HWND dialog) {
  g_driver.dialog = dialog;
  KvAuxRE(dialog, IDC_TV_HELP);
  SetTexts(dialog);
  Fill(GetDlgItem(dialog, IDC_TV_TUNER), {kTunerTypes[0], kTunerTypes[1]});
  Fill(GetDlgItem(dialog, IDC_TV_I2C), {kI2CAddresses[0], kI2CAddresses[1], kI2CAddresses[2], kI2CAddresses[3]});
  Fill(GetDlgItem(dialog, IDC_TV_CHIP), {kChips[0], kChips[1]});
  if (!g_driver.opened) {
    g_driver.values = ReadTvDriverValues(kv::StoreSettings{});
    g_driver.opened = true;
  }
  const TvDriverValues& v = g_driver.values;
  SendDlgItemMessageA(dialog, IDC_TV_TUNER, CB_SETCURSEL, v.tuner, 0);
  SendDlgItemMessageA(dialog, IDC_TV_I2C, CB_SETCURSEL, I2CAddressPosition(v.i2cAddress), 0);
  SendDlgItemMessageA(dialog, IDC_TV_CHIP, CB_SETCURSEL,
                      static_cast<WPARAM>(ValidChip(kv::ReadDword(kTvDriverSection, kChipKey))), 0);
  ApplyChip(dialog);
  for (const Field& f : kFields) ShowValue(dialog, f.control, v.*f.value, f.digits);
}

void Collect(HWND dialog) {
  TvDriverValues& v = g_driver.values;
  v.tuner = TunerAt(static_cast<int>(SendDlgItemMessageA(dialog, IDC_TV_TUNER, CB_GETCURSEL, 0, 0)));
  v.i2cAddress = I2CAddressAt(static_cast<int>(SendDlgItemMessageA(dialog, IDC_TV_I2C, CB_GETCURSEL, 0, 0)));
  for (const Field& f : kFields) v.*f.value = FieldValue(dialog, f.control, f.digits);
}

// Reads a register into a field; a failed read empties it.
template <typename T>
void ShowRegister(HWND dialog, int control, CardChip chip, uint32_t offset, T mask, int digits) {
  T value = 0;
  if (g_driver.registers.Read(chip, offset, sizeof value, &value))
    ShowValue(dialog, control, value & mask, digits);
  else
    SetDlgItemTextA(dialog, control, "");
}

void OnCommand(HWND dialog, int control, int code) {
  if (code == BN_CLICKED && control == IDC_BT_READ) {
    ShowRegister<uint32_t>(dialog, IDC_BT_CURRENT, CardChip::kBt8xx, kBtGpioData, ~0u, kWideDigits);
    return;
  }
  if (code == BN_CLICKED && control == IDC_SAA_READ) {
    ShowRegister<uint32_t>(dialog, IDC_SAA_CURRENT, CardChip::kSaa713x, kSaaGpioStatus, ~0u, kWideDigits);
    ShowRegister<uint8_t>(dialog, IDC_SAA_INPUT, CardChip::kSaa713x, kSaaAudioInput, kInputBits, kNarrowDigits);
    return;
  }
  if (control == IDC_TV_CHIP && (code == CBN_SELCHANGE || code == CBN_CLOSEUP)) {
    ApplyChip(dialog);
    return;
  }
  if (code == EN_KILLFOCUS)
    for (const Field& f : kFields)
      if (f.control == control) ShowValue(dialog, control, FieldValue(dialog, control, f.digits), f.digits);
}

}  // namespace

INT_PTR CALLBACK TvDriverProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetUp(dialog);
      return TRUE;
    case WM_COMMAND:
      OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
      return FALSE;
    case WM_NOTIFY:
      if (IsLinkClick(lParam, IDC_TV_HELP, g_driver.helpLink)) OpenHelp(kHelpTopic);
      return FALSE;
    case WM_DESTROY:
      Collect(dialog);
      g_driver.registers.Release();
      g_driver.dialog = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

void KV_CALL SaveTvDriver() {
  if (!g_driver.opened) return;
  if (g_driver.dialog) Collect(g_driver.dialog);
  for (const TvDriverEntry& entry : TvDriverEntries(g_driver.values))
    KvIniSetDword(kTvDriverSection, entry.key, entry.value);
}

}  // namespace wizard
