// CPU time of SoX's chain of ten peaking equalizers against eq_wav, which
// runs the same WAV through the plug-in's core in 4096-frame blocks. Both
// are separate processes reading and writing files; each runs a few times
// and its fastest run counts.
//
// Each side is also measured copying the file without any effect (sox with
// no effect, eq_wav's copy mode, which reads and writes exactly as it does
// when equalizing but never calls the core), and the difference is the cost
// of the effect alone. Neutral gains would not do for our side: the core
// transforms the block whatever the gains, as a bypass still transforms it
// for the levels.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "filters/equalizer/bench/bench_signal.h"
#include "filters/equalizer/band_table.h"
#include "player/engine/wav_file.h"

namespace {

constexpr int kSeconds = 60;
constexpr int kRuns = 5;

// CPU seconds (user + system) of a program run to its end; negative when it
// could not run or failed.
double CpuSecondsOf(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  const auto seconds = [](timeval t) { return t.tv_sec + t.tv_usec * 1e-6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double FastestOf(const std::vector<std::string>& command) {
  double best = -1;
  for (int i = 0; i < kRuns; ++i) {
    const double t = CpuSecondsOf(command);
    if (t < 0) return -1;
    if (best < 0 || t < best) best = t;
  }
  return best;
}

// Sample bytes of a 16-bit WAV file; 0 when it is not one.
std::size_t SampleBytesIn(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  engine::WavAudio wav;
  if (engine::ParseWav(file.data(), file.size(), wav) != engine::WavError::None) return 0;
  return wav.samples.size() * sizeof(int16_t);
}

}  // namespace

int main() {
  char folderTemplate[] = "/tmp/tavrin-eq-bench-XXXXXX";
  const char* folder = mkdtemp(folderTemplate);
  if (!folder) return 1;
  const std::string input = std::string(folder) + "/in.wav", soxOut = std::string(folder) + "/sox.wav",
                    ourOut = std::string(folder) + "/ours.wav";
  const std::vector<uint8_t> samples = eqbench::StereoSignal(kSeconds * eqbench::kRate, 7);
  {
    // The engine's header: 16-bit stereo at the signal's rate.
    static_assert(eqbench::kRate == 44100);
    const auto header = engine::WavHeader(static_cast<uint32_t>(samples.size()));
    std::ofstream out(input, std::ios::binary);
    out.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
    out.write(reinterpret_cast<const char*>(samples.data()), static_cast<std::streamsize>(samples.size()));
  }

  // The same band gains: SoX takes decibels, the plug-in percentages.
  std::vector<std::string> sox = {"sox", "-D", "-V1", input, soxOut};
  std::vector<std::string> ours = {EQ_WAV_PROGRAM, input, ourOut, "0"};
  for (int b = 0; b < kEqBands; ++b) {
    char db[32];
    std::snprintf(db, sizeof db, "%.3f", 20 * std::log10(eq::FactorOf(eqbench::kBandPercent[b])));
    sox.insert(sox.end(), {"equalizer", std::to_string(static_cast<int>(eq::kBandFrequency[b])), "1q", db});
    ours.push_back(std::to_string(eqbench::kBandPercent[b]));
  }

  const double soxCpu = FastestOf(sox);
  const double soxCopyCpu = FastestOf({"sox", "-D", "-V1", input, soxOut});
  const double ourCpu = FastestOf(ours);
  const bool ourOk = ourCpu >= 0 && SampleBytesIn(ourOut) == samples.size();
  const double ourCopyCpu = FastestOf({EQ_WAV_PROGRAM, input, ourOut, "copy"});
  int rc = 0;
  if (soxCpu < 0 || soxCopyCpu < 0) {
    std::printf("sox_equalizer_error: sox did not run (./run setup installs it)\n");
    rc = 1;
  } else {
    std::printf("sox_equalizer_chain_cpu_seconds_%ds: %.3f\n", kSeconds, soxCpu);
    std::printf("sox_copy_cpu_seconds_%ds: %.3f\n", kSeconds, soxCopyCpu);
    std::printf("sox_equalizer_effect_only_cpu_seconds_%ds: %.3f\n", kSeconds, soxCpu - soxCopyCpu);
  }
  if (!ourOk || ourCopyCpu < 0 || SampleBytesIn(ourOut) != samples.size()) {
    std::printf("tonal10_core_wav_error: eq_wav failed\n");
    rc = 1;
  } else {
    std::printf("tonal10_core_wav_cpu_seconds_%ds: %.3f\n", kSeconds, ourCpu);
    std::printf("tonal10_core_wav_copy_cpu_seconds_%ds: %.3f\n", kSeconds, ourCopyCpu);
    std::printf("tonal10_core_effect_only_cpu_seconds_%ds: %.3f\n", kSeconds, ourCpu - ourCopyCpu);
  }
  if (rc == 0) {
    std::printf("sox_to_tonal10_core_cpu_ratio: %.2f\n", soxCpu / ourCpu);
    std::printf("sox_to_tonal10_core_effect_only_cpu_ratio: %.2f\n", (soxCpu - soxCopyCpu) / (ourCpu - ourCopyCpu));
  }

  for (const std::string& f : {input, soxOut, ourOut}) std::remove(f.c_str());
  rmdir(folder);
  return rc;
}
