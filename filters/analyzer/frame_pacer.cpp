#include "filters/analyzer/frame_pacer.h"

#include <cmath>

namespace prismo {

FramePacer::Step FramePacer::Next(uint32_t now) const {
  // After the last frame there is nothing to wait for.
  if (shownAny_ && static_cast<uint64_t>(last_) + 1 >= frames_) return {Action::Done, 0};
  const uint32_t elapsed = now - start_;  // modulo 2^32
  // The quotient stays a double until it is known to be a frame number.
  const double due = std::floor(static_cast<double>(elapsed) / frameMs_);
  if (shownAny_ && due == static_cast<double>(last_)) return {Action::Wait, last_};
  if (!(due < static_cast<double>(frames_))) return {Action::Done, 0};
  return {Action::Show, static_cast<uint32_t>(due)};
}

uint32_t FramePacer::MsUntilNextFrame(uint32_t now) const {
  const double elapsed = static_cast<double>(now - start_);
  const double next = shownAny_ ? (static_cast<double>(last_) + 1) * frameMs_ : 0.0;
  const double wait = std::ceil(next - elapsed);
  if (!(wait < kMaxWaitMs)) return kMaxWaitMs;  // also an infinite frame duration
  return wait < 1 ? 1 : static_cast<uint32_t>(wait);
}

}  // namespace prismo
