#include "Appearance.h"

#include <QAbstractScrollArea>
#include <QFontDatabase>
#include <QMenu>
#include <QPalette>
#include <QWidget>

namespace Appearance {

namespace {

// Looked up in the list of installed families: QFontDatabase::hasFamily would first ask the
// font configuration what the name stands for, the very search this lookup is there to spare.
QString installedFamily(const QString& design, const QString& standIn)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : {design, standIn})
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

const QString& familyName(Family family)
{
    switch (family) {
    case Family::MsSansSerif: {
        static const QString name =
            installedFamily(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
        return name;
    }
    case Family::Verdana:
        break;
    }
    static const QString name =
        installedFamily(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    return name;
}

} // namespace

QFont font(Family family, int pixelSize, int style)
{
    QFont font(familyName(family));
    font.setPixelSize(pixelSize);
    font.setBold(style & Bold);
    font.setUnderline(style & Underline);
    return font;
}

void setFont(QWidget* widget, Family family, int pixelSize, int style)
{
    widget->setFont(font(family, pixelSize, style));
}

void setWindowFont(QWidget* window, Family family, int pixelSize)
{
    window->setFont(font(family, pixelSize));
}

void setMenuFonts(QWidget* window)
{
    for (QMenu* menu : window->findChildren<QMenu*>())
        menu->setFont(window->font());
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    if (qobject_cast<QAbstractScrollArea*>(widget)) {
        // Its scroll bars draw their arrows in the button text colour: they keep theirs.
        palette.setColor(QPalette::Text, colour);
    } else {
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, colour);
    }
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace Appearance
