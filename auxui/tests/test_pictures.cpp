// Draws the pictures of the skinned-control tests at build time:
//   test_pictures OUTPUT_FOLDER
// back8.bmp    40 x 30, 8-bit greys: left half grey 192 (the face), right half grey 64
// back24.bmp   40 x 30, true colour: RGB(10, 200, 90) with a grey-192 left half
// wide8.bmp   400 x 300, 8-bit greys: grey 64 all over, larger than the dialog
// normal.bmp   20 x 20, true colour: grey 128 inside a 3-pixel transparent frame
// hot.bmp      20 x 20, true colour: RGB(200, 40, 40) inside the same frame
#include <string>

#include "skins/canvas.h"

using namespace skingen;

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string dir = std::string(argv[1]) + "/";
  const Rgb key = Hex(0xC0C0C0);

  Canvas back8(40, 30, Hex(0x404040));
  back8.FillRect(At(0, 0, 20, 30), key);
  const Canvas wide8(400, 300, Hex(0x404040));
  Canvas back24(40, 30, Hex(0x0AC85A));
  back24.FillRect(At(0, 0, 20, 30), key);

  auto button = [&](Rgb inside) {
    Canvas c(20, 20, key);
    c.FillRect(At(3, 3, 14, 14), inside);
    return c;
  };
  const bool ok = back8.WriteGreyBmp(dir + "back8.bmp") && wide8.WriteGreyBmp(dir + "wide8.bmp") && back24.WriteBmp(dir + "back24.bmp") &&
                  button(Hex(0x808080)).WriteBmp(dir + "normal.bmp") && button(Hex(0xC82828)).WriteBmp(dir + "hot.bmp");
  return ok ? 0 : 1;
}
