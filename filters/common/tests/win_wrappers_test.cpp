// The owners of kernel handles and critical sections: every handle is closed
// exactly once, whoever ends up holding it.
#include <windows.h>
// after windows.h
#include <gtest/gtest.h>

#include <utility>

#include "filters/common/critical_section_win.h"
#include "filters/common/win_handle.h"

namespace {

bool IsOpen(HANDLE h) {
  DWORD flags = 0;
  return GetHandleInformation(h, &flags) != FALSE;
}

TEST(WinHandle, ClosesOnceWhoeverHoldsIt) {
  HANDLE raw = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  {
    filters::WinHandle a(raw);
    EXPECT_TRUE(a);
    filters::WinHandle b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.get(), raw);
    filters::WinHandle c;
    c = std::move(b);
    EXPECT_TRUE(IsOpen(raw));
  }
  EXPECT_FALSE(IsOpen(raw));

  HANDLE first = CreateEventA(nullptr, TRUE, FALSE, nullptr), second = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  filters::WinHandle h(first);
  h.reset(second);
  EXPECT_FALSE(IsOpen(first));
  filters::WinHandle other(h.release());
  EXPECT_FALSE(h);
  EXPECT_TRUE(IsOpen(second));
  other = filters::WinHandle(INVALID_HANDLE_VALUE);  // closes second, holds nothing
  EXPECT_FALSE(IsOpen(second));
  EXPECT_FALSE(other);
}

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
