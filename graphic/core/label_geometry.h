// Where a button's label goes: centred in the button, at any text angle.
#pragma once

namespace vrx {

// Sine and cosine of a text angle in tenths of a degree; exactly 0 and 1
// for 0, so an upright label is measured as it is.
struct TextAngle {
  double sine = 0.0;
  double cosine = 1.0;
};
TextAngle AngleOf(int tenthsOfDegree);

struct LabelOrigin {
  int x = 0;
  int y = 0;
};

// Where the text's origin goes in a width x height button, for a text that
// measures cx x cy unrotated. A turned text's box is its bounding box, and
// its origin (top-left of the unrotated text) sits `raise` below the box's
// top.
LabelOrigin PlaceLabel(int width, int height, int cx, int cy, TextAngle angle);

}  // namespace vrx
