// The audio-filter plug-ins of the filter list, loaded from the program
// folder. A file that does not load, lacks Filter2 or does not say it is an
// audio filter is left out; each loaded one is unloaded with its host.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "player/engine/filter_chain.h"

namespace engine {

class PluginHost {
 public:
  PluginHost(const std::string& folder, const std::vector<std::string>& names);
  ~PluginHost();
  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;

  const std::vector<FilterPlugin*>& plugins() const { return view_; }

 private:
  class Loaded;
  std::vector<std::unique_ptr<Loaded>> loaded_;
  std::vector<FilterPlugin*> view_;
};

}  // namespace engine
