#include "tests/gui/test_skin.h"

#include "tests/gui/install_run.h"
#include "tests/support/wintest.h"

namespace gui {

std::string WriteSkin(const std::string& name, int width, int height, const wintest::PixelFn& pixel,
                      const std::string& description) {
  const std::string folder = Install() + "Varix\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  if (!wintest::WriteBitmap(folder + name + ".bmp", width, height, pixel)) return {};
  if (!wintest::WriteFileText(folder + name + ".txt", description)) return {};
  return name + ".bmp";
}

void RemoveSkins() {
  const std::string folder = Install() + "Varix\\";
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "*.txt").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    DeleteFileA((folder + found.cFileName).c_str());
  } while (FindNextFileA(find, &found));
  FindClose(find);
}

}  // namespace gui
