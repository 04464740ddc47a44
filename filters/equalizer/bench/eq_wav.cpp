// Equalizes a WAV file through the plug-in's core in blocks of 4096 sample
// frames, as the engine would hand them over, and writes the result:
//   eq_wav IN.wav OUT.wav AMP G0 ... G9   (percentages, both channels)
// The file streams through one block buffer; everything around the samples
// is copied as it is.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "filters/equalizer/bench/wav_file.h"
#include "filters/equalizer/equalizer_core.h"

namespace {

constexpr uint32_t kBlockFrames = 4096;
constexpr std::size_t kHeaderBytes = 64 * 1024;  // where the data chunk must begin
constexpr uint8_t kSilence8 = 128;

struct FileClose {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileClose>;

filters::StreamFormat FormatOf(const eqbench::WavFormat& wav, uint32_t sampleBytes) {
  filters::StreamFormat f{};
  f.channels = wav.channels;
  f.bitsPerSample = wav.bits;
  f.samplesPerSec = wav.rate;
  f.sampleBytes = sampleBytes;
  return f;
}

int Fail(const char* what, const char* path) {
  std::fprintf(stderr, "eq_wav: %s %s\n", what, path);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 + kEqBands) {
    std::fprintf(stderr, "usage: eq_wav IN.wav OUT.wav AMP G0 ... G9\n");
    return 2;
  }
  File in(std::fopen(argv[1], "rb"));
  if (!in) return Fail("cannot open", argv[1]);
  std::vector<uint8_t> head(kHeaderBytes);
  head.resize(std::fread(head.data(), 1, head.size(), in.get()));
  const auto layout = eqbench::ParseWav(head.data(), head.size());
  if (!layout) return Fail("no PCM WAV data in the first 64 KB of", argv[1]);
  File out(std::fopen(argv[2], "wb"));
  if (!out || std::fwrite(head.data(), 1, layout->dataOffset, out.get()) != layout->dataOffset) {
    return Fail("cannot write", argv[2]);
  }
  std::fseek(in.get(), static_cast<long>(layout->dataOffset), SEEK_SET);

  EqualizerShared rec{};
  for (EqChannelSettings* s : {&rec.left, &rec.right}) {
    s->amp = std::atoi(argv[3]);
    for (int b = 0; b < kEqBands; ++b) s->gain[b] = std::atoi(argv[4 + b]);
  }
  const eqbench::WavFormat& wav = layout->format;
  const uint32_t frameBytes = wav.channels * (wav.bits / 8u);
  if (frameBytes == 0) return Fail("no sample frames in", argv[1]);
  const std::size_t blockBytes = static_cast<std::size_t>(kBlockFrames) * frameBytes;
  std::vector<uint8_t> block(blockBytes);
  eq::EqualizerCore core;
  if (core.Prepare(FormatOf(wav, static_cast<uint32_t>(blockBytes))) != kFilterOk) return Fail("cannot set up for", argv[1]);

  std::size_t left = layout->declaredSize;
  while (left > 0) {
    const std::size_t got = std::fread(block.data(), 1, left < blockBytes ? left : blockBytes, in.get());
    if (got == 0) break;
    left -= got;
    // The last block is filled up with silence, as a sound device would.
    if (got < blockBytes) std::fill(block.begin() + got, block.end(), wav.bits == 8 ? kSilence8 : 0);
    core.Process(block.data(), rec);
    if (std::fwrite(block.data(), 1, got, out.get()) != got) return Fail("cannot write", argv[2]);
  }
  // Whatever follows the samples.
  for (std::size_t got; (got = std::fread(block.data(), 1, block.size(), in.get())) > 0;) {
    if (std::fwrite(block.data(), 1, got, out.get()) != got) return Fail("cannot write", argv[2]);
  }
  return 0;
}
