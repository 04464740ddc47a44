// The one owner template: whatever path a handle takes (moves, resets,
// self-moves, release), it goes back exactly once, and the counting hook
// sees every valid handle taken and given back.
#include "host/owner.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int kFailed = -1;  // a failure value that is not the null value
std::map<int, int> g_released;
int g_count = 0;

struct FakeTraits {
  using Handle = int;
  static constexpr Handle Null() { return 0; }
  static bool Valid(Handle h) { return h > 0; }
  static void Release(Handle h) { ++g_released[h]; }
  static void Counted(int delta) { g_count += delta; }
};
using Fake = kv::Owner<FakeTraits>;

class OwnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_released.clear();
    g_count = 0;
  }
};

TEST_F(OwnerTest, EachHandleGoesBackOnceWhoeverHoldsIt) {
  {
    Fake a(1);
    Fake b(std::move(a));
    EXPECT_FALSE(a);
    Fake c;
    c = std::move(b);
    auto& self = c;
    c = std::move(self);  // a self-move keeps the handle
    EXPECT_EQ(c.get(), 1);
    c.reset(2);
    EXPECT_EQ(g_released[1], 1);
    EXPECT_EQ(g_count, 1);
  }
  EXPECT_EQ(g_released[2], 1);
  EXPECT_EQ(g_count, 0);
}

TEST_F(OwnerTest, FailureValuesAreHeldAsNothingAndNeverReleased) {
  Fake failed(kFailed);
  EXPECT_FALSE(failed);
  EXPECT_EQ(failed.get(), 0);
  failed.reset(kFailed);
  EXPECT_TRUE(g_released.empty());
  EXPECT_EQ(g_count, 0);
}

TEST_F(OwnerTest, ReleaseHandsTheHandleOverUncounted) {
  Fake a(3);
  const int raw = a.release();
  EXPECT_EQ(raw, 3);
  EXPECT_FALSE(a);
  EXPECT_EQ(g_count, 0);
  EXPECT_TRUE(g_released.empty());
}

void FreeInt(int* p) { delete p; }

TEST_F(OwnerTest, PointerTraitsFreeThroughTheirFunction) {
  kv::Owner<kv::PointerTraits<int, &FreeInt>> p(new int(7));  // ASan reports a leak or a double free
  EXPECT_EQ(*p.get(), 7);
  p.reset();
  EXPECT_FALSE(p);
}

}  // namespace
