// Texts with bold and link regions in a rich-edit control.
#include <windows.h>
#include <richedit.h>

#include <string_view>

#include "auxui/kv_aux.h"
#include "auxui/markup.h"
#include "host/no_throw.h"

namespace {

constexpr LPARAM kNoSelection = -1;

template <typename Format>
KvBool FormatRange(HWND dialog, int control, int32_t start, int32_t length, Format& format) {
  const HWND edit = GetDlgItem(dialog, control);
  if (edit == nullptr) return 0;
  // The end wraps like the 32-bit sum it is, never overflowing in C++.
  const auto end = static_cast<int32_t>(static_cast<uint32_t>(start) + static_cast<uint32_t>(length));
  SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
  const LRESULT accepted = SendMessageA(edit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(kNoSelection), 0);
  return accepted != 0 ? 1 : 0;
}

}  // namespace

KV_EXTERN_C KvBool KV_CALL KvAuxREBold(HWND dialog, int control, int32_t start, int32_t length) {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_BOLD;
  format.dwEffects = CFE_BOLD;
  return FormatRange(dialog, control, start, length, format);
}

KV_EXTERN_C KvBool KV_CALL KvAuxRELink(HWND dialog, int control, int32_t start, int32_t length) {
  CHARFORMAT2A format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_LINK;
  format.dwEffects = CFE_LINK;
  return FormatRange(dialog, control, start, length, format);
}

KV_EXTERN_C void KV_CALL KvAuxRESetText(HWND dialog, int control, const char* text, TextMark* marks,
                                        uint32_t count) {
  if (marks == nullptr) count = 0;
  kv::NoThrow([&] {
    if (text == nullptr) {
      ApplyMarkup({}, marks, count);  // every mark reads "not found"
      return;
    }
    const std::string shown = ApplyMarkup(std::string_view(text), marks, count);
    SetDlgItemTextA(dialog, control, shown.c_str());
    for (uint32_t i = 0; i < count; ++i) {
      const TextMark& m = marks[i];
      if (m.length == 0) continue;
      if (m.kind == kMarkBold)
        KvAuxREBold(dialog, control, m.start, m.length);
      else
        KvAuxRELink(dialog, control, m.start, m.length);
    }
  });
}
