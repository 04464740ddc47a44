#include "filters/equalizer/bench/wav_file.h"

#include <cstring>

namespace eqbench {
namespace {

constexpr uint16_t kPcmTag = 1;
constexpr std::size_t kRiffHead = 12;
constexpr std::size_t kChunkHead = 8;
constexpr std::size_t kFmtSize = 16;

uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void PutTag(std::vector<uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

}  // namespace

std::optional<WavLayout> ParseWav(const uint8_t* bytes, std::size_t size) {
  if (size < kRiffHead || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) {
    return std::nullopt;
  }
  WavLayout layout;
  WavFormat& format = layout.format;
  bool haveFormat = false;
  std::size_t at = kRiffHead;
  while (size - at >= kChunkHead) {
    const uint8_t* head = bytes + at;
    const std::size_t body = at + kChunkHead;
    const std::size_t length = Le32(head + 4);
    const std::size_t available = size - body;
    if (std::memcmp(head, "fmt ", 4) == 0) {
      if (length < kFmtSize || available < kFmtSize || Le16(bytes + body) != kPcmTag) return std::nullopt;
      format.channels = Le16(bytes + body + 2);
      format.rate = Le32(bytes + body + 4);
      format.bits = Le16(bytes + body + 14);
      haveFormat = true;
    } else if (std::memcmp(head, "data", 4) == 0) {
      if (!haveFormat) return std::nullopt;
      layout.dataOffset = body;
      layout.dataSize = length < available ? length : available;
      layout.declaredSize = length;
      return layout;
    }
    // Chunks are padded to an even length.
    const std::size_t skip = length + (length & 1);
    if (skip >= available) break;
    at = body + skip;
  }
  return std::nullopt;
}

std::vector<uint8_t> MakeWav(const WavFormat& format, const uint8_t* samples, std::size_t size) {
  std::vector<uint8_t> out;
  const uint32_t dataSize = static_cast<uint32_t>(size);
  const uint16_t align = static_cast<uint16_t>(format.channels * (format.bits / 8));
  PutTag(out, "RIFF");
  Put32(out, static_cast<uint32_t>(4 + kChunkHead + kFmtSize + kChunkHead + dataSize + (dataSize & 1)));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, kFmtSize);
  Put16(out, kPcmTag);
  Put16(out, format.channels);
  Put32(out, format.rate);
  Put32(out, format.rate * align);
  Put16(out, align);
  Put16(out, format.bits);
  PutTag(out, "data");
  Put32(out, dataSize);
  out.insert(out.end(), samples, samples + size);
  if (dataSize & 1) out.push_back(0);
  return out;
}

}  // namespace eqbench
