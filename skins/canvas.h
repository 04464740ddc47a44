// A small software canvas for drawing the skins' bitmaps: shapes given as
// inside tests are filled with 4 x 4 supersampling, so edges are smooth;
// 24-bit (or 8-bit grey) BMP output. Only for the generators that draw pictures at build time.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace skingen {

struct Rgb {
  double r = 0, g = 0, b = 0;  // 0..255
};

// A colour component as a byte, rounded.
inline uint8_t Byte(double v) { return uint8_t(std::lround(std::clamp(v, 0.0, 255.0))); }

inline Rgb Hex(uint32_t v) { return {double((v >> 16) & 0xFF), double((v >> 8) & 0xFF), double(v & 0xFF)}; }
inline Rgb Mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Rgb Scale(Rgb a, double f) { return {a.r * f, a.g * f, a.b * f}; }

struct Box {
  double x0, y0, x1, y1;  // x1, y1 exclusive
  double w() const { return x1 - x0; }
  double h() const { return y1 - y0; }
  double cx() const { return (x0 + x1) / 2; }
  double cy() const { return (y0 + y1) / 2; }
};
inline Box At(double x, double y, double w, double h) { return {x, y, x + w, y + h}; }

using Inside = std::function<bool(double x, double y)>;
using Paint = std::function<Rgb(double x, double y)>;

inline Paint Solid(Rgb c) {
  return [c](double, double) { return c; };
}
inline Paint Vertical(Box b, Rgb top, Rgb bottom) {
  return [=](double, double y) { return Mix(top, bottom, (y - b.y0) / std::max(1.0, b.h())); };
}

// Shapes, in pixel coordinates (a pixel's centre is at x + 0.5).
inline Inside RoundRect(Box b, double r) {
  return [=](double x, double y) {
    if (x < b.x0 || x >= b.x1 || y < b.y0 || y >= b.y1) return false;
    const double dx = std::max({b.x0 + r - x, 0.0, x - (b.x1 - r)});
    const double dy = std::max({b.y0 + r - y, 0.0, y - (b.y1 - r)});
    return dx * dx + dy * dy <= r * r;
  };
}
inline Inside Circle(double cx, double cy, double r) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}
inline Inside Ring(double cx, double cy, double r0, double r1) {
  return [=](double x, double y) {
    const double d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
    return d >= r0 * r0 && d <= r1 * r1;
  };
}
// A thick line with round ends.
inline Inside Capsule(double ax, double ay, double bx, double by, double width) {
  return [=](double x, double y) {
    const double vx = bx - ax, vy = by - ay;
    const double len2 = vx * vx + vy * vy;
    double t = len2 > 0 ? ((x - ax) * vx + (y - ay) * vy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double dx = x - (ax + t * vx), dy = y - (ay + t * vy);
    return dx * dx + dy * dy <= width * width / 4;
  };
}
inline Inside Triangle(double ax, double ay, double bx, double by, double cx, double cy) {
  return [=](double x, double y) {
    auto side = [](double px, double py, double qx, double qy, double x, double y) {
      return (qx - px) * (y - py) - (qy - py) * (x - px);
    };
    const double d1 = side(ax, ay, bx, by, x, y), d2 = side(bx, by, cx, cy, x, y), d3 = side(cx, cy, ax, ay, x, y);
    return (d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0);
  };
}
inline Inside Rect(Box b) {
  return [=](double x, double y) { return x >= b.x0 && x < b.x1 && y >= b.y0 && y < b.y1; };
}
inline Inside Union(Inside a, Inside b) {
  return [=](double x, double y) { return a(x, y) || b(x, y); };
}
inline Inside Minus(Inside a, Inside b) {
  return [=](double x, double y) { return a(x, y) && !b(x, y); };
}

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill) : w_(width), h_(height), px_(size_t(width) * height, fill) {}
  int width() const { return w_; }
  int height() const { return h_; }

  Rgb Get(int x, int y) const { return px_[size_t(y) * w_ + x]; }
  void Set(int x, int y, Rgb c) {
    if (x >= 0 && y >= 0 && x < w_ && y < h_) px_[size_t(y) * w_ + x] = c;
  }
  void Blend(int x, int y, Rgb c, double a) {
    if (x >= 0 && y >= 0 && x < w_ && y < h_) px_[size_t(y) * w_ + x] = Mix(px_[size_t(y) * w_ + x], c, a);
  }

  // Fills a shape inside the box with smooth edges, or hard edges (for the
  // window's outline against the transparent colour).
  void Fill(Box area, const Inside& inside, const Paint& paint, double alpha = 1.0, bool smooth = true) {
    constexpr int kSub = 4;
    for (int y = int(std::floor(area.y0)); y < int(std::ceil(area.y1)); ++y)
      for (int x = int(std::floor(area.x0)); x < int(std::ceil(area.x1)); ++x) {
        double cover;
        if (smooth) {
          int hits = 0;
          for (int sy = 0; sy < kSub; ++sy)
            for (int sx = 0; sx < kSub; ++sx) hits += inside(x + (sx + 0.5) / kSub, y + (sy + 0.5) / kSub);
          cover = double(hits) / (kSub * kSub);
        } else {
          cover = inside(x + 0.5, y + 0.5) ? 1 : 0;
        }
        if (cover > 0) Blend(x, y, paint(x + 0.5, y + 0.5), cover * alpha);
      }
  }
  void FillRect(Box b, Rgb c) { Fill(b, Rect(b), Solid(c), 1.0, false); }

  // Copies a rectangle of this canvas to another place of it.
  void Copy(int sx, int sy, int w, int h, int dx, int dy) {
    std::vector<Rgb> tmp;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) tmp.push_back(Get(sx + x, sy + y));
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) Set(dx + x, dy + y, tmp[size_t(y) * w + x]);
  }

  // 8 bits per pixel with a palette of the 256 greys, each pixel the grey of
  // its red component: artwork that a palette tint recolours.
  bool WriteGreyBmp(const std::string& path) const {
    const int stride = (w_ + 3) & ~3;
    const uint32_t offset = 54 + 256 * 4;
    const uint32_t dataSize = uint32_t(stride) * h_;
    std::vector<uint8_t> out(offset + dataSize, 0);
    Header(out, offset, dataSize, 8);
    for (uint32_t i = 0; i < 256; ++i) out[54 + i * 4] = out[55 + i * 4] = out[56 + i * 4] = uint8_t(i);
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x)
        out[offset + size_t(y) * stride + x] = Byte(Get(x, h_ - 1 - y).r);
    return Save(path, out);
  }

  bool WriteBmp(const std::string& path) const {
    const int stride = (w_ * 3 + 3) & ~3;
    const uint32_t dataSize = uint32_t(stride) * h_;
    std::vector<uint8_t> out(54 + dataSize, 0);
    Header(out, 54, dataSize, 24);
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x) {
        const Rgb c = Get(x, h_ - 1 - y);
        uint8_t* p = &out[54 + size_t(y) * stride + size_t(x) * 3];
        p[0] = Byte(c.b);
        p[1] = Byte(c.g);
        p[2] = Byte(c.r);
      }
    return Save(path, out);
  }

 private:
  void Header(std::vector<uint8_t>& out, uint32_t offset, uint32_t dataSize, uint32_t bits) const {
    auto put16 = [&](size_t at, uint32_t v) { out[at] = v & 0xFF, out[at + 1] = (v >> 8) & 0xFF; };
    auto put32 = [&](size_t at, uint32_t v) { put16(at, v & 0xFFFF), put16(at + 2, v >> 16); };
    out[0] = 'B', out[1] = 'M';
    put32(2, uint32_t(out.size()));
    put32(10, offset);
    put32(14, 40);
    put32(18, uint32_t(w_));
    put32(22, uint32_t(h_));  // bottom-up rows
    put16(26, 1);
    put16(28, bits);
    put32(34, dataSize);
    put32(38, 2835);  // 72 dpi
    put32(42, 2835);
    if (bits == 8) put32(46, 256);
  }
  static bool Save(const std::string& path, const std::vector<uint8_t>& out) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
  }

  int w_, h_;
  std::vector<Rgb> px_;
};

}  // namespace skingen
