// Checks a recorded run of window messages against the expected one: each
// expected entry may fix wParam, lParam and whether the message was sent,
// may be optional, and messages the test does not care about are filtered
// out first. On a mismatch both lists are printed side by side.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace wintest {

struct Message {
  uint32_t message;
  uintptr_t wParam;
  intptr_t lParam;
  bool sent;  // sent (and answered) rather than posted
};

struct Expected {
  uint32_t message;
  std::optional<uintptr_t> wParam = std::nullopt;  // any when empty
  std::optional<intptr_t> lParam = std::nullopt;
  std::optional<bool> sent = std::nullopt;
  bool optional = false;

  bool Matches(const Message& m) const {
    return m.message == message && (!wParam || *wParam == m.wParam) && (!lParam || *lParam == m.lParam) &&
           (!sent || *sent == m.sent);
  }
};

inline Expected Sent(uint32_t message, std::optional<uintptr_t> w = std::nullopt,
                     std::optional<intptr_t> l = std::nullopt) {
  return {message, w, l, true};
}
inline Expected Posted(uint32_t message, std::optional<uintptr_t> w = std::nullopt,
                       std::optional<intptr_t> l = std::nullopt) {
  return {message, w, l, false};
}
inline Expected Optional(Expected e) {
  e.optional = true;
  return e;
}

// Which messages a check looks at; the others are noise.
using MessageFilter = std::function<bool(const Message&)>;
inline MessageFilter Only(std::vector<uint32_t> messages) {
  return [messages](const Message& m) {
    for (uint32_t wanted : messages)
      if (m.message == wanted) return true;
    return false;
  };
}

namespace detail {

inline std::string Hex(std::optional<unsigned long long> value) {
  if (!value) return "*";
  char text[24];
  std::snprintf(text, sizeof text, "%#llx", *value);
  return text;
}

inline std::string Describe(const Message& m) {
  return std::string(m.sent ? "sent   " : "posted ") + Hex(m.message) + " w=" + Hex(m.wParam) +
         " l=" + Hex(static_cast<unsigned long long>(m.lParam));
}

inline std::string Describe(const Expected& e) {
  const auto w = e.wParam ? std::optional<unsigned long long>(*e.wParam) : std::nullopt;
  const auto l = e.lParam ? std::optional<unsigned long long>(static_cast<unsigned long long>(*e.lParam)) : std::nullopt;
  return std::string(e.optional ? "(optional) " : "") + (!e.sent ? "any    " : *e.sent ? "sent   " : "posted ") +
         Hex(e.message) + " w=" + Hex(w) + " l=" + Hex(l);
}

}  // namespace detail

// Walks both lists as Wine's ok_sequence does: an optional entry that does
// not match is skipped; anything else that does not match fails.
inline testing::AssertionResult MatchesSequence(const std::vector<Message>& recorded,
                                                const std::vector<Expected>& expected,
                                                const MessageFilter& wanted = nullptr) {
  std::vector<Message> actual;
  for (const Message& m : recorded)
    if (!wanted || wanted(m)) actual.push_back(m);
  size_t a = 0, e = 0;
  std::string fault;
  while (e < expected.size() && fault.empty()) {
    if (a < actual.size() && expected[e].Matches(actual[a])) {
      ++a;
      ++e;
    } else if (expected[e].optional) {
      ++e;
    } else {
      fault = "expected entry " + std::to_string(e) + " " +
              (a < actual.size() ? "met " + detail::Describe(actual[a]) : "met the end");
    }
  }
  if (fault.empty() && a < actual.size()) fault = "more than expected from " + detail::Describe(actual[a]);
  if (fault.empty()) return testing::AssertionSuccess();
  testing::AssertionResult result = testing::AssertionFailure();
  result << fault << "\n  expected:\n";
  for (const Expected& x : expected) result << "    " << detail::Describe(x) << "\n";
  result << "  actual:\n";
  for (const Message& m : actual) result << "    " << detail::Describe(m) << "\n";
  return result;
}

}  // namespace wintest
