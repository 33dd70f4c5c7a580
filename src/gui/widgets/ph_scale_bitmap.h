#pragma once

#include <QColor>
#include <QImage>

namespace solvara {

// The colour the program gives a pH: red at pH 0 through yellow and green to dark blue at pH 14.
// A pH outside 0 to 14 gets the colour of the nearer end.
QColor phColour(double pH);

// The same colour halfway to white, light enough to draw on.
QColor palePhColour(double pH);

// The strip behind the buffer capacity plot: 281 × 70 pixels, 20 pixels per pH unit from pH 0 at
// the left, each column in the pale colour of its pH, a dotted line along row 14 and a tick at the
// foot of every whole pH from 1 to 13.
QImage makePhScaleBitmap();

}  // namespace solvara
