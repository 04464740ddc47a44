// The owner of a critical section: held only for the scope of a lock, made
// again after a release.
#include <windows.h>
// after windows.h
#include <gtest/gtest.h>

#include "filters/common/critical_section_win.h"

namespace {

DWORD WINAPI TryFromAnotherThread(void* cs) {
  CRITICAL_SECTION* c = static_cast<filters::CriticalSection*>(cs)->get();
  if (!TryEnterCriticalSection(c)) return 0;
  LeaveCriticalSection(c);
  return 1;
}

DWORD TryOnThread(filters::CriticalSection& cs) {
  HANDLE t = CreateThread(nullptr, 0, &TryFromAnotherThread, &cs, 0, nullptr);
  WaitForSingleObject(t, INFINITE);
  DWORD entered = 2;
  GetExitCodeThread(t, &entered);
  CloseHandle(t);
  return entered;
}

TEST(CriticalSection, HeldOnlyForTheScope) {
  filters::CriticalSection cs;
  EXPECT_FALSE(cs);
  ASSERT_TRUE(cs.Create());
  EXPECT_TRUE(cs.Create());  // a second call keeps the first
  {
    filters::ScopedLock hold(cs);
    EXPECT_EQ(TryOnThread(cs), 0u);
  }
  EXPECT_EQ(TryOnThread(cs), 1u);
  cs.Destroy();
  cs.Destroy();
  EXPECT_FALSE(cs);
  EXPECT_TRUE(cs.Create());  // made again after a release
}

}  // namespace
