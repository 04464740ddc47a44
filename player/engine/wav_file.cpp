#include "player/engine/wav_file.h"

#include <algorithm>
#include <cstring>

#include "player/engine/audio_format.h"

namespace engine {
namespace {

constexpr uint16_t kPcmTag = 1;
constexpr uint32_t kMinRate = 8000;
constexpr uint32_t kMaxRate = 192000;
constexpr size_t kHeaderBytes = 44;
// Sizes are 32-bit: stop a recording before its RIFF size would wrap.
constexpr uint32_t kMaxDataBytes = 0xFFFFFFFFu - kHeaderBytes - 4;

uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}
void Put16(std::vector<uint8_t>& v, uint16_t x) {
  v.push_back(static_cast<uint8_t>(x));
  v.push_back(static_cast<uint8_t>(x >> 8));
}
void PutTag(std::vector<uint8_t>& v, const char* tag) { v.insert(v.end(), tag, tag + 4); }

}  // namespace

WavError ParseWav(const uint8_t* bytes, size_t size, WavAudio& out) {
  out = WavAudio{};
  if (!bytes || size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0)
    return WavError::NotRiff;
  bool haveFormat = false;
  size_t pos = 12;
  while (size - pos >= 8) {
    const uint8_t* chunk = bytes + pos;
    const size_t declared = U32(chunk + 4);
    const size_t body = pos + 8;
    const size_t available = size - body;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (declared < 16 || available < 16) return WavError::NoFormat;
      const uint8_t* f = bytes + body;
      if (U16(f) != kPcmTag || U16(f + 14) != 16) return WavError::NotPcm16;
      out.channels = U16(f + 2);
      out.rate = U32(f + 4);
      if (out.channels != 1 && out.channels != 2) return WavError::BadChannels;
      if (out.rate < kMinRate || out.rate > kMaxRate) return WavError::BadRate;
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!haveFormat) return WavError::NoFormat;
      const size_t frameBytes = 2u * out.channels;
      const size_t frames = std::min(declared, available) / frameBytes;
      if (frames == 0) return WavError::NoData;
      out.samples.resize(frames * out.channels);
      const uint8_t* d = bytes + body;
      for (size_t i = 0; i < out.samples.size(); ++i) out.samples[i] = static_cast<int16_t>(U16(d + 2 * i));
      return WavError::None;
    }
    // Chunks are padded to an even length.
    const size_t step = declared + (declared & 1);
    if (step > available) break;
    pos = body + step;
  }
  return haveFormat ? WavError::NoData : WavError::NoFormat;
}

std::vector<uint8_t> WavHeader(uint32_t dataBytes) {
  std::vector<uint8_t> h;
  h.reserve(kHeaderBytes);
  PutTag(h, "RIFF");
  Put32(h, dataBytes + kHeaderBytes - 8);
  PutTag(h, "WAVE");
  PutTag(h, "fmt ");
  Put32(h, 16);
  Put16(h, kPcmTag);
  Put16(h, kChannels);
  Put32(h, kSampleRate);
  Put32(h, kSampleRate * kFrameBytes);
  Put16(h, static_cast<uint16_t>(kFrameBytes));
  Put16(h, kBitsPerSample);
  PutTag(h, "data");
  Put32(h, dataBytes);
  return h;
}

WavWriter::~WavWriter() { Close(); }

bool WavWriter::Open(const std::string& path) { return Open(std::fopen(path.c_str(), "wb")); }

bool WavWriter::Open(std::FILE* file) {
  Close();
  if (!file) return false;
  const std::vector<uint8_t> header = WavHeader(0);
  // Flushed at once, so that a file that cannot take even the header is
  // known now rather than at the first block.
  if (std::fwrite(header.data(), 1, header.size(), file) != header.size() || std::fflush(file) != 0) {
    std::fclose(file);
    return false;
  }
  file_ = file;
  dataBytes_ = 0;
  failed_ = false;
  return true;
}

bool WavWriter::Write(const int16_t* frames, size_t count) {
  if (!file_ || failed_) return false;
  const uint64_t bytes = static_cast<uint64_t>(count) * kFrameBytes;
  if (dataBytes_ + bytes > kMaxDataBytes) return false;
  // The file is little-endian, as the machines the engine runs on.
  if (std::fwrite(frames, 1, static_cast<size_t>(bytes), file_) != bytes) {
    failed_ = true;
    return false;
  }
  dataBytes_ += static_cast<uint32_t>(bytes);
  return true;
}

bool WavWriter::Close() {
  if (!file_) return false;
  const std::vector<uint8_t> header = WavHeader(dataBytes_);
  bool ok = !failed_ && std::fseek(file_, 0, SEEK_SET) == 0 &&
            std::fwrite(header.data(), 1, header.size(), file_) == header.size();
  ok = std::fclose(file_) == 0 && ok;
  file_ = nullptr;
  return ok;
}

}  // namespace engine
