#include "graphic/core/system_command.h"

#include <gtest/gtest.h>

namespace vrx {
namespace {

constexpr uint32_t kSize = 0xF000, kMove = 0xF010, kMaximize = 0xF030, kKeyMenu = 0xF100;
constexpr uint32_t kMoveByMouse = kMove | 2;  // the low bits say how the command was given

TEST(SystemCommand, TakesTheMenusThreePassesTheDesktopsOnAndIgnoresTheRest) {
  using A = SystemCommandAction;
  const struct {
    uint32_t command;
    A action;
  } rows[] = {
      {kCommandClose, A::Close},          {kCommandClose | 2, A::Close},
      {kCommandMinimize, A::Minimize},    {kCommandRestore, A::Restore},
      {kCommandScreenSave, A::Default},   {kCommandMonitorPower, A::Default},
      {kMaximize, A::Ignore},             {kSize, A::Ignore},
      {kMoveByMouse, A::Ignore},          {kKeyMenu, A::Ignore},
  };
  for (const auto& r : rows) EXPECT_EQ(ForSystemCommand(r.command), r.action) << std::hex << r.command;
}

}  // namespace
}  // namespace vrx
