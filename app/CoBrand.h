#pragma once

#include <QtGlobal>

// Value of the last start-up draw, 1 to 6: odd puts the co-branding offer in front of its
// frame, even the full-branding one.
extern qint16 intCoBrandRandomNumber;

// Draws the next value; true when it puts the co-branding offer in front. The widget side
// (CoBrand_Randomize) raises the label.
bool drawCoBrandNumber();
