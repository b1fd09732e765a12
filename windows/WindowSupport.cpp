#include "WindowSupport.h"

#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QPalette>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->adjustSize();
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void SetFont(QWidget* widget, const char* family, int pixelSize, int style)
{
    // Where the design's family is missing, one of the same width stands in for it.
    static const QHash<QString, QString> standIns = {
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}};
    const QString name = QString::fromLatin1(family);
    QFont font;
    font.setFamilies({name, standIns.value(name, name)});
    font.setPixelSize(pixelSize);
    font.setBold(style & Bold);
    font.setUnderline(style & Underline);
    widget->setFont(font);
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, colour);
    widget->setPalette(palette);
}

void SetBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
