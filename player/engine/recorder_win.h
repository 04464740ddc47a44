// Recording: the window thread starts and stops it, the sound thread hands
// it every block heard. The file is named from KvSave/FileName when the
// recording starts, and its folder is made when missing. A recording never
// replaces a file: when the name is taken, " (2)", " (3)", ... go before
// the extension.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

#include "player/engine/wav_file.h"

namespace engine {

class Recorder {
 public:
  bool Start();
  void Stop();
  void Write(const int16_t* frames, size_t count);  // sound thread
  // The file being recorded, else the last one, else the next one's name.
  std::string Path() const;
  uint32_t Seconds() const;

 private:
  std::string NextPath() const;

  mutable std::mutex lock_;
  WavWriter writer_;
  std::string path_;
};

}  // namespace engine
