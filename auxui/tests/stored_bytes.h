// Stored values built by hand for the core's tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void AppendWord(Bytes& out, uint32_t word) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(word >> shift));
}

// One station record: flags, frequency, name and its NUL.
inline Bytes StationBytes(uint32_t flags, uint32_t frequency, const std::string& name) {
  Bytes out;
  AppendWord(out, flags);
  AppendWord(out, frequency);
  out.insert(out.end(), name.begin(), name.end());
  out.push_back(0);
  return out;
}

inline Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

inline Bytes NamesBytes(std::initializer_list<std::string> names) {
  Bytes out;
  for (const std::string& n : names) {
    out.insert(out.end(), n.begin(), n.end());
    out.push_back(0);
  }
  return out;
}
