#include "Appearance.h"

#include <QAbstractScrollArea>
#include <QFontDatabase>
#include <QMenu>
#include <QPalette>
#include <QWidget>

namespace Appearance {

namespace {

QString installedFamily(const QString& design, const QString& standIn)
{
    if (QFontDatabase::hasFamily(design))
        return design;
    if (QFontDatabase::hasFamily(standIn))
        return standIn;
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

void setWindowFont(QWidget* window, const QFont& font)
{
    window->setFont(font);
    for (QMenu* menu : window->findChildren<QMenu*>())
        menu->setFont(font);
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
