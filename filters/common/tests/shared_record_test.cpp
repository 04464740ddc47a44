// The shared record of a plug-in DLL in real processes: one copy for all
// processes that load the library, zeroed when the first one loads it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>

#include "tests/support/wintest.h"

namespace {

constexpr char kProbe[] = "shared_record_probe.dll";
constexpr int kWords = 1000;

int32_t* Record(HMODULE m) {
  using Get = int32_t* (*)();
  auto get = reinterpret_cast<Get>(reinterpret_cast<void*>(GetProcAddress(m, "GetProbeRecord")));
  return get ? get() : nullptr;
}

// Loads the library, checks the first and last word against args[0], writes
// args[1] into both and exits (unloading it).
WINTEST_CHILD(ProbeChild) {
  HMODULE m = LoadLibraryA(kProbe);
  int32_t* r = m ? Record(m) : nullptr;
  if (!r) return 2;
  const int32_t expect = std::stoi(args.at(0)), write = std::stoi(args.at(1));
  const bool ok = r[0] == expect && r[kWords - 1] == expect;
  r[0] = r[kWords - 1] = write;
  FreeLibrary(m);
  return ok ? 0 : 1;
}

TEST(SharedRecord, OneZeroedCopyForAllProcessesThatLoadTheLibrary) {
  ASSERT_EQ(GetModuleHandleA(kProbe), nullptr);
  // A process alone writes and unloads: the next first loader starts from zeros.
  ASSERT_EQ(wintest::RunChild("ProbeChild", {"0", "5"}), 0);

  HMODULE m = LoadLibraryA(kProbe);
  ASSERT_NE(m, nullptr);
  int32_t* r = Record(m);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(Record(m), r);  // a fixed address
  for (int i = 0; i < kWords; ++i) ASSERT_EQ(r[i], 0) << i;

  // While this process holds the library, a second one sees and changes the same bytes.
  r[0] = r[kWords - 1] = 1234;
  EXPECT_EQ(wintest::RunChild("ProbeChild", {"1234", "-7"}), 0);
  EXPECT_EQ(r[0], -7);
  EXPECT_EQ(r[kWords - 1], -7);
  FreeLibrary(m);
}

}  // namespace
