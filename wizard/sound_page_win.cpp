// The sound-lines page: for Radio, Recording and Wave out a device and a
// mixer line, guessed from the lines' names, stored in KvLines on leaving.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <optional>
#include <string>

#include "auxui/kv_aux.h"
#include "host/kv_ini.h"
#include "host/settings.h"
#include "wizard/frame_win.h"
#include "wizard/pages_win.h"
#include "wizard/resource_ids.h"
#include "wizard/sound_lines.h"

namespace wizard {
namespace {

constexpr int kPageIndex = 1;
constexpr size_t kRoles = kSoundRoles.size();

struct SoundPage {
  // Per role, the device index its line list was last filled for.
  std::array<std::optional<unsigned>, kRoles> filledFor;
  TextMark link{0, 0, kMarkLink};
};
SoundPage g_page;

HWND List(HWND page, int id) { return GetDlgItem(page, id); }

std::optional<unsigned> Selection(HWND list) {
  const LRESULT at = SendMessageA(list, CB_GETCURSEL, 0, 0);
  if (at == CB_ERR) return std::nullopt;
  return static_cast<unsigned>(at);
}

std::string ItemText(HWND list, unsigned at) {
  const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, at, 0);
  if (length == CB_ERR) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(SendMessageA(list, CB_GETLBTEXT, at, reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

void AddItem(HWND list, const std::string& text, LPARAM data) {
  const LRESULT at = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (at >= 0) SendMessageA(list, CB_SETITEMDATA, at, data);
}

void SetTexts(HWND page) {
  for (const SoundRole& role : kSoundRoles) SetDlgItemTextA(page, role.labelId, Text(role.label));
  KvAuxRESetText(page, IDC_SOUND_TEXT, Text(kSoundText), &g_page.link, 1);
}

void FillLines(HWND page, const SoundRole& role, std::optional<unsigned> device) {
  const HWND list = List(page, role.lineList);
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  if (!device) return;
  const auto lines = RoleLines(TheSoundSystem(), role, *device);
  if (!lines) return;
  for (const SourceLine& line : *lines) AddItem(list, line.name, line.id);
  if (const auto at = ChooseLine(*lines, role.scoring, SavedLine(kv::StoreSettings(), role, *device)))
    SendMessageA(list, CB_SETCURSEL, *at, 0);
}

void SetUp(HWND page) {
  KvAuxTransparent(page, 0);
  KvAuxRE(page, IDC_SOUND_TEXT);
  SetTexts(page);
  const SoundSystem& system = TheSoundSystem();
  const std::vector<std::string> inputs = system.Devices(WaveKind::In), outputs = system.Devices(WaveKind::Out);
  for (const SoundRole& role : kSoundRoles)
    for (const std::string& name : role.kind == WaveKind::In ? inputs : outputs)
      AddItem(List(page, role.deviceList), name, 0);
  const kv::StoreSettings settings;
  for (size_t i = 0; i < kRoles; ++i) {
    const SoundRole& role = kSoundRoles[i];
    const size_t count = (role.kind == WaveKind::In ? inputs : outputs).size();
    const auto device = ChooseDevice(static_cast<unsigned>(count), settings.Dword(kLinesSection, role.deviceKey),
                                     [&](unsigned d) { return Suits(system, role, d); });
    if (device) SendMessageA(List(page, role.deviceList), CB_SETCURSEL, *device, 0);
    g_page.filledFor[i] = device;
    FillLines(page, role, device);
  }
}

// A new device refills its line list; the same one again keeps the user's line.
void DeviceChanged(HWND page, int list) {
  for (size_t i = 0; i < kRoles; ++i) {
    if (kSoundRoles[i].deviceList != list) continue;
    const auto device = Selection(List(page, list));
    if (device == g_page.filledFor[i]) return;
    g_page.filledFor[i] = device;
    FillLines(page, kSoundRoles[i], device);
  }
}

void Store(HWND page) {
  std::array<RoleChoice, kRoles> choices;
  for (size_t i = 0; i < kRoles; ++i) {
    const HWND devices = List(page, kSoundRoles[i].deviceList), lines = List(page, kSoundRoles[i].lineList);
    RoleChoice& choice = choices[i];
    if ((choice.device = Selection(devices))) choice.deviceName = ItemText(devices, *choice.device);
    if (const auto line = Selection(lines)) {
      choice.line = static_cast<uint32_t>(SendMessageA(lines, CB_GETITEMDATA, *line, 0));
      choice.lineName = ItemText(lines, *line);
    }
  }
  for (const auto& [key, value] : ValuesToStore(choices)) KvIniSetDword(kLinesSection, key, value);
}

}  // namespace

INT_PTR CALLBACK SoundPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetUp(page);
      break;
    case WM_COMMAND:
      if (HIWORD(wParam) == CBN_SELCHANGE || HIWORD(wParam) == CBN_CLOSEUP) DeviceChanged(page, LOWORD(wParam));
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == PSN_SETACTIVE) SetTexts(page);
      if (header->code == PSN_WIZNEXT) Store(page);  // never refuses: the result stays 0
      if (IsLinkClick(lParam, IDC_SOUND_TEXT, g_page.link)) OpenHelp(kSoundHelpTopic);
      break;
    }
    default:
      break;
  }
  return PageTail(page, message, wParam, lParam, kPageIndex);
}

}  // namespace wizard
