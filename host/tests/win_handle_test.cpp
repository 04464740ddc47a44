// The owners of kernel handles and libraries: each handle is closed, and each
// library reference freed, exactly once, whoever ends up holding it.
#include "host/win_handle.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

constexpr char kProbe[] = "win_handle_probe.dll";
constexpr int kProbeAnswer = 42;  // what the probe's one export returns
using ProbeFn = int (*)();

bool IsOpen(HANDLE h) {
  DWORD flags = 0;
  return GetHandleInformation(h, &flags) != FALSE;
}

HANDLE NewEvent() { return CreateEventA(nullptr, TRUE, FALSE, nullptr); }

TEST(KernelHandle, ClosesOnceWhoeverHoldsIt) {
  HANDLE raw = NewEvent();
  ASSERT_NE(raw, nullptr);
  {
    kv::KernelHandle a(raw);
    EXPECT_TRUE(a);
    kv::KernelHandle b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.get(), raw);
    kv::KernelHandle c;
    c = std::move(b);
    EXPECT_TRUE(IsOpen(raw));
  }
  EXPECT_FALSE(IsOpen(raw));

  HANDLE first = NewEvent(), second = NewEvent();
  kv::KernelHandle h(first);
  h.reset(second);
  EXPECT_FALSE(IsOpen(first));
  kv::KernelHandle other(h.release());
  EXPECT_FALSE(h);
  EXPECT_TRUE(IsOpen(second));
  other = kv::KernelHandle(INVALID_HANDLE_VALUE);  // closes second, holds nothing
  EXPECT_FALSE(IsOpen(second));
  EXPECT_FALSE(other);
}

TEST(KernelHandle, AFailedCreateFileHoldsNothing) {
  const kv::KernelHandle missing(CreateFileA("Z:\\no such folder\\no such file", GENERIC_READ, 0, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  EXPECT_FALSE(missing);
  EXPECT_EQ(missing.get(), nullptr);  // never INVALID_HANDLE_VALUE, which names the current process
  kv::KernelHandle event(NewEvent());
  event.reset(INVALID_HANDLE_VALUE);
  EXPECT_FALSE(event);
  EXPECT_EQ(event.get(), nullptr);
}

TEST(Library, FreesItsReferenceOnceWhoeverHoldsIt) {
  ASSERT_EQ(GetModuleHandleA(kProbe), nullptr);
  // A second reference of the test's own: a double free would unload the library under it.
  const HMODULE extra = LoadLibraryA(kProbe);
  ASSERT_NE(extra, nullptr);
  {
    kv::Library a(LoadLibraryA(kProbe));
    ASSERT_TRUE(a);
    const auto answer = a.Export<ProbeFn>("ProbeAnswer");
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), kProbeAnswer);
    EXPECT_EQ(a.Export<ProbeFn>("NoSuchExport"), nullptr);
    kv::Library b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(a.Export<ProbeFn>("ProbeAnswer"), nullptr);
    kv::Library c;
    c = std::move(b);
    EXPECT_EQ(c.get(), extra);
  }
  EXPECT_EQ(GetModuleHandleA(kProbe), extra);

  kv::Library last(extra);
  last.reset();
  EXPECT_FALSE(last);
  EXPECT_EQ(GetModuleHandleA(kProbe), nullptr);  // the last reference went: unloaded
}

}  // namespace
