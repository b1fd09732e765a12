#include "LinkLabel.h"

#include <QMouseEvent>

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}
