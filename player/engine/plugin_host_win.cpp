#include "player/engine/plugin_host_win.h"

#include <windows.h>

#include "host/kv_api.h"
#include "host/win_handle.h"

namespace engine {
namespace {

using GetInfoFn = ModuleInfo*(KV_CALL*)(ModuleInfo*);
using Filter2Fn = int32_t(KV_CALL*)(FilterBlock*);
using CleanupFn = int32_t(KV_CALL*)();

}  // namespace

class PluginHost::Loaded : public FilterPlugin {
 public:
  Loaded(kv::Library library, Filter2Fn filter, CleanupFn cleanup)
      : library_(std::move(library)), filter_(filter), cleanup_(cleanup) {}
  int32_t Filter2(FilterBlock* block) override { return filter_(block); }
  void Cleanup() override {
    if (cleanup_) cleanup_();
  }

 private:
  kv::Library library_;
  Filter2Fn filter_;
  CleanupFn cleanup_;
};

PluginHost::PluginHost(const std::string& folder, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    const std::string path = folder + name;
    if (path.size() >= MAX_PATH) continue;
    kv::Library library(LoadLibraryA(path.c_str()));
    const auto getInfo = library.Export<GetInfoFn>("GetInfo");
    const auto filter = library.Export<Filter2Fn>("Filter2");
    if (!getInfo || !filter) continue;
    ModuleInfo info{-1, nullptr};
    if (getInfo(&info) != &info || info.kind != kModuleAudioFilter) continue;
    const auto cleanup = library.Export<CleanupFn>("Cleanup");
    loaded_.push_back(std::make_unique<Loaded>(std::move(library), filter, cleanup));
    view_.push_back(loaded_.back().get());
  }
}

// Unloading runs in reverse order of loading.
PluginHost::~PluginHost() {
  view_.clear();
  while (!loaded_.empty()) loaded_.pop_back();
}

}  // namespace engine
