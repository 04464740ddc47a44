// Reads a skin description into a SkinDescription. The description is an
// initialization file; the reader asks for one value at a time through
// DescriptionSource, and for what lies outside the file (the active filter
// list, message boxes) through SkinEnvironment, so that it runs the same on
// Windows and in native tests.
#pragma once

#include <cstddef>
#include <string>

#include "graphic/core/skin_records.h"

namespace skin {

class DescriptionSource {
 public:
  virtual ~DescriptionSource() = default;
  // The value of key in section (both matched without regard to case), cut
  // to at most maxChars characters; empty when the key is missing.
  virtual std::string Value(const char* section, const char* key, std::size_t maxChars) const = 0;
};

class SkinEnvironment {
 public:
  virtual ~SkinEnvironment() = default;
  // Whether the analyzer plug-in is in the active filter list.
  virtual bool AnalyzerActive() = 0;
  // Shows the skin debug message (only called when Debug is set).
  virtual void ShowDebugMessage(const std::string& text) = 0;
  // Tells the user that the analyzer is not active; the spectrum is left out.
  virtual void ShowAnalyzerInactive() = 0;
};

// The text of the skin debug message for a failed value.
std::string DebugMessage(const char* section, const char* key);

// Reads the whole description. False only when [General] fails; every
// other section only decides its slot's present flag.
bool ReadSkin(const DescriptionSource& source, SkinEnvironment& env, SkinDescription& out);

}  // namespace skin
