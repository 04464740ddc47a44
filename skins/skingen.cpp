// Draws the bitmaps of the suite's skins: Nightfall (the default) and
// Daylight. The descriptions (.txt) are written by hand beside this file and
// must name the same places; skins/README in docs/skins.md shows the layout.
//
//   skingen OUTPUT_FOLDER [LAYOUT_BMP LEGEND_TXT]
//
// writes Nightfall.bmp and Daylight.bmp, and with LAYOUT_BMP a picture of the
// default skin's bitmap at three times its size with every area outlined and
// numbered; LEGEND_TXT lists the numbers.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "skins/canvas.h"
#include "skins/pixel_font.h"

namespace skingen {
namespace {

constexpr double kPi = 3.14159265358979323846;
const Rgb kTransparent = Hex(0xFF00FF);
const Rgb kWhite = Hex(0xFFFFFF);
const Rgb kBlack = Hex(0x000000);

// A named area of a bitmap, for the layout picture.
struct Area {
  std::string tag;
  Box box;
  bool atlas;  // a picture below the background rather than a window place
};

struct Theme {
  Rgb bodyTop, bodyBottom, bar, edge, panel, panelEdge, face, faceEdge, icon, label, accent, warm, danger;
  Rgb ledOff, barLow, barHigh, litText;
};

const Theme kNight = {
    Hex(0x222833), Hex(0x14181f), Hex(0x1a1f28), Hex(0x3a4354), Hex(0x0a0e13), Hex(0x2c3444),
    Hex(0x2a313d), Hex(0x3b4556), Hex(0xaeb8c8), Hex(0x6f7b8f), Hex(0x3ec7ff), Hex(0xff9a3d),
    Hex(0xff4d5e), Hex(0x18212b), Hex(0x2ee6a8), Hex(0xff5fa2), Hex(0xffffff),
};
const Theme kDay = {
    Hex(0xf3f5f8), Hex(0xdde2e9), Hex(0xe8ecf1), Hex(0xb5bfcc), Hex(0xfbfcfe), Hex(0xc3cbd6),
    Hex(0xeef1f5), Hex(0xb9c2cf), Hex(0x4a5566), Hex(0x7a8596), Hex(0x1f6feb), Hex(0xf08a24),
    Hex(0xe5484d), Hex(0xe6ebf1), Hex(0x12b5a6), Hex(0x1f6feb), Hex(0x1b2330),
};

class Skin {
 public:
  Skin(int width, int height, int bitmapHeight, const Theme& theme)
      : c_(width, bitmapHeight, kBlack), w_(width), h_(height), t_(theme) {}

  Canvas& canvas() { return c_; }
  const std::vector<Area>& areas() const { return areas_; }
  void Name(const std::string& tag, Box b, bool atlas) { areas_.push_back({tag, b, atlas}); }

  // Window body with rounded corners on the transparent colour.
  void Body(int barHeight) {
    const Box all = At(0, 0, w_, h_);
    c_.FillRect(all, kTransparent);
    const Inside shape = RoundRect(all, 12);
    c_.Fill(all, shape, Vertical(all, t_.bodyTop, t_.bodyBottom), 1.0, false);
    const Box bar = At(0, 0, w_, barHeight);
    c_.Fill(bar, [=](double x, double y) { return shape(x, y) && Rect(bar)(x, y); }, Solid(t_.bar), 1.0, false);
    c_.FillRect(At(12, barHeight, w_ - 24, 1), t_.edge);
    // A one-pixel rim just inside the outline.
    c_.Fill(all, Minus(shape, RoundRect(At(1, 1, w_ - 2, h_ - 2), 11)), Solid(t_.edge), 1.0, false);
  }

  void Panel(Box b, double radius = 6) {
    c_.Fill(b, RoundRect(b, radius), Solid(t_.panelEdge));
    const Box in = {b.x0 + 1, b.y0 + 1, b.x1 - 1, b.y1 - 1};
    c_.Fill(in, RoundRect(in, radius - 1), Vertical(in, Scale(t_.panel, 0.92), t_.panel));
  }

  void Logo(int x, int y, const std::string& text) {
    // Three rising bars, then the name.
    for (int i = 0; i < 3; ++i) {
      const Box bar = At(x + i * 4, y + 6 - i * 3, 3, 3 + i * 3);
      c_.Fill(bar, RoundRect(bar, 1), Solid(Mix(t_.accent, t_.warm, i / 2.0)));
    }
    DrawText(c_, x + 15, y, text, t_.icon);
  }

  // ---- buttons: the face drawn into the background is the normal image;
  // the alternative (pressed or on) image goes into the atlas.
  void RoundFace(Box b, bool lit, Rgb litColor) {
    const double r = b.w() / 2;
    c_.Fill(b, Circle(b.cx(), b.cy(), r), Solid(lit ? Scale(litColor, 0.75) : t_.faceEdge));
    c_.Fill(b, Circle(b.cx(), b.cy(), r - 1),
            Vertical(b, lit ? litColor : Mix(t_.face, kWhite, 0.06), lit ? Scale(litColor, 0.8) : t_.face));
  }
  void RoundMask(Box b) {
    c_.FillRect(b, kBlack);
    c_.Fill(b, Circle(b.cx(), b.cy(), b.w() / 2), Solid(kWhite), 1.0, false);
  }
  void RectFace(Box b, double radius, bool lit, Rgb litColor) {
    c_.Fill(b, RoundRect(b, radius), Solid(lit ? Scale(litColor, 0.7) : t_.faceEdge));
    const Box in = {b.x0 + 1, b.y0 + 1, b.x1 - 1, b.y1 - 1};
    c_.Fill(in, RoundRect(in, radius - 1),
            Vertical(in, lit ? Mix(litColor, kWhite, 0.15) : Mix(t_.face, kWhite, 0.07),
                     lit ? Scale(litColor, 0.85) : t_.face));
  }
  void RectMask(Box b, double radius) {
    c_.FillRect(b, kBlack);
    c_.Fill(b, RoundRect(b, radius), Solid(kWhite), 1.0, false);
  }

  // Icons, drawn centred in a box.
  void Icon(const std::string& name, Box b, Rgb color) {
    const double cx = b.cx(), cy = b.cy(), s = b.w() / 18.0;
    auto fill = [&](const Inside& in) { c_.Fill(b, in, Solid(color)); };
    if (name == "power") {
      const Inside ring = Ring(cx, cy + 0.5 * s, 4.2 * s, 5.6 * s);
      fill(Minus(ring, Triangle(cx, cy, cx - 5 * s, cy - 8 * s, cx + 5 * s, cy - 8 * s)));
      fill(Capsule(cx, cy - 5.5 * s, cx, cy - 0.5 * s, 1.6 * s));
    } else if (name == "close") {
      fill(Union(Capsule(cx - 3.5 * s, cy - 3.5 * s, cx + 3.5 * s, cy + 3.5 * s, 1.7 * s),
                 Capsule(cx - 3.5 * s, cy + 3.5 * s, cx + 3.5 * s, cy - 3.5 * s, 1.7 * s)));
    } else if (name == "minimize") {
      fill(Capsule(cx - 4 * s, cy + 2.5 * s, cx + 4 * s, cy + 2.5 * s, 1.8 * s));
    } else if (name == "help") {
      DrawTextCentred(c_, b, "?", color);
    } else if (name == "gear") {
      c_.Fill(b,
              [=](double x, double y) {
                const double dx = x - cx, dy = y - cy, r = std::sqrt(dx * dx + dy * dy);
                const double a = std::atan2(dy, dx);
                const double outer = (std::cos(6 * a) > 0.2 ? 5.6 : 4.3) * s;
                return r <= outer && r >= 1.8 * s;
              },
              Solid(color));
    } else if (name == "pin") {  // keep on top: a bar with an arrow under it
      fill(Capsule(cx - 4 * s, cy - 4 * s, cx + 4 * s, cy - 4 * s, 1.5 * s));
      fill(Triangle(cx, cy - 2 * s, cx - 4 * s, cy + 2 * s, cx + 4 * s, cy + 2 * s));
      fill(Capsule(cx, cy + 1 * s, cx, cy + 5 * s, 1.6 * s));
    } else if (name == "gui") {  // another window
      const Box back = At(cx - 4.5 * s, cy - 4.5 * s, 6.5 * s, 6.5 * s);
      const Box front = At(cx - 2 * s, cy - 2 * s, 6.5 * s, 6.5 * s);
      fill(Minus(RoundRect(back, 1), RoundRect(At(back.x0 + 1.4 * s, back.y0 + 1.4 * s, 3.7 * s, 3.7 * s), 0.5)));
      fill(Minus(RoundRect(front, 1), RoundRect(At(front.x0 + 1.4 * s, front.y0 + 1.4 * s, 3.7 * s, 3.7 * s), 0.5)));
    } else if (name == "app") {  // launch: an arrow out of a box
      const Box frame = At(cx - 4.5 * s, cy - 3 * s, 7.5 * s, 7.5 * s);
      fill(Minus(RoundRect(frame, 1), RoundRect(At(frame.x0 + 1.4 * s, frame.y0 + 1.4 * s, 4.7 * s, 4.7 * s), 0.5)));
      fill(Capsule(cx - 0.5 * s, cy + 0.5 * s, cx + 4.5 * s, cy - 4.5 * s, 1.5 * s));
      fill(Triangle(cx + 5.5 * s, cy - 5.5 * s, cx + 1.5 * s, cy - 5.5 * s, cx + 5.5 * s, cy - 1.5 * s));
    } else if (name == "guiapp") {
      DrawTextCentred(c_, b, "+", color);
      fill(Ring(cx, cy, 4.8 * s, 6 * s));
    } else if (name == "previous") {
      fill(Capsule(cx - 6 * s, cy - 4 * s, cx - 6 * s, cy + 4 * s, 1.8 * s));
      fill(Triangle(cx - 5 * s, cy, cx + 1 * s, cy - 4.5 * s, cx + 1 * s, cy + 4.5 * s));
      fill(Triangle(cx + 0.5 * s, cy, cx + 6.5 * s, cy - 4.5 * s, cx + 6.5 * s, cy + 4.5 * s));
    } else if (name == "next") {
      fill(Capsule(cx + 6 * s, cy - 4 * s, cx + 6 * s, cy + 4 * s, 1.8 * s));
      fill(Triangle(cx + 5 * s, cy, cx - 1 * s, cy - 4.5 * s, cx - 1 * s, cy + 4.5 * s));
      fill(Triangle(cx - 0.5 * s, cy, cx - 6.5 * s, cy - 4.5 * s, cx - 6.5 * s, cy + 4.5 * s));
    } else if (name == "up") {
      fill(Triangle(cx, cy - 3, cx - 6, cy + 3, cx + 6, cy + 3));
    } else if (name == "down") {
      fill(Triangle(cx, cy + 3, cx - 6, cy - 3, cx + 6, cy - 3));
    }
  }

  // A toggle: a label and a small lamp.
  void Toggle(Box b, const std::string& label, bool on, Rgb lamp) {
    RectFace(b, 4, false, t_.accent);
    const double ly = b.cy();
    c_.Fill(b, Circle(b.x0 + 8, ly, 3), Solid(on ? lamp : t_.ledOff));
    if (on) c_.Fill(At(b.x0, b.y0, 16, b.h()), Circle(b.x0 + 8, ly, 5.5), Solid(lamp), 0.25);
    DrawText(c_, int(b.x0) + 15, int(std::lround(ly - 3.5)), label, on ? t_.litText : t_.icon);
  }

  // ---- sliders
  void VerticalGroove(int x, int top, int bottom, int ticks) {
    const Box g = {x - 2.0, double(top), x + 2.0, double(bottom)};
    c_.Fill(g, RoundRect(g, 2), Solid(Groove()));
    c_.Fill(g, RoundRect({g.x0 + 1, g.y0 + 1, g.x1, g.y1}, 1.5), Solid(t_.edge), 0.35);
    for (int i = 0; i <= ticks; ++i) {
      const int y = top + 2 + (bottom - top - 5) * i / ticks;
      c_.FillRect(At(x - 7, y, 3, 1), t_.label);
      c_.FillRect(At(x + 5, y, 3, 1), t_.label);
    }
  }
  void HorizontalGroove(int left, int right, int y) {
    const Box g = {double(left), y - 2.0, double(right), y + 2.0};
    c_.Fill(g, RoundRect(g, 2), Solid(Groove()));
    c_.Fill(g, RoundRect({g.x0 + 1, g.y0 + 1, g.x1, g.y1}, 1.5), Solid(t_.edge), 0.35);
  }
  Rgb Groove() const { return Mix(t_.panelEdge, kBlack, 0.45); }
  void Thumb(Box b, Rgb stripe, bool vertical) {
    c_.Fill(b, RoundRect(b, 3), Solid(Scale(t_.icon, 0.7)));
    const Box in = {b.x0 + 1, b.y0 + 1, b.x1 - 1, b.y1 - 1};
    c_.Fill(in, RoundRect(in, 2), Vertical(in, Mix(t_.icon, kWhite, 0.5), t_.icon));
    if (vertical)
      c_.FillRect(At(b.x0 + 3, std::floor(b.cy()), b.w() - 6, 1), stripe);
    else
      c_.FillRect(At(std::floor(b.cx()), b.y0 + 3, 1, b.h() - 6), stripe);
  }

  // ---- the spectrum's six pictures (see the skin format guide)
  void SpectrumPictures(int x, int y, int w, int h, int left, int bandWidth, int bands, int top, int bottom,
                        int peakHeight) {
    const Rgb panel = t_.panel;
    auto column = [&](int px) {  // index of the band at this column, or -1 in a gap
      const int rel = px - left;
      if (rel < 0 || rel >= bands * bandWidth) return -1;
      return (rel % bandWidth) < bandWidth - 2 ? rel / bandWidth : -1;
    };
    const int base = h - bottom;
    for (int py = 0; py < h; ++py)
      for (int px = 0; px < w; ++px) {
        const bool segment = py >= top && py < base && ((base - 1 - py) % 3) != 2 && column(px) >= 0;
        const double level = double(base - py) / double(base - top);
        // bar background: unlit segments; lit bars: a colour ramp by height
        c_.Set(x + px, y + py, segment ? t_.ledOff : panel);
        Rgb lit = level < 0.6 ? Mix(t_.barLow, t_.accent, level / 0.6) : Mix(t_.accent, t_.barHigh, (level - 0.6) / 0.4);
        c_.Set(x + px, y + h + py, segment ? lit : panel);
        // waveform background: faint grid and the centre line
        const bool grid = (px % 16 == 0 || py == h / 2) && py > 1 && py < h - 2;
        c_.Set(x + w + px, y + py, grid ? Mix(panel, t_.label, py == h / 2 ? 0.45 : 0.18) : panel);
        // waveform trace colours: brightest near the centre
        const double dist = std::fabs(py - h / 2.0) / (h / 2.0);
        c_.Set(x + w + px, y + h + py, Mix(Mix(t_.accent, kWhite, 0.55), t_.barHigh, dist));
      }
    for (int py = 0; py < peakHeight; ++py)
      for (int px = 0; px < w; ++px) {
        const bool on = column(px) >= 0;
        c_.Set(x + px, y + 2 * h + py, on ? Mix(kWhite, t_.accent, 0.2) : panel);  // peak strip
        c_.Set(x + w + px, y + 2 * h + py, on ? kWhite : kBlack);                   // peak mask
      }
  }

 private:
  Canvas c_;
  int w_, h_;
  const Theme& t_;
  std::vector<Area> areas_;
};

// ================================================================ Nightfall

void DrawNightfall(Skin& s) {
  const Theme& t = kNight;
  Canvas& c = s.canvas();
  constexpr int kW = 560, kH = 250;
  c.FillRect(At(0, kH, kW, c.height() - kH), kBlack);
  s.Body(28);
  s.Logo(16, 11, "TAVRIN FM");

  // Title bar buttons, each with its lit picture in the atlas.
  struct Round {
    const char* tag;
    const char* icon;
    int x;
  };
  const Round rounds[] = {{"GUI", "gui", 332},         {"APP", "app", 354},       {"GUIAPP", "guiapp", 376},
                          {"TOPMOST", "pin", 398},     {"SETUP", "gear", 420},    {"HELP", "help", 442},
                          {"MINIMIZE", "minimize", 470}, {"CLOSEGUI", "close", 492}, {"EXIT", "power", 520}};
  for (int i = 0; i < 9; ++i) {
    const Box b = At(rounds[i].x, 5, 18, 18);
    const bool exit = std::string(rounds[i].icon) == "power";
    s.RoundFace(b, false, t.accent);
    s.Icon(rounds[i].icon, b, exit ? t.warm : t.icon);
    s.Name(rounds[i].tag, b, false);
    const Box alt = At(264 + 20 * i, 252, 18, 18);
    c.FillRect(alt, t.bar);
    s.RoundFace(alt, true, exit ? t.warm : t.accent);
    s.Icon(rounds[i].icon, alt, kWhite);
    s.Name(std::string(rounds[i].tag) + "*", alt, true);
  }
  s.RoundMask(At(444, 252, 18, 18));
  s.Name("ROUND MASK", At(444, 252, 18, 18), true);

  // The display: station, stereo lamp, clocks and recording.
  s.Panel({12, 34, 300, 118});
  for (int y = 36; y < 116; y += 2) c.Fill(At(13, y, 286, 1), Rect(At(13, y, 286, 1)), Solid(Hex(0x0d1219)), 0.6);
  DrawText(c, 26, 42, "STEREO", t.ledOff);
  s.Name("STEREO", At(22, 40, 44, 11), false);
  c.FillRect(At(300, 320, 44, 11), t.panel);
  DrawText(c, 304, 322, "STEREO", t.accent);
  c.Fill(At(300, 320, 44, 11), Rect(At(300, 320, 44, 11)), Solid(t.accent), 0.12);
  s.Name("STEREO*", At(300, 320, 44, 11), true);
  s.Name("STATION", At(22, 54, 268, 26), false);
  s.Name("TIME", At(22, 88, 150, 14), false);
  s.Name("RECORD", At(180, 88, 110, 14), false);
  DrawText(c, 22, 106, "LOCAL   SHIFTED", t.label, 1, 0.6);
  DrawText(c, 180, 106, "REC / FREE", t.label, 1, 0.6);

  // The spectrum view and its pictures.
  s.Panel({308, 34, 444, 118});
  s.SpectrumPictures(0, 252, 128, 76, 0, 8, 16, 2, 2, 2);
  c.Copy(0, 252, 128, 76, 312, 38);  // the view shows its bar background when off
  s.Name("SPECTRUM", At(312, 38, 128, 76), false);
  s.Name("BARS OFF", At(0, 252, 128, 76), true);
  s.Name("BARS LIT", At(0, 328, 128, 76), true);
  s.Name("WAVE BG", At(128, 252, 128, 76), true);
  s.Name("WAVE TRACE", At(128, 328, 128, 76), true);
  s.Name("PEAK/MASK", At(0, 404, 256, 2), true);

  // The station list with its scroll areas.
  s.Panel({448, 34, 548, 118});
  s.Icon("up", At(486, 36, 24, 10), t.label);
  s.Icon("down", At(486, 106, 24, 10), t.label);
  s.Name("UP", At(486, 36, 24, 10), false);
  s.Name("DOWN", At(486, 106, 24, 10), false);
  s.Name("LIST", At(452, 48, 92, 56), false);
  for (int i = 0; i < 2; ++i) {
    const Box alt = At(264 + 28 * i, 340, 24, 10);
    c.FillRect(alt, t.panel);
    s.Icon(i == 0 ? "up" : "down", alt, t.accent);
    s.Name(i == 0 ? "UP*" : "DOWN*", alt, true);
    const Box mask = At(320 + 28 * i, 340, 24, 10);
    c.FillRect(mask, kBlack);
    s.Icon(i == 0 ? "up" : "down", mask, kWhite);
    c.Fill(mask, RoundRect({mask.x0 + 4, mask.y0, mask.x1 - 4, mask.y1}, 3), Solid(kWhite), 1.0, false);
    s.Name(i == 0 ? "UP MASK" : "DOWN MASK", mask, true);
  }

  // Twelve station buttons and the two step buttons.
  for (int i = 0; i < 12; ++i) {
    const Box b = At(12 + 38 * i, 124, 36, 22);
    s.RectFace(b, 5, false, t.accent);
    s.Name("S" + std::to_string(i + 1), b, false);
  }
  const Box stationAlt = At(264, 274, 36, 22);
  c.FillRect(stationAlt, t.bodyTop);
  s.RectFace(stationAlt, 5, true, t.accent);
  s.Name("S*", stationAlt, true);
  s.RectMask(At(302, 274, 36, 22), 5);
  s.Name("S MASK", At(302, 274, 36, 22), true);
  const char* steps[] = {"previous", "next"};
  for (int i = 0; i < 2; ++i) {
    const Box b = At(474 + 40 * i, 124, 34, 22);
    s.RectFace(b, 5, false, t.accent);
    s.Icon(steps[i], b, t.icon);
    s.Name(i == 0 ? "PREV" : "NEXT", b, false);
    const Box alt = At(340 + 36 * i, 274, 34, 22);
    c.FillRect(alt, t.bodyTop);
    s.RectFace(alt, 5, true, t.accent);
    s.Icon(steps[i], alt, kWhite);
    s.Name(i == 0 ? "PREV*" : "NEXT*", alt, true);
  }
  s.RectMask(At(412, 274, 34, 22), 5);
  s.Name("STEP MASK", At(412, 274, 34, 22), true);

  // Toggles: stereo, record, freeze, advanced functions.
  struct Lamp {
    const char* label;
    const char* tag;
    Rgb color;
  };
  const Lamp lamps[] = {{"STEREO", "FORCE", t.accent}, {"REC", "REC", t.danger}, {"FREEZE", "FREEZE", t.accent},
                        {"ADV", "ENGAGE", t.warm}};
  for (int i = 0; i < 4; ++i) {
    const Box b = At(12 + 56 * i, 152, 52, 20);
    s.Toggle(b, lamps[i].label, false, lamps[i].color);
    s.Name(lamps[i].tag, b, false);
    const Box alt = At(264 + 54 * i, 298, 52, 20);
    c.FillRect(alt, t.bodyTop);
    s.Toggle(alt, lamps[i].label, true, lamps[i].color);
    s.Name(std::string(lamps[i].tag) + "*", alt, true);
  }

  // Time shift: the path runs leftwards from the live end at the right.
  DrawText(c, 236, 158, "SHIFT", t.label);
  s.HorizontalGroove(274, 546, 162);
  s.Name("TIMESHIFT", At(272, 154, 276, 16), false);
  s.Thumb(At(402, 320, 10, 16), t.warm, false);
  s.Name("SHIFT THUMB", At(402, 320, 10, 16), true);
  s.RectMask(At(416, 320, 10, 16), 3);
  s.Name("SHIFT MASK", At(416, 320, 10, 16), true);

  // The mixer: six volume strips with a mute button each.
  s.Panel({8, 178, 252, 247}, 6);
  const char* strips[] = {"MAIN", "REC", "WAVE", "FM", "RADIO", "ALL"};
  for (int i = 0; i < 6; ++i) {
    const int x = 12 + 40 * i;
    DrawTextCentred(c, At(x, 181, 40, 9), strips[i], t.label);
    s.VerticalGroove(x + 20, 192, 226, 4);
    s.Name(std::string("V-") + strips[i], At(x + 13, 192, 14, 35), false);
    const Box mute = At(x + 4, 232, 32, 12);
    s.RectFace(mute, 3, false, t.danger);
    DrawTextCentred(c, mute, "MUTE", t.label);
    s.Name(std::string("M-") + strips[i], mute, false);
  }
  const Box muteAlt = At(264, 320, 32, 12);
  c.FillRect(muteAlt, t.panel);
  s.RectFace(muteAlt, 3, true, t.danger);
  DrawTextCentred(c, muteAlt, "MUTE", kWhite);
  s.Name("MUTE*", muteAlt, true);
  s.Thumb(At(348, 320, 14, 8), t.accent, true);
  s.Name("VOL THUMB", At(348, 320, 14, 8), true);
  s.Thumb(At(366, 320, 14, 8), t.warm, true);
  s.Name("EQ THUMB", At(366, 320, 14, 8), true);
  s.RectMask(At(384, 320, 14, 8), 3);
  s.Name("THUMB MASK", At(384, 320, 14, 8), true);

  // The equalizer: its switch and ten bands.
  s.Panel({258, 178, 552, 247}, 6);
  const Box eq = At(266, 184, 36, 14);
  s.RectFace(eq, 3, false, t.accent);
  DrawTextCentred(c, eq, "EQ", t.icon);
  s.Name("EQ", eq, false);
  const Box eqAlt = At(482, 298, 36, 14);
  c.FillRect(eqAlt, t.panel);
  s.RectFace(eqAlt, 3, true, t.accent);
  DrawTextCentred(c, eqAlt, "EQ", kWhite);
  s.Name("EQ*", eqAlt, true);
  // Gain scale: the top of a band is +400 %, its middle 0, its bottom -100 %.
  DrawText(c, 304, 187, "+", t.label, 1, 0.8);
  DrawText(c, 304, 203, "0", t.label, 1, 0.8);
  DrawText(c, 304, 218, "-", t.label, 1, 0.8);
  const char* freqs[] = {"31", "63", "125", "250", "500", "1K", "2K", "4K", "8K", "16K"};
  for (int k = 0; k < 10; ++k) {
    const int x = 312 + 23 * k;
    s.VerticalGroove(x + 7, 186, 226, 2);
    DrawTextCentred(c, At(x - 4, 231, 22, 9), freqs[k], t.label);
    s.Name("B" + std::to_string(k + 1), At(x, 186, 14, 41), false);
  }
}

// ================================================================ Daylight

void DrawDaylight(Skin& s) {
  const Theme& t = kDay;
  Canvas& c = s.canvas();
  constexpr int kW = 340, kH = 124;
  c.FillRect(At(0, kH, kW, c.height() - kH), kBlack);
  s.Body(22);
  s.Logo(12, 8, "TAVRIN");

  const char* icons[] = {"gear", "help", "minimize", "power"};
  const int xs[] = {258, 278, 298, 318};
  for (int i = 0; i < 4; ++i) {
    const Box b = At(xs[i], 3, 16, 16);
    s.RoundFace(b, false, t.accent);
    s.Icon(icons[i], b, i == 3 ? t.warm : t.icon);
    const Box alt = At(214 + 18 * i, 124, 16, 16);
    c.FillRect(alt, t.bar);
    s.RoundFace(alt, true, i == 3 ? t.warm : t.accent);
    s.Icon(icons[i], alt, kWhite);
  }
  s.RoundMask(At(286, 124, 16, 16));

  s.Panel({8, 26, 220, 76});
  DrawText(c, 172, 60, "STEREO", t.ledOff);
  c.FillRect(At(288, 162, 44, 11), t.panel);
  DrawText(c, 292, 164, "STEREO", t.accent);

  s.Panel({224, 24, 334, 78}, 4);
  s.SpectrumPictures(0, 124, 106, 50, 3, 10, 10, 2, 2, 2);
  c.Copy(0, 124, 106, 50, 226, 26);

  for (int i = 0; i < 6; ++i) s.RectFace(At(8 + 32 * i, 82, 30, 18), 4, false, t.accent);
  const Box stationAlt = At(214, 142, 30, 18);
  c.FillRect(stationAlt, t.bodyBottom);
  s.RectFace(stationAlt, 4, true, t.accent);
  const char* steps[] = {"previous", "next"};
  for (int i = 0; i < 2; ++i) {
    const Box b = At(204 + 26 * i, 82, 24, 18);
    s.RectFace(b, 4, false, t.accent);
    s.Icon(steps[i], At(b.x0 + 3, b.y0, 18, 18), t.icon);
    const Box alt = At(246 + 26 * i, 142, 24, 18);
    c.FillRect(alt, t.bodyBottom);
    s.RectFace(alt, 4, true, t.accent);
    s.Icon(steps[i], At(alt.x0 + 3, alt.y0, 18, 18), kWhite);
  }
  s.Toggle(At(258, 82, 36, 18), "REC", false, t.danger);
  s.Toggle(At(298, 82, 34, 18), "MUT", false, t.danger);
  c.FillRect(At(214, 162, 72, 18), t.bodyBottom);
  s.Toggle(At(214, 162, 36, 18), "REC", true, t.danger);
  s.Toggle(At(252, 162, 34, 18), "MUT", true, t.danger);

  DrawText(c, 8, 107, "VOL", t.label);
  s.HorizontalGroove(31, 199, 110);
  DrawText(c, 206, 107, "SHIFT", t.label);
  s.HorizontalGroove(243, 330, 110);
  s.Thumb(At(214, 182, 10, 12), t.accent, false);
  s.RectMask(At(226, 182, 10, 12), 3);
}

// The layout picture: the bitmap at three times its size, each named area
// outlined (window places green, atlas pictures yellow) with its number; the
// legend (number, tag, place) goes to a text file.
Canvas Layout(Canvas& bitmap, const std::vector<Area>& areas, FILE* legend) {
  constexpr int kScale = 3;
  constexpr int kFont = 2;
  Canvas out(bitmap.width() * kScale, bitmap.height() * kScale, kBlack);
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) out.Set(x, y, Mix(bitmap.Get(x / kScale, y / kScale), kBlack, 0.35));
  int number = 0;
  for (const Area& a : areas) {
    const std::string label = std::to_string(++number);
    std::fprintf(legend, "%d %s %s %d,%d %dx%d\n", number, a.atlas ? "bitmap" : "window", a.tag.c_str(), int(a.box.x0),
                int(a.box.y0), int(a.box.w()), int(a.box.h()));
    const Rgb color = a.atlas ? Hex(0xffd23d) : Hex(0x4dff88);
    const int x0 = int(a.box.x0) * kScale, y0 = int(a.box.y0) * kScale;
    const int x1 = int(a.box.x1) * kScale - 1, y1 = int(a.box.y1) * kScale - 1;
    for (int x = x0; x <= x1; ++x) out.Set(x, y0, color), out.Set(x, y1, color);
    for (int y = y0; y <= y1; ++y) out.Set(x0, y, color), out.Set(x1, y, color);
    const int tw = TextWidth(label, kFont), th = kGlyphHeight * kFont;
    int tx = x0 + 3, ty = y0 + 3;
    if (x1 - x0 < tw + 6 || y1 - y0 < th + 6) ty = y0 >= th + 4 ? y0 - th - 3 : y1 + 3;  // too small: outside
    out.FillRect(At(tx - 2, ty - 2, tw + 4, th + 4), kBlack);
    DrawText(out, tx, ty, label, color, kFont);
  }
  return out;
}

}  // namespace
}  // namespace skingen

int main(int argc, char** argv) {
  using namespace skingen;
  if (argc < 2) {
    std::fprintf(stderr, "usage: skingen OUTPUT_FOLDER [LAYOUT_BMP LEGEND_TXT]\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  Skin night(560, 250, 408, kNight);
  DrawNightfall(night);
  Skin day(340, 124, 226, kDay);
  DrawDaylight(day);
  bool ok = night.canvas().WriteBmp(folder + "Nightfall.bmp") && day.canvas().WriteBmp(folder + "Daylight.bmp");
  if (argc > 3) {
    FILE* legend = std::fopen(argv[3], "w");
    ok = ok && legend && Layout(night.canvas(), night.areas(), legend).WriteBmp(argv[2]);
    if (legend) ok = std::fclose(legend) == 0 && ok;
  }
  if (!ok) std::fprintf(stderr, "skingen: could not write the bitmaps into %s\n", argv[1]);
  return ok ? 0 : 1;
}
