// A minimal program file for the version reader: an MS-DOS header pointing
// at a PE header whose optional header carries the given minor image version.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

inline std::vector<uint8_t> PeImage(uint16_t minorImageVersion, uint32_t peOffset = 0x80) {
  constexpr size_t kHeaders = 248;
  std::vector<uint8_t> file(peOffset + kHeaders, 0);
  if (peOffset >= 64) {
    file[0] = 'M';
    file[1] = 'Z';
  }
  std::memcpy(file.data() + 60, &peOffset, 4);
  std::memcpy(file.data() + peOffset, "PE\0\0", 4);
  const uint16_t machine = 0x14C, optionalMagic = 0x10B, optionalSize = 224;
  std::memcpy(file.data() + peOffset + 4, &machine, 2);
  std::memcpy(file.data() + peOffset + 20, &optionalSize, 2);
  std::memcpy(file.data() + peOffset + 24, &optionalMagic, 2);
  std::memcpy(file.data() + peOffset + 70, &minorImageVersion, 2);
  return file;
}
