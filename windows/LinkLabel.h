#pragma once

#include <QLabel>

// A label that acts as a link: a click anywhere on it (press and release inside) emits clicked.
// Assistive technology sees it as a link whose "press" action does what a click does.
// It comes with the program's link look: a pointing hand, underlined bold Verdana in link blue,
// plain text wrapped to its width on a filled background; a window may change the font and
// colour of its own links.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr, Qt::WindowFlags flags = {});

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed = false;
};
