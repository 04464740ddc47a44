// The installed engine's version, read from its program file's headers: the
// MS-DOS header gives the position of the PE header, whose 32-bit optional
// header holds the minor image version.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

constexpr size_t kDosHeaderSize = 64;
constexpr size_t kPeHeaderOffsetAt = 60;  // in the MS-DOS header
constexpr size_t kPeHeadersSize = 248;    // signature, file header, 32-bit optional header
constexpr size_t kMinorImageVersionAt = 70;
constexpr uint32_t kNoVersion = 0;
constexpr uint32_t kHighestVersion = 6;

// Reads exactly `size` bytes at `offset` of a file; false when the file
// ends before or cannot be read.
class FileBytes {
 public:
  virtual ~FileBytes() = default;
  virtual bool ReadAt(uint32_t offset, uint8_t* out, size_t size) = 0;
};

// A whole file in memory.
class MemoryFileBytes final : public FileBytes {
 public:
  explicit MemoryFileBytes(std::span<const uint8_t> file) : file_(file) {}
  bool ReadAt(uint32_t offset, uint8_t* out, size_t size) override;

 private:
  std::span<const uint8_t> file_;
};

// Minor image version 0..5 gives 1..6; anything larger, or a header that
// cannot be read whole, gives kNoVersion. The signatures are not checked.
uint32_t ReadEngineVersion(FileBytes& file);
