#include "player/engine/programme.h"

#include <algorithm>
#include <cmath>

#include "player/engine/audio_format.h"

namespace engine {
namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr float kFullScale = 32767.0f;
constexpr float kHissLevel = 0.18f;
constexpr float kWeakHiss = 0.08f;
constexpr float kWeakProgramme = 0.6f;
// Five notes a semitone apart each: a pentatonic scale.
constexpr int kScale[] = {0, 2, 4, 7, 9, 12, 14, 16};

float Sine(double hz, uint64_t t) {
  return static_cast<float>(std::sin(kTwoPi * hz * static_cast<double>(t) / kSampleRate));
}

}  // namespace

float Noise::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<float>(state_ >> 8) / static_cast<float>(1u << 23) - 1.0f;
}

StationProgramme::StationProgramme(uint32_t frequency)
    : seed_(ScatterBits(frequency)),
      bpm_(84 + seed_ % 60),
      root_(static_cast<float>(110.0 * std::pow(2.0, (seed_ >> 8) % 12 / 12.0))),
      noiseLevel_(0.004f + static_cast<float>((seed_ >> 12) % 16) * 0.002f),
      pan_(0.25f + static_cast<float>((seed_ >> 16) % 50) / 100.0f),
      noise_(seed_) {}

float StationProgramme::Note(uint64_t step) const {
  const uint32_t pick = ScatterBits(seed_ ^ static_cast<uint32_t>(step * 2654435761u));
  const int semis = kScale[pick % (sizeof kScale / sizeof kScale[0])] + 12;
  return static_cast<float>(root_ * std::pow(2.0, semis / 12.0));
}

void StationProgramme::Render(float* left, float* right, size_t count) {
  const uint64_t beat = static_cast<uint64_t>(kSampleRate) * 60 / bpm_;
  const uint64_t half = beat / 2;
  for (size_t i = 0; i < count; ++i, ++t_) {
    const uint64_t inHalf = t_ % half;
    const uint64_t halfIndex = t_ / half;
    const float env = std::exp(-3.0f * static_cast<float>(inHalf) / static_cast<float>(half));
    if (halfIndex != noteIndex_ || t_ == 0) {
      noteIndex_ = halfIndex;
      note_ = Note(halfIndex);
    }
    const float melody = 0.22f * env * Sine(note_, t_);
    const float pad = 0.10f * (Sine(root_, t_) + 0.6f * Sine(root_ * 1.5, t_));

    // Kick on every beat with a falling pitch, hat on the off-beats.
    const uint64_t inBeat = t_ % beat;
    const float kickT = static_cast<float>(inBeat) / kSampleRate;
    const float kick = 0.35f * std::exp(-kickT * 18.0f) *
                       std::sin(static_cast<float>(kTwoPi) * (50.0f * kickT + 40.0f * (1.0f - std::exp(-kickT * 30.0f)) / 30.0f));
    const bool offBeat = halfIndex % 2 == 1;
    const float hat = offBeat ? 0.12f * std::exp(-static_cast<float>(inHalf) / 600.0f) * noise_.Next() : 0.0f;
    const float hiss = noiseLevel_ * noise_.Next();

    left[i] = melody * (1.0f - pan_) + pad * pan_ + kick + hat * 0.7f + hiss;
    right[i] = melody * pan_ + pad * (1.0f - pan_) + kick + hat + hiss;
  }
}

WavProgramme::WavProgramme(WavAudio audio)
    : audio_(std::move(audio)), step_(static_cast<double>(audio_.rate) / kSampleRate) {}

void WavProgramme::Render(float* left, float* right, size_t count) {
  const size_t frames = audio_.frames();
  const size_t ch = audio_.channels;
  const auto at = [&](size_t frame, size_t c) {
    return static_cast<float>(audio_.samples[(frame % frames) * ch + (ch == 2 ? c : 0)]) / kFullScale;
  };
  for (size_t i = 0; i < count; ++i) {
    const size_t whole = static_cast<size_t>(position_);
    const float frac = static_cast<float>(position_ - static_cast<double>(whole));
    left[i] = at(whole, 0) + (at(whole + 1, 0) - at(whole, 0)) * frac;
    right[i] = at(whole, 1) + (at(whole + 1, 1) - at(whole, 1)) * frac;
    position_ += step_;
    if (position_ >= static_cast<double>(frames)) position_ -= static_cast<double>(frames);
  }
}

Receiver::Receiver(size_t maxFrames, const WavAudio* file) : left_(maxFrames), right_(maxFrames) {
  if (file && file->frames() > 0) file_.emplace_back(*file);
}

void Receiver::Tune(uint32_t broadcast, Reception reception) {
  reception_ = broadcast ? reception : Reception::None;
  if (broadcast == broadcast_ || broadcast == 0) return;
  broadcast_ = broadcast;
  programme_ = StationProgramme(broadcast);
}

void Receiver::Render(int16_t* frames, size_t count) {
  count = std::min(count, left_.size());
  if (reception_ != Reception::None) {
    if (!file_.empty())
      file_.front().Render(left_.data(), right_.data(), count);
    else
      programme_.Render(left_.data(), right_.data(), count);
  }
  for (size_t i = 0; i < count; ++i) {
    float l = 0, r = 0;
    switch (reception_) {
      case Reception::Clear:
        l = left_[i];
        r = right_[i];
        break;
      case Reception::Weak: {
        const float mono = kWeakProgramme * 0.5f * (left_[i] + right_[i]);
        l = mono + kWeakHiss * hiss_.Next();
        r = mono + kWeakHiss * hiss_.Next();
        break;
      }
      case Reception::None:
        l = kHissLevel * hiss_.Next();
        r = kHissLevel * hiss_.Next();
        break;
    }
    frames[2 * i] = ClampSample(l * kFullScale);
    frames[2 * i + 1] = ClampSample(r * kFullScale);
  }
}

}  // namespace engine
