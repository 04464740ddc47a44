// Equalizes a WAV file through the plug-in's core in blocks of 4096 sample
// frames, as the engine would hand them over, and writes the result:
//   eq_wav IN.wav OUT.wav AMP G0 ... G9   (percentages, both channels)
//   eq_wav IN.wav OUT.wav copy            (the same reading and writing, no core)
// The engine's WAV reader and writer do the files, so the input is 16-bit
// stereo at the engine's rate, as the engine's own stream is.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "filters/equalizer/equalizer_core.h"
#include "player/engine/audio_format.h"
#include "player/engine/wav_file.h"

namespace {

constexpr uint32_t kBlockFrames = 4096;

int Fail(const char* what, const char* path) {
  std::fprintf(stderr, "eq_wav: %s %s\n", what, path);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool copy = argc == 4 && std::strcmp(argv[3], "copy") == 0;
  if (argc != 4 + kEqBands && !copy) {
    std::fprintf(stderr, "usage: eq_wav IN.wav OUT.wav AMP G0 ... G9 | eq_wav IN.wav OUT.wav copy\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) return Fail("cannot open", argv[1]);
  const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  engine::WavAudio wav;
  if (engine::ParseWav(file.data(), file.size(), wav) != engine::WavError::None) {
    return Fail("no PCM 16-bit WAV data in", argv[1]);
  }
  if (wav.channels != engine::kChannels || wav.rate != engine::kSampleRate) {
    return Fail("not 16-bit stereo at 44100 Hz:", argv[1]);
  }
  engine::WavWriter out;
  if (!out.Open(argv[2])) return Fail("cannot write", argv[2]);

  EqualizerShared rec{};
  if (!copy) {
    for (EqChannelSettings* s : {&rec.left, &rec.right}) {
      s->amp = std::atoi(argv[3]);
      for (int b = 0; b < kEqBands; ++b) s->gain[b] = std::atoi(argv[4 + b]);
    }
  }
  filters::StreamFormat format{};
  format.channels = engine::kChannels;
  format.bitsPerSample = engine::kBitsPerSample;
  format.samplesPerSec = engine::kSampleRate;
  format.sampleBytes = kBlockFrames * engine::kFrameBytes;
  eq::EqualizerCore core;
  if (!copy && core.Prepare(format) != kFilterOk) return Fail("cannot set up for", argv[1]);

  // The samples are little-endian in memory as in the file; the core takes them as bytes.
  std::vector<int16_t> block(kBlockFrames * engine::kChannels);
  for (size_t done = 0; done < wav.frames();) {
    const size_t frames = std::min<size_t>(kBlockFrames, wav.frames() - done);
    const int16_t* from = wav.samples.data() + done * engine::kChannels;
    // The last block is filled up with silence, as a sound device would.
    std::fill(std::copy(from, from + frames * engine::kChannels, block.begin()), block.end(), 0);
    if (!copy) core.Process(reinterpret_cast<uint8_t*>(block.data()), rec);
    if (!out.Write(block.data(), frames)) return Fail("cannot write", argv[2]);
    done += frames;
  }
  return out.Close() ? 0 : Fail("cannot finish", argv[2]);
}
