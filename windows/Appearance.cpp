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
    struct RoleColours {
        QPalette::ColorRole role;
        QColor active;   // inactive windows too
        QColor disabled; // where it differs
    };
    const RoleColours table[] = {
        {QPalette::WindowText, black, grey},
        {QPalette::Text, black, grey},
        {QPalette::ButtonText, black, grey},
        {QPalette::Window, face, {}},
        {QPalette::Button, face, {}},
        {QPalette::Base, white, face},
        {QPalette::Light, white, {}},
        {QPalette::BrightText, white, {}},
        {QPalette::HighlightedText, white, {}},
        {QPalette::Midlight, QColor(202, 202, 202), {}},
        {QPalette::Dark, QColor(159, 159, 159), grey},
        {QPalette::Mid, QColor(184, 184, 184), {}},
        {QPalette::Shadow, QColor(118, 118, 118), QColor(177, 177, 177)},
        {QPalette::Highlight, highlight, QColor(145, 145, 145)},
        {QPalette::Link, QColor(0, 0, 255), {}},
        {QPalette::LinkVisited, QColor(255, 0, 255), {}},
        {QPalette::AlternateBase, QColor(247, 247, 247), {}},
        {QPalette::ToolTipBase, QColor(255, 255, 220), {}},
        {QPalette::ToolTipText, black, {}},
        {QPalette::NoRole, black, {}},
        {QPalette::PlaceholderText, QColor(0, 0, 0, 128), {}},
    };
    QPalette palette;
    // Every role first takes the highlight colour, so that the roles of later Qt versions (the
    // accent) are set too and nothing of the system's scheme shows through.
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        palette.setColor(static_cast<QPalette::ColorRole>(role), highlight);
    for (const RoleColours& row : table) {
        palette.setColor(QPalette::Active, row.role, row.active);
        palette.setColor(QPalette::Inactive, row.role, row.active);
        palette.setColor(QPalette::Disabled, row.role,
                         row.disabled.isValid() ? row.disabled : row.active);
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
