#include "filters/analyzer/frame_pacer.h"

#include <cmath>

namespace prismo {

FramePacer::Step FramePacer::Next(uint32_t now) const {
  const uint32_t elapsed = now - start_;  // modulo 2^32
  // The quotient stays a double until it is known to be a frame number.
  const double due = std::floor(static_cast<double>(elapsed) / frameMs_);
  if (shownAny_ && due == static_cast<double>(last_)) return {Action::Wait, last_};
  if (!(due < static_cast<double>(frames_))) return {Action::Done, 0};
  return {Action::Show, static_cast<uint32_t>(due)};
}

}  // namespace prismo
