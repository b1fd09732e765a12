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

QPalette designPalette()
{
    const QColor black(0, 0, 0), white(255, 255, 255), face(239, 239, 239), grey(190, 190, 190);
    const QColor highlight(48, 140, 198);
    QPalette palette;
    // Every role, those of later Qt versions included (they take the highlight colour), so that
    // nothing of the system's scheme shows through.
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
        const auto role = static_cast<QPalette::ColorRole>(r);
        QColor active = highlight;
        QColor disabled;
        switch (role) {
        case QPalette::WindowText:
        case QPalette::Text:
        case QPalette::ButtonText:
            active = black;
            disabled = grey;
            break;
        case QPalette::Window:
        case QPalette::Button:
            active = face;
            break;
        case QPalette::Base:
            active = white;
            disabled = face;
            break;
        case QPalette::Light:
        case QPalette::BrightText:
        case QPalette::HighlightedText:
            active = white;
            break;
        case QPalette::Midlight:
            active = QColor(202, 202, 202);
            break;
        case QPalette::Dark:
            active = QColor(159, 159, 159);
            disabled = grey;
            break;
        case QPalette::Mid:
            active = QColor(184, 184, 184);
            break;
        case QPalette::Shadow:
            active = QColor(118, 118, 118);
            disabled = QColor(177, 177, 177);
            break;
        case QPalette::Highlight:
            disabled = QColor(145, 145, 145);
            break;
        case QPalette::Link:
            active = QColor(0, 0, 255);
            break;
        case QPalette::LinkVisited:
            active = QColor(255, 0, 255);
            break;
        case QPalette::AlternateBase:
            active = QColor(247, 247, 247);
            break;
        case QPalette::ToolTipBase:
            active = QColor(255, 255, 220);
            break;
        case QPalette::NoRole:
        case QPalette::ToolTipText:
            active = black;
            break;
        case QPalette::PlaceholderText:
            active = QColor(0, 0, 0, 128);
            break;
        default:
            break;
        }
        palette.setColor(QPalette::Active, role, active);
        palette.setColor(QPalette::Inactive, role, active);
        palette.setColor(QPalette::Disabled, role, disabled.isValid() ? disabled : active);
    }
    return palette;
}

void pinDesignPalette(QWidget* window)
{
    static const QPalette palette = designPalette();
    window->setPalette(palette);
}

void setMenuLook(QWidget* window)
{
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        menu->setFont(window->font());
        menu->setPalette(window->palette());
    }
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
