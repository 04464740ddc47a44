// Skins made by a scenario: a 24-bit bitmap drawn by a function and its
// description, written into the install folder's Varix folder.
#pragma once

#include <string>

#include "tests/support/bitmap_file.h"

namespace gui {

// Writes Varix\<name>.bmp and Varix\<name>.txt into the install folder and
// returns the bitmap's file name, the value for the module's Skin setting.
std::string WriteSkin(const std::string& name, int width, int height, const wintest::PixelFn& pixel,
                      const std::string& description);

// Removes every skin description from the install folder's Varix folder, so
// that only the skins written afterwards are complete.
void RemoveSkins();

}  // namespace gui
