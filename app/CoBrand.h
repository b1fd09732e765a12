#pragma once

#include <QtGlobal>

class QWidget;

// Value of the last start-up draw, 1 to 6.
extern qint16 intCoBrandRandomNumber;

// Draws 1..6: odd puts the co-branding label in front of its frame, even the full-branding one.
void CoBrand_Randomize(QWidget* lblCobrand, QWidget* lblFullBrand);
