#pragma once
// The design's fonts and colours, set through QFont and QPalette. Style sheets would say the
// same in fewer lines, but they switch every widget they touch to Qt's style-sheet style,
// which costs start-up time and memory.

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace Appearance {

enum class Family { Verdana, MsSansSerif };
enum Style { Plain = 0, Bold = 1, Underline = 2 };

// A design font at its pixel size on a 96-dpi screen (its fractional point sizes have no
// whole-point form). The family is looked up once per run: the design's own where the system
// has it, else an installed stand-in of the same width, else the system's sans font, so that
// no widget sends the font matcher searching for a family that is not there.
QFont font(Family family, int pixelSize, int style = Plain);

void setFont(QWidget* widget, Family family, int pixelSize, int style = Plain);
// A window's own font, set before its controls are created so that they take it at birth:
// set later, it would make every control rework its layout, and a list box build its
// drop-down ahead of time.
void setWindowFont(QWidget* window, Family family, int pixelSize);
// The light scheme the design's colours were chosen against, every role of every group set.
QPalette designPalette();
// Pins a window to the design's palette, before its controls are created so that they take it
// at birth. The design fixes text colours, so it fixes the backgrounds under them too: with the
// desktop's colour scheme they would be unreadable under a dark one. Message boxes and file
// dialogs, which have no design of their own, are windows of their own and keep the system's.
void pinDesignPalette(QWidget* window);
// Menus are windows of their own and inherit neither font nor palette: they take their
// window's.
void setMenuLook(QWidget* window);
// The colour of the widget's text, whichever role its kind of widget draws text with.
void setTextColour(QWidget* widget, const QColor& colour);
// A filled background in the given colour.
void setBackground(QWidget* widget, const QColor& colour);

} // namespace Appearance
