#pragma once
// The design's fonts and colours, set through QFont and QPalette. Style sheets would say the
// same in fewer lines, but they switch every widget they touch to Qt's style-sheet style,
// which costs start-up time and memory.

#include <QColor>
#include <QFont>

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
// The font of a window and of its menus, which as windows of their own inherit nothing.
void setWindowFont(QWidget* window, const QFont& font);
// The colour of the widget's text, whichever role its kind of widget draws text with.
void setTextColour(QWidget* widget, const QColor& colour);
// A filled background in the given colour.
void setBackground(QWidget* widget, const QColor& colour);

} // namespace Appearance
