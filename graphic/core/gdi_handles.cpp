#include "graphic/core/gdi_handles.h"

#include <atomic>

namespace vrx::gdi {
namespace {
std::atomic<long> g_live{0};
}

long LiveObjects() { return g_live.load(); }
void Acquired() { ++g_live; }
void Released() { --g_live; }

}  // namespace vrx::gdi
