#include "graphic/core/timer_table.h"

#include <gtest/gtest.h>

namespace vrx {
namespace {

const int a = 0, b = 0;  // two owners

TEST(TimerTable, PositionsAreReusedAndTheTableGrows) {
  TimerTable t;
  EXPECT_EQ(t.Acquire(&a, 1), 0u);
  EXPECT_EQ(t.Acquire(&a, 2), 1u);
  EXPECT_EQ(t.Acquire(nullptr, 3), 2u);  // the tooltip manager owns by null
  EXPECT_EQ(t.Acquire(&b, 1), 3u);       // same number, other owner
  EXPECT_EQ(t.Acquire(&a, 2), 1u);       // a running timer keeps its position
  EXPECT_EQ(t.capacity(), 4u);

  EXPECT_EQ(t.Release(&a, 2), 1u);
  EXPECT_EQ(t.Identify(&a, 2), TimerTable::kNone);
  EXPECT_EQ(t.Release(&a, 2), TimerTable::kNone);  // stopping twice does nothing
  EXPECT_EQ(t.Release(&a, 7), TimerTable::kNone);
  EXPECT_EQ(t.Release(&b, 3), TimerTable::kNone);
  EXPECT_EQ(t.capacity(), 4u);
  EXPECT_EQ(t.Identify(&b, 1), 3u);  // others keep their identifiers

  EXPECT_EQ(t.Acquire(&b, 60), 1u);  // the first free position
  EXPECT_EQ(t.Acquire(&b, 61), 4u);  // none free: grows by one
  EXPECT_EQ(t.capacity(), 5u);
  EXPECT_EQ(t.used(), 5u);
}

TEST(TimerTable, TheLastStopFreesEverything) {
  TimerTable t;
  t.Acquire(&a, 1);
  t.Acquire(&a, 2);
  t.Acquire(&b, 3);
  t.Release(&a, 1);
  t.Release(&b, 3);
  EXPECT_EQ(t.capacity(), 3u);
  EXPECT_EQ(t.Release(&a, 2), 1u);
  EXPECT_EQ(t.capacity(), 0u);
  EXPECT_EQ(t.Acquire(&b, 3), 0u);  // starts from the beginning again
}

TEST(TimerTable, NullOwnerIsNotAFreePosition) {
  TimerTable t;
  t.Acquire(&a, 1);
  t.Acquire(&a, 2);
  t.Release(&a, 1);  // position 0 free: (null, all-ones)
  EXPECT_EQ(t.Identify(nullptr, 3), TimerTable::kNone);
  EXPECT_EQ(t.Identify(nullptr, TimerTable::kNone), TimerTable::kNone);
  EXPECT_EQ(t.Acquire(nullptr, TimerTable::kNone), TimerTable::kNone);
  EXPECT_EQ(t.Release(nullptr, TimerTable::kNone), TimerTable::kNone);
  EXPECT_EQ(t.used(), 1u);
  EXPECT_EQ(t.Acquire(nullptr, 3), 0u);
  EXPECT_EQ(t.Identify(nullptr, 3), 0u);
}

}  // namespace
}  // namespace vrx
