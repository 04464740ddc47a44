// WAV files: reading a PCM 16-bit file into memory, and writing the
// engine's stream as a PCM file whose sizes are filled in when it closes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace engine {

struct WavAudio {
  uint32_t rate = 0;
  uint16_t channels = 0;       // 1 or 2
  std::vector<int16_t> samples;  // interleaved, whole frames
  size_t frames() const { return channels ? samples.size() / channels : 0; }
};

enum class WavError { None, NotRiff, NoFormat, NotPcm16, BadChannels, BadRate, NoData };

// Accepts PCM 16-bit mono or stereo at 8000 to 192000 Hz. A data chunk that
// claims more bytes than the file holds is read as far as it goes.
WavError ParseWav(const uint8_t* bytes, size_t size, WavAudio& out);

// The 44-byte header of a PCM file of the engine's format with this many
// data bytes.
std::vector<uint8_t> WavHeader(uint32_t dataBytes);

class WavWriter {
 public:
  WavWriter() = default;
  WavWriter(const WavWriter&) = delete;
  WavWriter& operator=(const WavWriter&) = delete;
  ~WavWriter();

  bool Open(const std::string& path);
  // Takes a file opened for writing and writes the header; a file whose
  // header cannot be written is closed, and the writer stays closed.
  bool Open(std::FILE* file);
  // Appends interleaved stereo frames; false once the file cannot grow.
  bool Write(const int16_t* frames, size_t count);
  // Fills in the sizes and closes; true when everything reached the file.
  bool Close();
  bool isOpen() const { return file_ != nullptr; }
  uint64_t frames() const { return dataBytes_ / 4; }

 private:
  std::FILE* file_ = nullptr;
  uint32_t dataBytes_ = 0;
  bool failed_ = false;
};

}  // namespace engine
