#include "player/engine/wave_out_win.h"

#include <cstring>

#include "player/engine/audio_format.h"

namespace engine {
namespace {

// A device that returns no buffer for this long is taken for gone.
constexpr DWORD kStalledMs = 2000;

}  // namespace

WaveOut::WaveOut(size_t framesPerBlock, HANDLE stopEvent)
    : done_(CreateEventA(nullptr, FALSE, FALSE, nullptr)),
      stop_(stopEvent),
      bytes_(framesPerBlock * kFrameBytes),
      data_(kBuffers, std::vector<int16_t>(framesPerBlock * kChannels)),
      headers_(kBuffers) {
  if (!done_ || waveOutGetNumDevs() == 0) return;
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = kChannels;
  format.nSamplesPerSec = kSampleRate;
  format.wBitsPerSample = kBitsPerSample;
  format.nBlockAlign = static_cast<WORD>(kFrameBytes);
  format.nAvgBytesPerSec = kSampleRate * kFrameBytes;
  if (waveOutOpen(&device_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done_.get()), 0, CALLBACK_EVENT) !=
      MMSYSERR_NOERROR) {
    device_ = nullptr;
    return;
  }
  for (size_t i = 0; i < kBuffers; ++i) {
    WAVEHDR& h = headers_[i];
    h.lpData = reinterpret_cast<LPSTR>(data_[i].data());
    h.dwBufferLength = static_cast<DWORD>(bytes_);
    if (waveOutPrepareHeader(device_, &h, sizeof h) != MMSYSERR_NOERROR) {
      Close();
      return;
    }
    h.dwFlags |= WHDR_DONE;  // free until first written
  }
}

WaveOut::~WaveOut() { Close(); }

void WaveOut::Close() {
  if (!device_) return;
  waveOutReset(device_);
  for (WAVEHDR& h : headers_)
    if (h.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device_, &h, sizeof h);
  waveOutClose(device_);
  device_ = nullptr;
}

bool WaveOut::Play(const int16_t* frames) {
  if (!device_) return false;
  for (;;) {
    for (WAVEHDR& h : headers_) {
      if (!(h.dwFlags & WHDR_DONE)) continue;
      std::memcpy(h.lpData, frames, bytes_);
      h.dwFlags &= ~WHDR_DONE;
      if (waveOutWrite(device_, &h, sizeof h) != MMSYSERR_NOERROR) {
        Close();
        return false;
      }
      return true;
    }
    const HANDLE waits[] = {stop_, done_.get()};
    const DWORD r = WaitForMultipleObjects(2, waits, FALSE, kStalledMs);
    if (r == WAIT_OBJECT_0) return false;
    if (r != WAIT_OBJECT_0 + 1) {
      Close();
      return false;
    }
  }
}

}  // namespace engine
