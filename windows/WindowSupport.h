#pragma once
// Small pieces every window shares.

#include <QColor>

class QWidget;

void CentreOnScreen(QWidget* window);

enum FontStyle { Plain = 0, Bold = 1, Underline = 2 };

// The design's fonts at their pixel size on a 96-dpi screen (its fractional point sizes
// have no whole-point form); a family the system lacks falls back to its sans font.
void SetFont(QWidget* widget, const char* family, int pixelSize, int style = Plain);
void SetTextColour(QWidget* widget, const QColor& colour);
// A filled background in the given colour.
void SetBackground(QWidget* widget, const QColor& colour);
