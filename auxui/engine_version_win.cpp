#include <windows.h>

#include <string>

#include "auxui/kv_aux.h"
#include "auxui/pe_version.h"
#include "host/no_throw.h"
#include "host/program_folder_win.h"
#include "host/win_handle.h"

namespace {

constexpr char kEngineFile[] = "KvEngine.exe";

// A file opened for reading, closed on every path.
class ReadOnlyFile final : public FileBytes {
 public:
  explicit ReadOnlyFile(const std::string& path)
      : handle_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  bool open() const { return static_cast<bool>(handle_); }

  bool ReadAt(uint32_t offset, uint8_t* out, size_t size) override {
    LARGE_INTEGER position;
    position.QuadPart = offset;  // unsigned: an offset near 2^32 lies past the end, not before the start
    if (!SetFilePointerEx(handle_.get(), position, nullptr, FILE_BEGIN)) return false;
    DWORD got = 0;
    return ReadFile(handle_.get(), out, static_cast<DWORD>(size), &got, nullptr) && got == size;
  }

 private:
  kv::KernelHandle handle_;
};

}  // namespace

KV_EXTERN_C uint32_t KV_CALL KvAuxGetVersion() {
  return kv::NoThrow(kNoVersion, [] {
    ReadOnlyFile engine(kv::ProgramFolder() + kEngineFile);
    return engine.open() ? ReadEngineVersion(engine) : kNoVersion;
  });
}
