// Draws the wizard's pictures at build time:
//   wizgen OUTPUT_FOLDER
// background.bmp  312 x 240, 8-bit greys (tinted to the button face when
//                 shown: grey 192 is the face itself)
// header.bmp      53 x 53, true colour: a radio dial
// wizard.ico      32 x 32, true colour with a mask: the same dial
#include <cstdio>
#include <string>
#include <vector>

#include "skins/canvas.h"

using namespace skingen;

namespace {

const Rgb kFace = Hex(0xC0C0C0);

// Soft waves rising from the lower right, a little lighter and darker than
// the face, so the tinted page keeps its texts readable.
Canvas Background() {
  Canvas c(312, 240, kFace);
  for (int band = 0; band < 5; ++band) {
    const double r0 = 150 + band * 38, r1 = r0 + 16;
    const Rgb tone = band % 2 ? Hex(0xCACACA) : Hex(0xB8B8B8);
    c.Fill(At(0, 0, 312, 240), Ring(330, 260, r0, r1), Solid(tone));
  }
  return c;
}

void Dial(Canvas& c, double s) {
  const Rgb body = Hex(0x2D6CDF), rim = Hex(0x173B7A), glass = Hex(0xEAF2FF), needle = Hex(0xFF5A36);
  c.Fill(At(0, 0, c.width(), c.height()), Circle(26.5 * s, 26.5 * s, 25 * s), Vertical(At(0, 0, 53 * s, 53 * s), body, rim));
  c.Fill(At(0, 0, c.width(), c.height()), Circle(26.5 * s, 26.5 * s, 18 * s), Solid(glass));
  for (int i = 0; i <= 8; ++i) {
    const double x = (12 + i * 3.6) * s;
    c.Fill(At(0, 0, c.width(), c.height()), Capsule(x, 21 * s, x, (i % 2 ? 25 : 28) * s, 1.2 * s), Solid(rim));
  }
  c.Fill(At(0, 0, c.width(), c.height()), Capsule(30 * s, 15 * s, 24 * s, 39 * s, 2.2 * s), Solid(needle));
}

bool WriteIcon(const std::string& path, const Canvas& c, const Canvas& mask) {
  const int n = c.width();
  const uint32_t xorBytes = uint32_t(n * n * 4), andStride = uint32_t(((n + 31) / 32) * 4);
  const uint32_t imageBytes = 40 + xorBytes + andStride * n;
  std::vector<uint8_t> out(6 + 16 + imageBytes, 0);
  auto put16 = [&](size_t at, uint32_t v) { out[at] = v & 0xFF, out[at + 1] = (v >> 8) & 0xFF; };
  auto put32 = [&](size_t at, uint32_t v) { put16(at, v & 0xFFFF), put16(at + 2, v >> 16); };
  put16(2, 1), put16(4, 1);                                      // an icon, one image
  out[6] = uint8_t(n), out[7] = uint8_t(n), put16(10, 1), put16(12, 32);
  put32(14, imageBytes), put32(18, 22);
  const size_t h = 22;
  put32(h, 40), put32(h + 4, n), put32(h + 8, 2 * n), put16(h + 12, 1), put16(h + 14, 32), put32(h + 20, xorBytes + andStride * n);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      const Rgb p = c.Get(x, n - 1 - y);
      const bool opaque = mask.Get(x, n - 1 - y).r > 127;
      uint8_t* q = &out[h + 40 + (size_t(y) * n + x) * 4];
      q[0] = Byte(p.b), q[1] = Byte(p.g), q[2] = Byte(p.r), q[3] = opaque ? 255 : 0;
      if (!opaque) out[h + 40 + xorBytes + y * andStride + x / 8] |= uint8_t(0x80 >> (x % 8));
    }
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string dir = std::string(argv[1]) + "/";
  Canvas header(53, 53, Hex(0xFFFFFF));
  Dial(header, 1.0);
  Canvas icon(32, 32, Hex(0x000000)), mask(32, 32, Hex(0x000000));
  Dial(icon, 32.0 / 53.0);
  mask.Fill(At(0, 0, 32, 32), Circle(16, 16, 15.5), Solid(Hex(0xFFFFFF)), 1.0, false);
  const bool ok = Background().WriteGreyBmp(dir + "background.bmp") && header.WriteBmp(dir + "header.bmp") &&
                  WriteIcon(dir + "wizard.ico", icon, mask);
  return ok ? 0 : 1;
}
