// The message-sequence check itself: what it accepts, what it rejects, and
// that a rejection shows both lists.
#include "tests/support/message_sequence.h"

#include <gtest/gtest.h>

namespace wintest {
namespace {

constexpr uint32_t kA = 0x610, kB = 0x646, kNoise = 0x12;

const std::vector<Message> kRecorded{
    {kA, 7, 1, true}, {kNoise, 0, 0, false}, {kB, 0, 0, true}, {kA, 7, 0, false}};
const MessageFilter kQuiet = [](const Message& m) { return m.message != kNoise; };

TEST(MessageSequence, AcceptsAndRejectsAsExpected) {
  const struct {
    const char* what;
    std::vector<Expected> expected;
    MessageFilter filter;
    bool matches;
  } cases[] = {
      {"all, noise included", {Sent(kA, 7, 1), Posted(kNoise), Sent(kB), Posted(kA, 7, 0)}, nullptr, true},
      {"noise filtered", {Sent(kA, 7, 1), Sent(kB), Posted(kA, 7, 0)}, kQuiet, true},
      {"only the ones named", {Sent(kA), Expected{kA}}, Only({kA}), true},
      {"an optional entry absent", {Sent(kA), Optional(Sent(kA)), Sent(kB), Posted(kA)}, kQuiet, true},
      {"an optional entry present", {Sent(kA), Optional(Sent(kB)), Posted(kA)}, kQuiet, true},
      {"noise not filtered", {Sent(kA), Sent(kB), Posted(kA)}, nullptr, false},
      {"wrong wParam", {Sent(kA, 8), Sent(kB), Posted(kA)}, kQuiet, false},
      {"wrong lParam", {Sent(kA, 7, 0), Sent(kB), Posted(kA)}, kQuiet, false},
      {"posted, not sent", {Sent(kA), Sent(kB), Sent(kA)}, kQuiet, false},
      {"one missing at the end", {Sent(kA), Sent(kB), Posted(kA), Sent(kB)}, kQuiet, false},
      {"one more than expected", {Sent(kA), Sent(kB)}, kQuiet, false},
      {"out of order", {Sent(kB), Sent(kA), Posted(kA)}, kQuiet, false},
  };
  for (const auto& c : cases) EXPECT_EQ(bool(MatchesSequence(kRecorded, c.expected, c.filter)), c.matches) << c.what;
}

TEST(MessageSequence, AFailureListsWhatWasExpectedAndWhatCame) {
  const std::string text = MatchesSequence(kRecorded, {Sent(kA, 7, 1), Optional(Posted(kB)), Sent(kB, 3)}, kQuiet)
                               .message();
  EXPECT_NE(text.find("expected entry 2 met sent   0x646 w=0 l=0"), std::string::npos) << text;
  EXPECT_NE(text.find("(optional) posted 0x646 w=* l=*"), std::string::npos) << text;
  EXPECT_NE(text.find("sent   0x646 w=0x3 l=*"), std::string::npos) << text;
  EXPECT_NE(text.find("posted 0x610 w=0x7 l=0"), std::string::npos) << text;
}

}  // namespace
}  // namespace wintest
