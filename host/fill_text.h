// Language texts with one value filled in by hand. A translation may carry
// placeholders the program never passes; formatting it with wsprintfA would
// read arguments that are not there, so only the one expected placeholder is
// filled and every other one stays text.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kv {

// text with the first of `placeholders` replaced by value. "%%" gives "%", as
// it would in a formatted text; any other '%' stays as it is.
inline std::string FillOne(std::string_view text, std::initializer_list<std::string_view> placeholders,
                           std::string_view value) {
  std::string out;
  out.reserve(text.size() + value.size());
  bool filled = false;
  for (size_t at = 0; at < text.size();) {
    const std::string_view rest = text.substr(at);
    size_t taken = 0;
    if (rest.starts_with("%%")) {
      out += '%';
      taken = 2;
    } else if (rest.front() == '%' && !filled) {
      for (const std::string_view p : placeholders)
        if (rest.starts_with(p)) taken = p.size();
      if (taken) out.append(value);
      filled = taken != 0;
    }
    if (!taken) {
      out += rest.front();
      taken = 1;
    }
    at += taken;
  }
  return out;
}

// A text with its one "%s" filled with a name ("Close %s").
inline std::string WithName(std::string_view text, std::string_view name) { return FillOne(text, {"%s"}, name); }

// A text with its one whole-number placeholder ("%lu", "%u", "%d" ...) filled.
inline std::string WithNumber(std::string_view text, unsigned long number) {
  return FillOne(text, {"%lu", "%ld", "%li", "%u", "%d", "%i"}, std::to_string(number));
}

}  // namespace kv
