// The engine version as a program sees it: KvEngine.exe is looked for beside
// the running program's main file, so each case runs a copy of this test
// program from a folder of its own, next to the engine file it writes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "auxui/pe_version.h"
#include "auxui/tests/kvaux_library.h"
#include "auxui/tests/pe_image.h"
#include "host/win_handle.h"
#include "tests/support/wintest.h"

namespace {

constexpr char kEngineFile[] = "KvEngine.exe";
constexpr int kNotStarted = -1;
constexpr DWORD kChildTimeoutMs = 60000;

// Exit code: the version this process reads, or 100 when the library is incomplete.
WINTEST_CHILD(ReportVersion) {
  KvAuxLibrary aux;
  return aux.complete() ? static_cast<int>(aux.GetVersion()) : 100;
}

// A folder with a copy of this program in it.
class ProgramCopy {
 public:
  explicit ProgramCopy(const std::string& name) : folder_(wintest::TempFolder() + name + "\\") {
    CreateDirectoryA(folder_.c_str(), nullptr);
    char self[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    exe_ = folder_ + "kvaux_version_copy.exe";
    copied_ = CopyFileA(self, exe_.c_str(), FALSE) != 0;
  }
  bool copied() const { return copied_; }
  std::string engine() const { return folder_ + kEngineFile; }
  const std::string& folder() const { return folder_; }

  // The version the copy reads, or kNotStarted.
  int Version() const {
    std::string command = "\"" + exe_ + "\" --wintest-child ReportVersion";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(exe_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
      return kNotStarted;
    const kv::KernelHandle process(pi.hProcess), thread(pi.hThread);
    if (WaitForSingleObject(pi.hProcess, kChildTimeoutMs) != WAIT_OBJECT_0) {
      TerminateProcess(pi.hProcess, 99);
      return kNotStarted;
    }
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    return static_cast<int>(code);
  }

 private:
  std::string folder_;
  std::string exe_;
  bool copied_ = false;
};

int VersionWithEngine(const std::string& name, const std::vector<uint8_t>& engine) {
  ProgramCopy copy(name);
  EXPECT_TRUE(copy.copied());
  EXPECT_TRUE(wintest::WriteFileBytes(copy.engine(), engine.data(), engine.size()));
  return copy.Version();
}

}  // namespace

TEST(KvAuxVersion, MinorImageVersionOfTheEngineBesideTheProgram) {
  EXPECT_EQ(VersionWithEngine("minor5", PeImage(5)), 6);
  EXPECT_EQ(VersionWithEngine("minor0", PeImage(0)), 1);
  EXPECT_EQ(VersionWithEngine("minor6", PeImage(6)), 0);
}

TEST(KvAuxVersion, MissingOrUnopenableEngineGivesZero) {
  ProgramCopy missing("missing");
  ASSERT_TRUE(missing.copied());
  EXPECT_EQ(missing.Version(), 0);

  ProgramCopy folder("folder");
  ASSERT_TRUE(folder.copied());
  ASSERT_TRUE(CreateDirectoryA(folder.engine().c_str(), nullptr));
  EXPECT_EQ(folder.Version(), 0);
}

TEST(KvAuxVersion, DamagedEngineFilesGiveZero) {
  std::vector<uint8_t> cut = PeImage(2);
  cut.resize(cut.size() - 1);
  EXPECT_EQ(VersionWithEngine("truncated", cut), 0);
  EXPECT_EQ(VersionWithEngine("stub", std::vector<uint8_t>(40, 'M')), 0);

  std::vector<uint8_t> distant = PeImage(2);
  const uint32_t nearTop = 0xFFFFFFF0u;
  std::memcpy(distant.data() + kPeHeaderOffsetAt, &nearTop, sizeof nearTop);
  EXPECT_EQ(VersionWithEngine("offset", distant), 0);
}

TEST(KvAuxVersion, AnEngineFileOpenForWritingIsStillRead) {
  ProgramCopy copy("writing");
  ASSERT_TRUE(copy.copied());
  const std::vector<uint8_t> image = PeImage(4);
  ASSERT_TRUE(wintest::WriteFileBytes(copy.engine(), image.data(), image.size()));
  const kv::KernelHandle writer(CreateFileA(copy.engine().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(writer);
  EXPECT_EQ(copy.Version(), 5);
}
