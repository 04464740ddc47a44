// The record display (section InfoRecord): the free disk space under the
// recording folder, and while recording the elapsed time, the free space or
// the file's size, chosen by clicks while recording.
#pragma once

#include "graphic/panels/text_display_win.h"

namespace vrx {

class RecordDisplay final : public TextDisplay {
 public:
  explicit RecordDisplay(const skin::SkinRecordingRecord& record);

  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  bool Click() override;
  void Refresh();

  skin::SkinRecordingRecord record_;
  uint32_t mode_;
  bool recording_ = false;
};

}  // namespace vrx
